// The game launch: setups into the game, the launch counted, the old lap log kept or removed,
// the game (or the lap timer, which starts it) waited for in the game folder, then, when it
// ended normally, setups and lap times back, and the time spent added to the statistics; when
// it did not, the count taken back and the old log put back.
#include "laptimes/ui/launcher.h"

#include "laptimes/ui/log_window.h"
#include "trackfile/ui/track_info_panel.h"

#include "gamedir/exe_cmd.h"
#include "laptimes/kept_log.h"
#include "laptimes/statistics_text.h"
#include "laptimes/ui/log_import.h"
#include "laptimes/usage_statistics.h"
#include "platform/dialogs.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "setups/state_file.h"
#include "setups/ui/setup_transfer.h"
#include "storage/settings_row.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <stdexcept>

namespace pistaro {

Launcher::Launcher(WindowServices& services, TrackInfoPanel& panel, SetupTransfer& setups,
                   LogImport& logImport, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), setups_(setups), logImport_(logImport) {
    setObjectName(QStringLiteral("Launcher"));
    Command4 = named(new QPushButton(tr("&Launch GP2"), parent), "Command4");
    Command4->setToolTip(tr("Run Gp2"));
    connect(Command4, &QPushButton::clicked, this, GUARDED_COMMAND(Launch));
}

namespace {

Recordset& settingsRow(Gp2PsoBas& bas) {
    return settingsrow::currentRow(bas.ParamsRs);
}

} // namespace

bool Launcher::Launch() {
    Gp2PsoBas& bas = services_.bas();
    const QString program =
        bas.UseGp2Lap ? QStringLiteral("Gp2Lap.exe") : QStringLiteral("Gp2.exe");
    // A game that cannot be started is said so before anything is counted or moved.
    ExeCmd::Run game =
        ExeCmd::Prepare(gamepath::join(bas.Gp2Dir, program), {}, bas.Gp2Dir, {bas.AppDir, true});
    if (!game.error.isEmpty()) {
        services_.dialogs().message(game.error);
        return false;
    }
    game.name = bas.UseGp2Lap ? QStringLiteral("GP2Lap") : QStringLiteral("GP2");
    game.game = true;
    ignoreFailure("exporting the car setups", [&] { setups_.Export(); });
    QCoreApplication::processEvents();

    ignoreFailure("entering the game folder", [&] {
        if (!QDir::setCurrent(bas.Gp2Dir))
            throw std::runtime_error("cannot enter " + bas.Gp2Dir.toStdString());
    });

    qint64 launches = 0;
    ignoreFailure("counting the launch", [&] { launches = countLaunch(settingsRow(bas)); });

    // A log holding times the database refused is left as it is, for the next import. The old
    // log is kept under its number or set aside to be deleted; a run that fails puts it back.
    const QString log = gamepath::join(bas.Gp2Dir, QStringLiteral("gp2lap.log"));
    const QString setAside = log + QStringLiteral(".before-game");
    QString movedTo;
    if (bas.RenameLogFile && !bas.KeepLapLog)
        ignoreFailure("keeping the old lap log", [&] { movedTo = keepLog(bas.Gp2Dir, launches); });
    if (bas.DeleteLogFile && !bas.KeepLapLog)
        ignoreFailure("setting the old lap log aside", [&] {
            QFile::remove(setAside);
            if (QFile::rename(log, setAside))
                movedTo = setAside;
        });

    // A monotonic clock, so a game played across midnight still counts its real time.
    QElapsedTimer clock;
    clock.start();
    // The game must not read the state file before the checksum run after the setup export
    // has finished with it.
    ignoreFailure("waiting for the state file's checksum",
                  [&] { ExeCmd::WaitForSumfix(statefile::path(bas.Gp2Dir)); });
    ExeCmd::RunResult run;
    ignoreFailure("running the game", [&] { run = ExeCmd::RunAndWait(game); });
    const qint64 seconds = clock.elapsed() / 1000;
    if (!run.ok()) {
        // Stopped, crashed, or the emulator failed: no game was played. The setups and the lap
        // log are left in the game as they were, for the next run to take.
        ignoreFailure("taking back the launch count", [&] { uncountLaunch(settingsRow(bas)); });
        if (!movedTo.isEmpty() && !QFileInfo::exists(log))
            ignoreFailure("putting the old lap log back", [&] { QFile::rename(movedTo, log); });
        const QString why = run.problem(game.name);
        services_.dialogs().message(why.isEmpty() ? tr("%1 could not be run").arg(game.name) : why);
        ignoreFailure("returning to the program folder", [&] { QDir::setCurrent(bas.AppDir); });
        panel_.reload();
        return false;
    }
    if (movedTo == setAside)
        ignoreFailure("deleting the old lap log", [&] { QFile::remove(setAside); });
    ignoreFailure("importing the car setups", [&] { setups_.Import(); });
    if (bas.UseGp2Lap)
        ignoreFailure("importing the lap log", [&] { logImport_.Import(); });

    ignoreFailure("updating the usage statistics", [&] {
        addPlayingTime(settingsRow(bas), seconds, dateTimeText(QDateTime::currentDateTime()));
    });

    ignoreFailure("returning to the program folder", [&] {
        if (!QDir::setCurrent(bas.AppDir))
            throw std::runtime_error("cannot enter " + bas.AppDir.toStdString());
    });
    panel_.reload();
    return true;
}

void Launcher::FileLog_Click() {
    Gp2PsoBas& bas = services_.bas();
    UsageStatistics usage;
    ignoreFailure("reading the usage statistics", [&] { usage = readUsage(settingsRow(bas)); });
    LogWindow log(services_.window());
    log.showStatistics(usage.execution, usage.firstUse, usage.lastUse, usage.secondsRunning);
    log.exec();
}

} // namespace pistaro
