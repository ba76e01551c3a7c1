#include "app/program.h"

#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/status_window.h"
#include "platform/folder_listing.h"
#include "platform/guarded.h"
#include "platform/program_end.h"
#include "platform/program_folders.h"
#include "platform/program_lock.h"
#include "platform/ui/qt_dialogs.h"
#include "trackfile/ui/circuit_lists.h"
#include "ui/font_warmup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <future>

namespace pistaro {

int runWithMainWindow(const QString& exeDir, const QString& refusal,
                      const std::function<int(MainWindow&)>& body) {
    QtDialogs dialogs;
    if (!refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(refusal));
        dialogs.message(refusal);
        return 2;
    }
    // The one decision where the program writes: the rest of it writes into bas.AppDir.
    const ProgramFolders folders = locateProgramFolders(exeDir, perUserDataFolder());
    QString error;
    if (folders.appDir.isEmpty() || !seedUserFolder(folders, &error)) {
        dialogs.message(
            QCoreApplication::translate("program", "Pistaro cannot keep its files: %1.")
                .arg(error.isEmpty()
                         //: Why the program cannot keep its files, when the system says nothing.
                         ? QCoreApplication::translate("program", "no folder for them")
                         : error));
        return 1;
    }
    // Held until the run ends: a second run on the folder would write over what this one
    // saves. Taking it waits for the disk (the lock file is synced), so it is taken while the
    // main window is built, which writes nothing, and awaited before the load.
    std::future<ProgramLock> locking =
        std::async(std::launch::async, lockProgramFolder, folders.appDir);
    ProgramLock lock;

    Gp2PsoBas bas;
    bas.AppDir = QDir::toNativeSeparators(folders.appDir);
    bas.DataDir = QDir::toNativeSeparators(folders.dataDir);
    bas.ExeDir = QDir::toNativeSeparators(folders.exeDir);
    bas.dialogs = &dialogs;
    bas.status = &StatusWindow::instance();
    // The circuits of the last run, read while the window is built: the load lists them.
    const std::unique_ptr<folderlisting::ListingAhead> circuits =
        CircuitLists::listAhead(bas.AppDir);

    fontwarmup::wait();
    MainWindow frm(bas);
    lock = locking.get();
    if (!lock.refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(lock.refusal));
        dialogs.message(lock.refusal);
        return 1;
    }
    try {
        return body(frm);
    } catch (const ProgramEnded& e) {
        return e.status;
    }
}

int runProgram(const QString& exeDir, const QStringList& arguments,
               const std::function<void(MainWindow&)>& afterShow) {
    return runWithMainWindow(exeDir, {}, [&](MainWindow& frm) {
        // The splash deletes itself when it closes after the load.
        auto* splash = new SplashWindow(guarded("Form_Load", [&] {
            frm.Form_Load(arguments);
            frm.show();
            if (afterShow)
                afterShow(frm);
        }));
        splash->show();
        const int status = QApplication::exec();
        return ProgramEndState::ended ? ProgramEndState::status : status;
    });
}

} // namespace pistaro
