// Import and Export of the 16 slot setups. The game keeps setups by slot, the lap time
// database by track: each slot's setup belongs to the track of the circuit in that slot
// (the pending assignment when there is one, else the game's own slot file).
#include "setups/ui/setup_transfer.h"

#include "gamedir/exe_cmd.h"
#include "gamedir/game_backup.h"
#include "packs/slot_entry.h"
#include "packs/ui/slot_list.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/shown_text.h"
#include "setups/state_file.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "storage/record_lookup.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/window_services.h"

#include <QDir>
#include <QStringList>

#include <stdexcept>

namespace pistaro {

namespace {

// Stores `setup` in the Tracks row of `track`; false when there is no such row.
bool storeSetup(Gp2PsoBas& bas, const QString& track, const QByteArray& setup) {
    Recordset& tracks = catalogue::requireOpen(bas.TracksRs, catalogue::Tracks);
    if (!catalogue::seekName(tracks, track))
        return false;
    tracks.edit();
    try {
        tracks.setValue(catalogue::CarSetup, setup);
        tracks.update();
    } catch (...) {
        // A row left in edit would be stored by the next unrelated update.
        ignoreFailure("dropping the unsaved setup", [&] { tracks.cancelUpdate(); });
        throw;
    }
    return true;
}

} // namespace

void SetupTransfer::ImportSetups_Click() {
    int stored = 0;
    const QString problem = importSetups(nullptr, &stored);
    CommandSummary summary;
    if (stored > 0)
        summary.done(
            //: After a count: "1 car setup was" or "3 car setups were".
            countOf(stored, tr("car setup was"), tr("car setups were")) +
            //: After "3 car setups were".
            tr(" stored in the lap time database, each with the track of its slot."));
    if (!problem.isEmpty())
        summary.failed(problem);
    else if (stored == 0)
        summary.done(tr("No slot holds a track of the lap time database: nothing was "
                        "stored."));
    summary.show(services_.dialogs(), stored > 0 && summary.clean()
                                          ? tr("Car setups imported.")
                                          : tr("Car setups not imported."));
}

void SetupTransfer::ExportSetups_Click() {
    int written = 0;
    const QString problem = exportSetups(&written);
    const QString stateFile = shown::path(statefile::path(services_.bas().Gp2Dir));
    CommandSummary summary;
    if (written > 0)
        summary.done(countOf(written, tr("car setup was"), tr("car setups were")) +
                     //: After "3 car setups were".
                     tr(" written into %1.").arg(stateFile));
    if (!problem.isEmpty())
        summary.failed(problem);
    else if (written == 0)
        summary.done(tr("The lap time database holds no setup for the tracks in the "
                        "slots: the game's setups were left as they were."));
    summary.show(services_.dialogs(), summary.clean()          ? tr("Car setups exported.")
                                      : summary.anythingDone() ? tr("Car setups exported in part.")
                                                               : tr("Car setups not exported."));
}

void SetupTransfer::Import() {
    bool databaseFailed = false;
    const QString problem = importSetups(&databaseFailed);
    // After a game the setups it changed exist nowhere else: a database that took none of
    // them is said, the rest only noted.
    if (databaseFailed)
        services_.dialogs().message(tr("Car setups not imported.") + Gp2PsoBas::CrLf2 + problem);
    else if (!problem.isEmpty())
        reportIgnoredFailure("importing the car setups", qPrintable(problem));
}

void SetupTransfer::Export() {
    const QString problem = exportSetups();
    if (!problem.isEmpty())
        reportIgnoredFailure("exporting the car setups", qPrintable(problem));
}

CircuitInfo SetupTransfer::slotCircuit(int slot) const {
    const Gp2PsoBas& bas = services_.bas();
    const CircuitLists& lists = lists_;
    const QString& pending = slotList_.lineUp().at(slot).file;
    return catalogue::readCircuit(
        bas, pending.isEmpty() ? gamepath::join(lists.File1->path(), slotFileName(slot))
                               : gamepath::join(bas.Gp2Dir, QStringLiteral("Circuits/") + pending));
}

QString SetupTransfer::importSetups(bool* databaseFailed, int* count) {
    Gp2PsoBas& bas = services_.bas();
    const QString stateFile = statefile::path(bas.Gp2Dir);
    // Read first, so that a refused or unreadable file leaves every stored setup as it was.
    QList<QByteArray> setups;
    try {
        setups = statefile::readSetups(stateFile);
    } catch (const std::exception& e) {
        return shown::text(QString::fromStdString(e.what()));
    }

    StatusSink& status = services_.status();
    status.setLine1(tr("Please wait..."));
    status.setLine2(tr("Importing setups from GP2"));
    status.showStatus();
    status.pump();
    // The setups are stored together or not at all: a database that fails half-way keeps
    // none, so the game's file still holds every setup not stored and the failure is said.
    int stored = 0;
    QString reason;
    try {
        catalogue::requireOpen(bas.TracksRs, catalogue::Tracks);
        if (!bas.Db)
            throw std::runtime_error("the lap time database is not open");
        Database::Transaction transaction(*bas.Db);
        for (int slot = 1; slot <= statefile::kSetupSlots; ++slot) {
            QString track;
            ignoreFailure("reading the slot's circuit", [&] { track = slotCircuit(slot).track; });
            if (!track.isEmpty() && storeSetup(bas, track, setups.at(slot - 1)))
                ++stored;
        }
        transaction.commit();
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        stored = 0;
        reason = QString::fromStdString(e.what());
        reportIgnoredFailure("importing the car setups", e.what());
    }
    status.hideStatus();
    panel_.reload();
    if (count)
        *count = stored;
    if (!reason.isEmpty()) {
        if (databaseFailed)
            *databaseFailed = true;
        return tr("None of the setups could be stored in the database: %1")
            .arg(shown::text(reason));
    }
    return {};
}

QString SetupTransfer::exportSetups(int* count) {
    Gp2PsoBas& bas = services_.bas();
    const QString stateFile = statefile::path(bas.Gp2Dir);
    const QString refused = statefile::refusal(stateFile);
    if (!refused.isEmpty())
        return refused;
    gamebackup::Backup backup(gamebackup::backupsFolder(bas), QStringLiteral("Export Setups"));
    if (const QString outside = backup.placeRefusal({stateFile}); !outside.isEmpty())
        return outside;
    QString error;
    if (!backup.keep(stateFile, &error))
        return tr("The backup of the game files could not be written: %1").arg(error);

    StatusSink& status = services_.status();
    status.setLine1(tr("Please wait..."));
    status.setLine2(tr("Exporting setups to GP2"));
    status.showStatus();
    status.pump();
    // A checksum run still busy with the file would write a trailer for the old contents.
    ExeCmd::WaitForSumfix(stateFile);
    QStringList failures;
    for (int slot = 1; slot <= statefile::kSetupSlots; ++slot) {
        try {
            // A slot whose track has no stored setup keeps the bytes the game wrote.
            const QByteArray setup = catalogue::storedSetup(bas, slotCircuit(slot));
            if (!setup.isEmpty()) {
                statefile::writeSetup(stateFile, slot, setup);
                if (count)
                    ++*count;
            }
        } catch (const ProgramEnded&) {
            throw;
        } catch (const std::exception& e) {
            failures << tr("Slot %1: %2")
                            .arg(QString::number(slot),
                                 shown::text(QString::fromStdString(e.what())));
        }
    }

    backup.discardIfUnchanged();

    ignoreFailure("changing to the program folder", [&] {
        if (!QDir::setCurrent(bas.AppDir))
            throw std::runtime_error("cannot change to " + bas.AppDir.toStdString());
    });
    // Run even when nothing was written: the tool then rewrites an unchanged checksum.
    if (!ExeCmd::StartSumfix(bas.exeDir(), stateFile))
        failures << tr("The checksum of %1 was not repaired: sumfix could not be started")
                        .arg(shown::path(stateFile));
    status.hideStatus();
    panel_.reload();
    return failures.join(Gp2PsoBas::CrLf);
}

} // namespace pistaro
