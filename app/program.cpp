#include "app/program.h"

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/status_window.h"
#include "platform/guarded.h"
#include "platform/ui/qt_dialogs.h"

#include <QApplication>
#include <QDir>

int runProgram(const QString& appDir, const QStringList& arguments,
               const std::function<void(Gp2PsoFrm&)>& afterShow) {
    Gp2PsoBas bas;
    bas.AppDir = QDir::toNativeSeparators(appDir);
    QtDialogs dialogs;
    bas.dialogs = &dialogs;
    bas.status = &Status::instance();

    Gp2PsoFrm frm(bas);
    // The splash deletes itself when it closes after the load.
    auto* splash = new Sobre(guarded("Form_Load", [&] {
        frm.Form_Load(arguments);
        frm.show();
        if (afterShow)
            afterShow(frm);
    }));
    splash->show();
    const int status = QApplication::exec();
    return ProgramEndState::ended ? ProgramEndState::status : status;
}
