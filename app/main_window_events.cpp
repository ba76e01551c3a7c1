// The main window's own handlers: Exit, File Exit, help, home page, About, F1.
#include "app/about_dialog.h"
#include "app/help_page.h"
#include "app/main_window.h"
#include "platform/command_gate.h"
#include "platform/guarded.h"
#include "storage/ui/database_list.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QToolButton>

namespace pistaro {

void MainWindow::Exit_Click() {
    close();
}

// The menu item ends the program as the button and the window's close box do: the settings,
// the pack list and "First Time" are saved on the way out.
void MainWindow::FileExit_Click() {
    close();
}

void MainWindow::Contents_Click() {
    const QString page = helpPage(bas_.dataDir());
    if (!page.isEmpty())
        openWithDesktop(page);
}

QString MainWindow::homePageTarget() const {
    return homePageAddress.isEmpty() ? helpPage(bas_.dataDir()) : homePageAddress;
}

void MainWindow::PSOHP_Click() {
    const QString target = homePageTarget();
    if (!target.isEmpty())
        openWithDesktop(target);
}

void MainWindow::HelpAbout_Click() {
    AboutDialog about(
        this, [this](const QString& url) { openWithDesktop(url); }, homePageTarget());
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Never unloaded in the middle of a command: the close follows its end, and the game's
    // lap times, setups and statistics are stored first.
    if (CommandGate::instance().busy() && !unloaded_) {
        event->ignore();
        if (!closePending_ && CommandGate::instance().waitingForGame())
            dialogs().notice(QStringLiteral("GP2 is running. Pistaro will close when it ends."));
        closePending_ = true;
        return;
    }
    closePending_ = false;
    if (!unloaded_)
        Form_Unload();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // F1 anywhere in the window opens the help, as the Contents menu does.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        Contents_Click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace pistaro
