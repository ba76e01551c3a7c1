// The main window's own handlers: Exit, File Exit, help, home page, About, F1.
#include "app/about_box.h"
#include "app/help_page.h"
#include "app/main_window.h"
#include "platform/guarded.h"
#include "storage/ui/database_list.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QToolButton>

void Gp2PsoFrm::Exit_Click() {
    close();
}

// The menu item ends the program as the button and the window's close box do: the settings,
// the pack list and "First Time" are saved on the way out.
void Gp2PsoFrm::FileExit_Click() {
    close();
}

void Gp2PsoFrm::Contents_Click() {
    const QString page = helpPage(bas_.dataDir());
    if (!page.isEmpty())
        openWithDesktop(page);
}

QString Gp2PsoFrm::homePageTarget() const {
    return homePageAddress.isEmpty() ? helpPage(bas_.dataDir()) : homePageAddress;
}

void Gp2PsoFrm::PSOHP_Click() {
    const QString target = homePageTarget();
    if (!target.isEmpty())
        openWithDesktop(target);
}

void Gp2PsoFrm::HelpAbout_Click() {
    Sobre1 about(
        this, [this](const QString& url) { openWithDesktop(url); }, homePageTarget());
    about.exec();
}

void Gp2PsoFrm::closeEvent(QCloseEvent* event) {
    if (!unloaded_)
        Form_Unload();
    event->accept();
}

void Gp2PsoFrm::keyPressEvent(QKeyEvent* event) {
    // F1 anywhere in the window opens the help, as the Contents menu does.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        Contents_Click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
