// pso: the splash window loads the main window, which runs until it is closed.
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/status_window.h"
#include "platform/guarded.h"
#include "platform/ui/qt_dialogs.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // QApplication has taken its own options out; what is left is the database name.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    Gp2PsoBas bas;
    bas.AppDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    QtDialogs dialogs;
    bas.dialogs = &dialogs;
    bas.status = &Status::instance();

    Gp2PsoFrm frm(bas);
    Sobre splash(guarded("Form_Load", [&] {
        frm.Form_Load(arguments);
        frm.show();
    }));
    splash.show();
    const int status = app.exec();
    return ProgramEndState::ended ? ProgramEndState::status : status;
}
