#pragma once
// The slot list List1: a view of the line-up (packs/line_up.h), one entry per slot. Selecting
// an entry shows its circuit in the track info panel; a circuit dragged from the circuit list
// onto an entry, or double-clicked while an entry is selected, goes there as Change puts it.
// It also paints which of the two lists has the focus.
#include "packs/line_up.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QEvent;
class QListWidget;

namespace pistaro {

class CircuitLists;
class CircuitTable;
class TrackInfoPanel;
class WindowServices;

class SlotList final : public QWidget {
    Q_OBJECT
public:
    SlotList(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists, QWidget* parent);

    QListWidget* List1; // the 16 slot entries; item data (Qt::UserRole) = lap count

    const LineUp& lineUp() const { return lineUp_; }
    // Selected slot 1..16, or 0 when no entry is selected.
    int selectedSlot() const;
    // The file slot `slot` shows: the one waiting to be exported into it, else the game's.
    QString circuitPath(int slot) const;

    // The line-up's operations (line_up.h), each shown in the slot's entry at once; an entry
    // beyond the list's end is appended.
    void showGame(int slot, const CircuitInfo& circuit);
    void assign(int slot, const QString& file, const CircuitInfo& circuit);
    void markPicture(int slot);
    void exported(int slot, const CircuitInfo& circuit);
    void clearPending();
    // An Export that was undone: the line-up as it was before it, its entries shown again.
    void putBack(const LineUp& before);
    // No entries (before the slots are read again).
    void clear();
    // What a viewed pack lacks in slot `slot` ("" for nothing), said in the entry's tool tip
    // until the slot shows another circuit.
    void noteWanted(int slot, const QString& text);
    // Before the line-up is read anew or left: slots waiting for Export are not dropped
    // without a question ("3 slots are not exported yet. Export them now?"). Yes exports
    // through `exportNow`; true when the caller may go on (nothing waits any more, or No).
    bool settlePending();
    std::function<void()> exportNow;
    // Selects the first slot so that its handler runs even when it was selected already.
    void selectFirstSlot();

    void List1_Click();
    // A circuit dragged from the circuit list onto slot `slot` (1..16): both are selected,
    // then Change.
    void dropCircuit(const QString& name, int slot);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The selected circuit is to go into the selected slot, as the Change button does.
    void changeRequested();
    // The circuit of `path` in a slot was selected and is shown in the panel.
    void circuitSelected(const QString& path, bool fromSlot);

private:
    void wireHandlers(CircuitLists& lists);
    void showEntry(int slot);
    // A drag over List1 or a drop on it; true when it carries a circuit.
    bool slotDragEvent(QEvent* event);
    WindowServices& services_;
    TrackInfoPanel& panel_;
    // The circuit list's table (its folder and its selection), held by itself rather than
    // through its part.
    CircuitTable* files_;
    LineUp lineUp_;
    QStringList wanted_;  // by slot, 1..16: noteWanted's texts
    int slotAtPress_ = 0; // the slot selected when the mouse was last pressed on List1
};

} // namespace pistaro
