#include "ui/language.h"

#include "platform/program_settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pistaro::language {

namespace {

const QString kLanguageKey = QStringLiteral("Program/Language");

// The translations built into the program (translations/pistaro_<code>.ts).
const QStringList kTranslated = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it"),
                                 QStringLiteral("es"), QStringLiteral("nl")};

bool isOffered(const QString& code) {
    return code == QLatin1String("en") || kTranslated.contains(code);
}

// "de-CH", "de_CH" and "DE" all name German.
QString languageOf(const QString& uiLanguage) {
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

// Owned by the application; replaced, not added to, when the language is applied again.
QTranslator* programTranslator = nullptr;
QTranslator* qtTranslator = nullptr;

void unload(QTranslator*& slot) {
    if (!slot)
        return;
    QCoreApplication::removeTranslator(slot);
    delete slot;
    slot = nullptr;
}

bool load(QTranslator*& slot, const QString& file, const QString& folder) {
    unload(slot);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    slot = translator;
    return true;
}

} // namespace

QList<Offered> offered() {
    return {{QString(), QCoreApplication::translate("language", "Automatic (desktop)")},
            {QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Français")},
            {QStringLiteral("it"), QStringLiteral("Italiano")},
            {QStringLiteral("es"), QStringLiteral("Español")},
            {QStringLiteral("nl"), QStringLiteral("Nederlands")}};
}

QString setting() {
    const QString code = programSettings().value(kLanguageKey).toString();
    return isOffered(code) ? code : QString();
}

void setSetting(const QString& code) {
    QSettings settings = programSettings();
    if (isOffered(code))
        settings.setValue(kLanguageKey, code);
    else
        settings.remove(kLanguageKey);
}

QString chosen(const QString& setting, const QStringList& desktopLanguages) {
    if (isOffered(setting))
        return setting;
    for (const QString& desktop : desktopLanguages) {
        const QString code = languageOf(desktop);
        if (isOffered(code))
            return code;
    }
    return QStringLiteral("en");
}

Applied apply() {
    Applied applied;
    applied.code = chosen(setting(), QLocale::system().uiLanguages());
    if (applied.code == QLatin1String("en")) {
        // The program's own text: nothing to load, and what an earlier call loaded goes.
        unload(programTranslator);
        unload(qtTranslator);
    } else {
        applied.programTexts = load(programTranslator, QStringLiteral("pistaro_") + applied.code,
                                    QStringLiteral(":/i18n"));
        applied.qtTexts = load(qtTranslator, QStringLiteral("qtbase_") + applied.code,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    // The desktop's own locale keeps its country's conventions when it speaks the language
    // (the C locale counts as English).
    const QLocale system = QLocale::system();
    const bool desktops = languageOf(system.name()) == applied.code ||
                          (system.language() == QLocale::C && applied.code == QLatin1String("en"));
    QLocale::setDefault(desktops ? system : QLocale(applied.code));
    return applied;
}

} // namespace pistaro::language
