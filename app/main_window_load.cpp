// Start-up and shut-down of the main window: the load steps in their order, and the unload
// steps that save the settings and the pack list.
#include "app/main_window.h"

#include "app/status_window.h"
#include "gamedir/backup_revert.h"
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "gamedir/game_dir.h"
#include "packs/ui/pack_controls.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/program_end.h"
#include "platform/replace_file.h"
#include "storage/catalogue_names.h"
#include "storage/database_names.h"
#include "storage/open_database.h"
#include "storage/ui/database_list.h"
#include "storage/ui/lap_time_database.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/file_list_box.h"
#include "ui/window_size.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QScreen>

#include <stdexcept>

namespace pistaro {

namespace {
QString packsFile(const Gp2PsoBas& bas) {
    return bas.AppDir + QDir::separator() + QStringLiteral("Packs.txt");
}
} // namespace

void MainWindow::openMapsDatabase() {
    // Found without regard to case: "maps.mdb" finds the "Maps.mdb" that MakeDatabase writes.
    // Without the pictures' catalogue the run goes on, as with a damaged one (a full disk must
    // not end the program): what went wrong is thrown for the caller to say.
    dbopen::Policy policy;
    policy.anyCase = true;
    dbopen::Result opened;
    try {
        opened = dbopen::open(bas_, QStringLiteral("Maps.mdb"), policy);
    } catch (const ProgramEnded&) {
        throw std::runtime_error("Maps.mdb could not be made");
    }
    if (!opened.db) {
        if (opened.reason.isEmpty())
            return;
        throw std::runtime_error(opened.reason.toStdString());
    }
    bas_.MapsDb = std::move(opened.db);
    bas_.MapsRs = bas_.MapsDb->openTable(catalogue::Maps);
    bas_.MapsRs->setIndex(catalogue::NameIndex);
}

void MainWindow::Form_Load(const QStringList& arguments) {
    ignoreFailure("changing to the program folder", [&] { QDir::setCurrent(bas_.AppDir); });
    ignoreFailure("listing databases", [&] { Databases->DbList->setPath(bas_.AppDir); });
    bas_.DbName = arguments.value(0).trimmed();
    if (bas_.DbName.isEmpty())
        bas_.DbName = QStringLiteral("pso.mdb");
    // Databases live in the program folder: a name with a folder part would open or make
    // a file elsewhere, and the menu picture database is no lap time database.
    if (const QString refusal = dbnames::newRefusal(bas_.DbName); !refusal.isEmpty()) {
        dialogs().message(refusal);
        endProgram(1);
    }
    ignoreFailure("reading Packs.txt", [&] { Packs->readPackList(packsFile(bas_)); });

    ignoreFailure("placing the window", [&] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        // Centred on the free part of the screen and never beyond it: what does not fit
        // at the preferred size scrolls inside the window.
        const QRect free = screen->availableGeometry();
        makeRoomForTheTable(free.height());
        const QSize wanted = sizeHint();
        QRect place(free.x() + free.width() / 2 - wanted.width() / 2,
                    free.y() + free.height() / 2 - wanted.height() / 2, wanted.width(),
                    wanted.height());
        const QSize s = screen->geometry().size();
        if (s == QSize(800, 600))
            place.moveTop(free.top());
        placeOnScreen(*this, place);
        keepFrameOnScreen(*this);
        if (s == QSize(640, 480))
            dialogs().message(tr("You have to set your Screen Resolution at least 800x600"));
    });

    Setting->DbOpen(bas_.DbName); // ends the program when no game folder or no settings row
    ignoreFailure("reopening Parameters", [&] {
        bas_.ParamsRs = bas_.Db->openTable(catalogue::Parameters);
        bas_.ParamsRs->setIndex(catalogue::CodeIndex);
        bas_.ParamsRs->moveFirst();
    });
    // The program goes on without menu pictures, but says why they are missing.
    QString mapsError;
    try {
        openMapsDatabase();
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        mapsError = QString::fromStdString(e.what());
        reportIgnoredFailure("opening maps.mdb", e.what());
    }
    if (!mapsError.isEmpty() || !bas_.MapsRs)
        dialogs().message(tr("Couldn't open %1.")
                              .arg(QDir::toNativeSeparators(
                                  gamepath::join(bas_.AppDir, QStringLiteral("maps.mdb")))) +
                          Gp2PsoBas::CrLf2 +
                          (mapsError.isEmpty() ? QString() : mapsError + Gp2PsoBas::CrLf2) +
                          tr("Menu pictures are neither shown nor kept in this run."));

    ignoreFailure("clearing unfinished backups",
                  [&] { gamebackup::clearUnfinished(gamebackup::backupsFolder(bas_)); });
    // A revert stopped half-way is finished or undone before the game is listed.
    ignoreFailure("finishing an unfinished revert", [&] {
        const QStringList left =
            gamebackup::finishUnfinished(gamebackup::backupsFolder(bas_), bas_.Gp2Dir);
        if (!left.isEmpty())
            dialogs().message(left.join(Gp2PsoBas::CrLf2));
    });
    ignoreFailure("listing circuits",
                  [&] { Lists->setFolder(gamepath::circuitsFolder(bas_.Gp2Dir)); });
    ignoreFailure("reading the slots", [&] {
        // Sixteen circuits' catalogue rows and pictures, each file locked once for them all.
        const Database::Batch tracks(bas_.Db.get());
        const Database::Batch maps(bas_.MapsDb.get());
        Packs->fillSlotsFromGame();
    });
    ignoreFailure("clearing the panel", [&] { Panel->Clean(); });
    ignoreFailure("detecting the GP2 edition", [&] { DetectGp2Version(bas_); });
    bas_.Gp2Version = bas_.ExeVersionText;
    ignoreFailure("listing databases", [&] {
        Databases->UpdateDbList();
        Databases->DbCombo->setEditText(bas_.DbName);
    });
    showTitle();
}

void MainWindow::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    ignoreFailure("closing the database", [&] { Setting->DbClose(); });
    ignoreFailure("closing maps.mdb", [&] {
        if (bas_.MapsRs)
            bas_.MapsRs->close();
        bas_.MapsRs.reset();
        if (bas_.MapsDb)
            bas_.MapsDb->close();
        bas_.MapsDb.reset();
    });
    // The secondary windows: every top-level window but this one.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    // The pack list is kept only in this file: say so when it cannot be written.
    QString error;
    if (!Packs->writePackList(packsFile(bas_), &error))
        dialogs().message(notWrittenMessage(packsFile(bas_), error) + QStringLiteral(".") +
                          Gp2PsoBas::CrLf2 + tr("The track pack list was not saved."));
}

} // namespace pistaro
