// The slot list and its pending state: assigning a circuit to a slot (Change), and reading
// the game's 16 slot files into the list (start-up, Restore, Rescan).
#include "packs/ui/pack_controls.h"

#include "gamedir/game_backup.h"
#include "packs/slot_entry.h"
#include "packs/ui/slot_list.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "storage/gp2psobas.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/window_services.h"

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

namespace pistaro {

void PackControls::readGameSlot(int slot) {
    CircuitInfo circuit;
    // An unreadable slot file still gets its entry.
    ignoreFailure("reading a slot file", [&] {
        circuit = catalogue::readSlotCircuit(
            services_.bas(), gamepath::join(lists_.File1->path(), slotFileName(slot)));
    });
    slotList_.showGame(slot, circuit);
}

void PackControls::fillSlotsFromGame() {
    slotList_.clear();
    for (int slot = 1; slot <= kSlotCount; ++slot)
        readGameSlot(slot);
    listRestoredPacks();
}

void PackControls::Change_Click() {
    CircuitLists& lists = lists_;
    const QString name = lists.File1->selectedName();
    if (name.isEmpty()) {
        services_.dialogs().message(tr("Select an available circuit first."));
        return;
    }
    const QString path = lists.File1->path() + gamepath::sep() + name;
    // The panel shows the circuit again: an unsaved edit of its block is asked about first.
    if (!panel_.mayLeave())
        return;
    const CircuitInfo circuit = catalogue::readCircuit(services_.bas(), path);
    // The panel shows what Change assigns (and adds its catalogue rows).
    panel_.showCircuit(path, circuit);
    const int slot = slotList_.selectedSlot();
    if (slot == 0) {
        services_.dialogs().message(tr("Select a slot first."));
        return;
    }
    slotList_.assign(slot, name, circuit);
    // The slot list no longer matches a saved pack.
    SelectedPack->setEditText(QString());
    UpdTp->setEnabled(false);
}

void PackControls::Import_Click() {
    if (!panel_.mayLeave() || !slotList_.settlePending())
        return;
    QWidget* window = services_.window();
    StatusSink& status = services_.status();
    CircuitLists& lists = lists_;
    ignoreFailure("rescanning the slots", [&] {
        window->hide();
        status.setLine1(tr("Please wait..."));
        status.setLine2(QString());
        status.showStatus();
        Import->setEnabled(false);
        lists.File1->hide();
        slotList_.clear();
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            status.setLine2(QString::number(kSlotCount + 1 - slot));
            status.pump();
            readGameSlot(slot);
        }
        // Shows slot 1 in the panel.
        slotList_.selectFirstSlot();
    });
    // Whatever failed above, the window comes back usable.
    ignoreFailure("refreshing the circuit list", [&] { lists.File1->refresh(); });
    ignoreFailure("following the shown circuit", [&] { panel_.followFiles(); });
    // A circuit copied into the circuits folder by hand completes the packs that lack it.
    QStringList taken;
    ignoreFailure("completing the track packs", [&] {
        gamebackup::Backup backup(gamebackup::backupsFolder(services_.bas()),
                                  QStringLiteral("Rescan"));
        taken = circuitsArrived(backup, QStringLiteral("Rescan"));
    });
    Import->setEnabled(true);
    SelectedPack->setEditText(QString());
    UpdTp->setEnabled(false);
    lists.File1->show();
    ignoreFailure("closing the status window", [&] { status.hideStatus(); });
    window->show();
    if (!taken.isEmpty())
        services_.dialogs().message(taken.join(Gp2PsoBas::CrLf));
}

} // namespace pistaro
