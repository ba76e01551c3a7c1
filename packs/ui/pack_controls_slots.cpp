// The slot list and its pending state: assigning a circuit to a slot (Change), and reading
// the game's 16 slot files into the list (start-up, Restore, Rescan).
#include "packs/ui/pack_controls.h"

#include "packs/slot_entry.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "storage/gp2psobas.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "trackfile/val.h"
#include "ui/masked_field.h"
#include "ui/window_services.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace pistaro {

void PackControls::setSlotEntry(int slot, QChar marker) {
    TrackInfoPanel& panel = panel_;
    const QString text = slotEntryText(slot, marker, panel.Track->text(), panel.Country->text());
    const int laps = valOf(maskedDigits(panel.Laps));
    QListWidget* list = lists_.List1;
    QListWidgetItem* item = list->item(slot - 1);
    if (!item) {
        item = new QListWidgetItem;
        list->addItem(item);
    }
    item->setText(text);
    item->setData(Qt::UserRole, laps);
}

void PackControls::readGameSlot(int slot) {
    CircuitLists& lists = lists_;
    services_.bas().CurrentFile = gamepath::join(lists.File1->path(), slotFileName(slot));
    // An unreadable slot file still gets its entry: GetInfo reports it itself.
    ignoreFailure("reading a slot file", [&] { panel_.GetInfo(); });
    setSlotEntry(slot, kMarkerNone);
    lists.SlotFile[slot].clear();
    lists.SlotChanged[slot] = false;
}

void PackControls::selectFirstSlot() {
    QListWidget* list = lists_.List1;
    list->setCurrentRow(-1);
    list->setCurrentRow(0);
}

void PackControls::fillSlotsFromGame() {
    lists_.List1->clear();
    for (int slot = 1; slot <= kSlotCount; ++slot)
        readGameSlot(slot);
    listRestoredPacks();
}

void PackControls::Change_Click() {
    CircuitLists& lists = lists_;
    const QString name = lists.File1->selectedName();
    if (name.isEmpty()) {
        services_.dialogs().message(QStringLiteral("Select one avaiable circuit first !!!"));
        return;
    }
    services_.bas().CurrentFile = lists.File1->path() + gamepath::sep() + name;
    panel_.GetInfo();
    const int slot = lists.selectedSlot();
    if (slot == 0) {
        services_.dialogs().message(QStringLiteral("Select a Gp2 circuits first !!!"));
        return;
    }
    setSlotEntry(slot, kMarkerAssigned);
    lists.SlotFile[slot] = name;
    lists.SlotChanged[slot] = true;
    // The slot list no longer matches a saved pack.
    SelectedPack->setEditText(QString());
    UpdTp->setEnabled(false);
}

void PackControls::Import_Click() {
    QWidget* window = services_.window();
    StatusSink& status = services_.status();
    CircuitLists& lists = lists_;
    ignoreFailure("rescanning the slots", [&] {
        window->hide();
        status.setLine1(QStringLiteral("Please wait..."));
        status.setLine2(QString());
        status.showStatus();
        Import->setEnabled(false);
        lists.File1->hide();
        lists.List1->clear();
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            status.setLine2(QString::number(kSlotCount + 1 - slot));
            status.pump();
            readGameSlot(slot);
        }
        selectFirstSlot();
        services_.bas().CurrentFile = gamepath::join(lists.File1->path(), slotFileName(1));
        panel_.GetInfo();
    });
    // Whatever failed above, the window comes back usable.
    ignoreFailure("refreshing the circuit list", [&] { lists.File1->refresh(); });
    Import->setEnabled(true);
    SelectedPack->setEditText(QString());
    UpdTp->setEnabled(false);
    lists.File1->show();
    ignoreFailure("closing the status window", [&] { status.hideStatus(); });
    window->show();
}

} // namespace pistaro
