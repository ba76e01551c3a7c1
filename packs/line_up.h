#pragma once
// The game's 16-slot line-up as the window holds it between Exports: for each slot the circuit
// its entry shows, the circuit file waiting to be exported into it, and whether anything waits.
// The slot list is a view of it; Export copies the waiting files and writes the game's menu
// names and lap counts from it.
#include "packs/slot_entry.h"
#include "trackfile/circuit_info.h"

#include <QString>

#include <array>

struct SlotAssignment {
    QString file;        // file of the Circuits folder waiting to go into the slot; "" for none
    CircuitInfo circuit; // the circuit the entry shows
    QChar marker = kMarkerNone;
    bool changed = false; // an assigned circuit or an edited menu picture waits for Export
};

class LineUp final {
public:
    // Slot 1..16.
    const SlotAssignment& at(int slot) const;
    // The game's own circuit is in the slot and nothing waits (start-up, Rescan, Export).
    void showGame(int slot, const CircuitInfo& circuit);
    // `file` is to go into the slot at the next Export (Change, View Pack).
    void assign(int slot, const QString& file, const CircuitInfo& circuit);
    // The slot's menu picture was edited: it is exported too.
    void markPicture(int slot);
    // Export wrote the slot: its entry shows `circuit` without marker; what waited is dropped
    // by clearPending once the whole Export went through.
    void exported(int slot, const CircuitInfo& circuit);
    // Export went through: nothing waits any more; the entries stay.
    void clearPending();
    bool anythingPending() const;
    int pendingCount() const; // slots with a circuit or a picture waiting for Export

    // The slot list's entry (slot_entry.h) and the names the game's menu gets.
    QString entryText(int slot) const;
    QString menuName(int slot) const;
    QString menuCountry(int slot) const;

private:
    SlotAssignment& slot(int n);
    std::array<SlotAssignment, kSlotCount> slots_;
};
