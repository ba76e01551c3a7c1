#include "app/restore_command.h"

#include "gamedir/backup_revert.h"
#include "gamedir/game_backup.h"
#include "packs/ui/pack_controls.h"
#include "platform/ignore_step.h"
#include "platform/shown_text.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/window_services.h"

#include <QCoreApplication>

namespace pistaro {

void RestoreLastChange(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                       PackControls& packs) {
    const std::optional<gamebackup::Saved> saved =
        gamebackup::newest(gamebackup::backupsFolder(services.bas()));
    if (!saved) {
        services.dialogs().message(
            QCoreApplication::translate("RestoreCommand", "There is no change to restore."));
        return;
    }
    RevertChange(services, panel, lists, packs, *saved, gamebackup::kRestoreCommand);
}

bool RevertChange(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                  PackControls& packs, const gamebackup::Change& change, const QString& command) {
    const Gp2PsoBas& bas = services.bas();
    const QString root = gamebackup::backupsFolder(bas);
    // A revert stopped half-way is finished first; while it cannot be, nothing else goes back.
    const QStringList unfinished = gamebackup::finishUnfinished(root, bas.Gp2Dir);
    if (!unfinished.isEmpty()) {
        services.dialogs().message(unfinished.join(Gp2PsoBas::CrLf2));
        return false;
    }
    const QString refused = gamebackup::revertRefusal(root, change, bas.Gp2Dir);
    if (!refused.isEmpty()) {
        services.dialogs().message(refused);
        return false;
    }
    // Every saved copy is checked before the question: a damaged one is named there.
    const QStringList damaged = gamebackup::damagedFiles(change);
    QStringList files;
    for (const gamebackup::Entry& entry : change.entries)
        files << shown::path(entry.original) +
                     (damaged.contains(entry.original)
                          //: After a file the restore names.
                          ? QCoreApplication::translate(
                                "RestoreCommand", " (its saved copy is damaged: not restored)")
                          //: After a file the restore names.
                          : entry.copy.isEmpty()
                                ? QCoreApplication::translate("RestoreCommand",
                                                              " (removed: it was not there)")
                                : QString());
    const QString when = change.when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QString question =
        damaged.isEmpty()
            ? QCoreApplication::translate("RestoreCommand",
                                          "Restore the game files as they were before %1 on %2?")
                  .arg(shown::text(change.command), when)
            : QCoreApplication::translate("RestoreCommand",
                                          "The backup of %1 on %2 is damaged: the saved copies of "
                                          "%3 of its files are damaged or missing. Restore the "
                                          "other files without them?")
                  .arg(shown::text(change.command), when, QString::number(damaged.size()));
    if (!services.dialogs().askYesNoList(question, files))
        return false;
    const gamebackup::RevertOutcome outcome =
        gamebackup::revert(root, change, bas.Gp2Dir, command, damaged);
    if (!outcome.refused.isEmpty()) {
        services.dialogs().message(outcome.refused);
        return false;
    }

    // The lists show the game as it is now, as after a start.
    ignoreFailure("listing circuits", [&] { lists.File1->refresh(); });
    ignoreFailure("reading the slots", [&] { packs.fillSlotsFromGame(); });
    ignoreFailure("following the restored files", [&] { panel.followFiles(); });
    if (!outcome.failed.isEmpty())
        services.dialogs().message(QCoreApplication::translate(
                                       "RestoreCommand", "Some game files could not be restored.") +
                                   Gp2PsoBas::CrLf2 + outcome.failed.join(Gp2PsoBas::CrLf));
    else if (!outcome.left.isEmpty())
        services.dialogs().message(QCoreApplication::translate(
                                       "RestoreCommand",
                                       "Game files restored, but for these, whose saved copies are "
                                       "damaged:") +
                                   Gp2PsoBas::CrLf2 + outcome.left.join(Gp2PsoBas::CrLf));
    else
        services.dialogs().message(
            QCoreApplication::translate("RestoreCommand", "Game files restored."));
    return true;
}

} // namespace pistaro
