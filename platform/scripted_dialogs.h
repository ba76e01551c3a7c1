#pragma once
// Dialogs for tests: answers come from a queue, every text shown is recorded.
#include "platform/dialogs.h"

#include <QStringList>
#include <QVariantList>

#include <functional>

class ScriptedDialogs final : public Dialogs {
public:
    // Answers are taken in order by askYesNo (bool), input/openFile/saveFile/pickFolder
    // (QString), openFiles (QStringList or QString).
    // An empty queue answers No, "" (cancel), the preset file name, "".
    QVariantList answers;
    // Every text shown, in order: the message or prompt text.
    QStringList shown;
    // The kind of each shown text: "message", "yesno", "input", "openFile", "pickFolder".
    QStringList kinds;
    // Called with each message (report, notice) as it is shown, for a test to see when.
    std::function<void(const QString&)> onMessage;

    void message(const QString& text) override;
    // Recorded as a "message": the text, and when there are items a blank line and the items
    // one a line.
    void report(const QString& text, const QStringList& items) override;
    void notice(const QString& text) override; // recorded as a "message"
    bool askYesNo(const QString& text) override;
    // Recorded as "yesnocancel"; answered by true (Yes), false (No) or "cancel". An empty
    // queue answers No, as the program did before it asked.
    Answer askYesNoCancel(const QString& text) override;
    // Recorded as a "yesno" question: the text, a blank line, then the items one a line.
    bool askYesNoList(const QString& text, const QStringList& items) override;
    QString input(const QString& prompt, const QString& defaultAnswer) override;
    QString openFile(const QString& title, const QString& fileName, const QString& filter,
                     const QString& defaultExt) override;
    // Recorded as "openFiles"; answered by a QStringList or one QString (a path). An empty
    // queue, or an answer that is neither, cancels (no files).
    QStringList openFiles(const QString& title, const QString& folder,
                          const QString& filter) override;
    // Recorded as "saveFile"; an empty queue answers "" (cancel).
    QString saveFile(const QString& title, const QString& fileName, const QString& filter,
                     const QString& defaultExt) override;
    QString pickFolder(const QString& title, QWidget* owner) override;

    // Defaults offered by the last input box and file dialog, for tests to check.
    QString lastDefault;
    QStringList messages() const; // only the "message" texts
};
