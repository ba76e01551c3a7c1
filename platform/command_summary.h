#pragma once
// The one message a command ends with: a headline, what was done, then what was not done,
// said once per cause however many items it kept back. The items themselves (slots, files)
// go into a scrolling list under the text, so the box fits the screen however many there are.
// Done lines and items are one line each: their control characters are shown as escapes.
#include <QString>
#include <QStringList>

class Dialogs;

// "1 circuit", "3 circuits": `n` with the word that fits it.
QString countOf(qsizetype n, const QString& one, const QString& many);

class CommandSummary final {
public:
    // One line of what was done ("3 circuits were copied into their slots.").
    void done(const QString& line);
    // `item` (a slot, a file; "" for none) was not done because of `cause`, a whole sentence
    // said once for all its items ("Menu pictures were not changed: gp2hipic is not set up.").
    void failed(const QString& cause, const QString& item = {});

    bool anythingDone() const { return !done_.isEmpty(); }
    bool clean() const { return causes_.isEmpty(); }

    // The headline, then the done lines, then one line per cause, blocks apart.
    QString text(const QString& headline) const;
    // Every item; under its cause when the items of more than one cause are listed.
    QStringList details() const;
    // Shows the text with the details as one message.
    void show(Dialogs& dialogs, const QString& headline) const;

private:
    struct Cause {
        QString text;
        QStringList items;
    };
    QStringList done_;
    QList<Cause> causes_;
};
