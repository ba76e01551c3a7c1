#include "app/restore_command.h"

#include "gamedir/game_backup.h"
#include "packs/ui/pack_controls.h"
#include "platform/ignore_step.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/window_services.h"

#include <QDir>

namespace pistaro {

void RestoreLastChange(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                       PackControls& packs) {
    const std::optional<gamebackup::Saved> saved =
        gamebackup::newest(gamebackup::backupsFolder(services.bas()));
    if (!saved) {
        services.dialogs().message(QStringLiteral("There is no change to restore !!!"));
        return;
    }
    QStringList files;
    for (const gamebackup::Entry& entry : saved->entries)
        files << QDir::toNativeSeparators(entry.original) +
                     (entry.copy.isEmpty() ? QStringLiteral(" (removed: it was not there)")
                                           : QString());
    if (!services.dialogs().askYesNo(
            QStringLiteral("Restore the game files as they were before ") + saved->command +
            QStringLiteral(" on ") + saved->when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) +
            QStringLiteral(" ?") + Gp2PsoBas::CrLf2 + files.join(Gp2PsoBas::CrLf)))
        return;
    const QStringList failed = gamebackup::restore(*saved);

    // The lists show the game as it is now, as after a start.
    ignoreFailure("listing circuits", [&] { lists.File1->refresh(); });
    ignoreFailure("reading the slots", [&] { packs.fillSlotsFromGame(); });
    ignoreFailure("clearing the panel", [&] { panel.Clean(); });
    if (failed.isEmpty())
        services.dialogs().message(QStringLiteral("Game files restored !!!"));
    else
        services.dialogs().message(QStringLiteral("Some game files could not be restored !!!") +
                                   Gp2PsoBas::CrLf2 + failed.join(Gp2PsoBas::CrLf));
}

} // namespace pistaro
