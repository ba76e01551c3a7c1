// The main window's own handlers: Exit, File Exit, help, home page, About.
#include "app/about_dialog.h"
#include "app/help_page.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "packs/ui/slot_list.h"
#include "platform/command_gate.h"
#include "platform/guarded.h"
#include "storage/ui/database_list.h"
#include "trackfile/ui/track_info_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
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
    if (page.isEmpty())
        return;
    if (!Helper)
        Helper = new HelpWindow([this](const QString& url) { openWithDesktop(url); }, this);
    Helper->showPage(page);
}

void MainWindow::PSOHP_Click() {
    if (!homePageAddress.isEmpty())
        openWithDesktop(homePageAddress);
}

void MainWindow::HelpAbout_Click() {
    AboutDialog about(
        this, [this](const QString& url) { openWithDesktop(url); }, homePageAddress);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Never unloaded in the middle of a command: the close follows its end, and the game's
    // lap times, setups and statistics are stored first.
    if (CommandGate::instance().busy() && !unloaded_) {
        event->ignore();
        if (!closePending_ && CommandGate::instance().waitingForGame())
            dialogs().notice(tr("GP2 is running. Pistaro will close when it ends."));
        closePending_ = true;
        return;
    }
    closePending_ = false;
    if (!unloaded_ && (!Panel->mayLeave() || !Slots->settlePending())) {
        event->ignore(); // Cancel: the window stays with its edits and its line-up
        return;
    }
    if (!unloaded_)
        Form_Unload();
    event->accept();
}

} // namespace pistaro
