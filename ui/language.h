#pragma once
// The language the program speaks: the one chosen in Setup or, on "Automatic", the desktop's;
// English, the program's own, when none of its translations matches.
#include <QList>
#include <QString>
#include <QStringList>

namespace pistaro::language {

struct Offered {
    QString code; // "" for Automatic, else a two-letter language code ("de")
    QString name; // as the list in Setup shows it: each language in its own name
};

// Automatic first, then English and the languages the program is translated into.
QList<Offered> offered();

// The choice kept in the program's settings ("" for Automatic, also for an unknown code).
QString setting();
void setSetting(const QString& code);

// The language to speak for a setting and the desktop's languages in order of preference
// (QLocale::uiLanguages() forms: "de-CH", "fr_FR", "nl"): the setting when it names one,
// else the first desktop language offered, else "en".
QString chosen(const QString& setting, const QStringList& desktopLanguages);

struct Applied {
    QString code;              // the language now spoken
    bool programTexts = false; // the program's own translation was loaded
    bool qtTexts = false;      // Qt's translation of its own dialogs was loaded
};

// Loads the program's and Qt's translators for the chosen language (a second call replaces
// what the first loaded) and makes that language QLocale's default, so the help page and other
// code follow it. Needs the application object.
Applied apply();

} // namespace pistaro::language
