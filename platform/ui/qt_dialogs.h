#pragma once
// The dialogs the user sees: Qt message boxes without icon, input boxes, the file-open
// and file-save dialogs and the folder picker, all owned by one window and titled with the
// program's name.
#include "platform/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace pistaro {

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner = nullptr);
    // The window the dialogs are shown over (the main window once it exists).
    void setOwner(QWidget* owner);

    void message(const QString& text) override;
    void report(const QString& text, const QStringList& items) override;
    void notice(const QString& text) override;
    bool askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    bool askYesNoList(const QString& text, const QStringList& items) override;
    QString input(const QString& prompt, const QString& defaultAnswer) override;
    // The file dialogs start in the folder their preset names; given none (a bare name or
    // pattern, an empty or missing folder), where a file of the same filter was last chosen,
    // else in the home folder, never in the current (program) folder.
    QString openFile(const QString& title, const QString& fileName, const QString& filter,
                     const QString& defaultExt) override;
    QStringList openFiles(const QString& title, const QString& folder,
                          const QString& filter) override;
    QString saveFile(const QString& title, const QString& fileName, const QString& filter,
                     const QString& defaultExt) override;
    QString pickFolder(const QString& title, QWidget* owner) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace pistaro
