#pragma once
// Every message box, input box, file dialog and folder picker goes through this interface:
// QtDialogs (platform/ui) shows real dialogs, ScriptedDialogs answers tests from a queue.
#include <QString>
#include <QStringList>

class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Plain box with OK, no icon.
    virtual void message(const QString& text) = 0;
    // The same box with a list under its text (the details of a command's result, one a line),
    // which scrolls, so the box fits the screen however many items it holds. No items: message.
    virtual void report(const QString& text, const QStringList& items) = 0;
    // The same box, shown without waiting for its OK: for news while a command goes on.
    virtual void notice(const QString& text) = 0;
    // Yes/No box without icon; true on Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // Yes/No/Cancel box, for work that would otherwise be dropped; closing it is Cancel.
    enum class Answer { Yes, No, Cancel };
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // Yes/No question with a list under its text (files, one a line); true on Yes. The list
    // scrolls, so the box fits the screen however many items it holds.
    virtual bool askYesNoList(const QString& text, const QStringList& items) = 0;
    // Input box with a default answer; "" when cancelled.
    virtual QString input(const QString& prompt, const QString& defaultAnswer) = 0;
    // File-open dialog; returns the chosen path, or `fileName` unchanged when cancelled
    // (the common dialog keeps its preset name on cancel).
    virtual QString openFile(const QString& title, const QString& fileName, const QString& filter,
                             const QString& defaultExt) = 0;
    // File-open dialog choosing one file or several, starting in `folder`; the chosen paths,
    // none when cancelled.
    virtual QStringList openFiles(const QString& title, const QString& folder,
                                  const QString& filter) = 0;
    // File-save dialog (it asks before replacing a file); the chosen path, "" when cancelled.
    virtual QString saveFile(const QString& title, const QString& fileName, const QString& filter,
                             const QString& defaultExt) = 0;
    // Folder picker; the chosen folder without trailing separator, "" when cancelled.
    virtual QString pickFolder(const QString& title, QWidget* owner) = 0;
};
