#include "packs/line_up.h"

#include <stdexcept>

namespace {

int checked(int slot) {
    if (slot < 1 || slot > kSlotCount)
        throw std::out_of_range("slot " + std::to_string(slot) + " is not 1 to 16");
    return slot - 1;
}

} // namespace

const SlotAssignment& LineUp::at(int slot) const {
    return slots_[checked(slot)];
}

SlotAssignment& LineUp::slot(int n) {
    return slots_[checked(n)];
}

void LineUp::showGame(int n, const CircuitInfo& circuit) {
    slot(n) = SlotAssignment{QString(), circuit, kMarkerNone, false};
}

void LineUp::assign(int n, const QString& file, const CircuitInfo& circuit) {
    slot(n) = SlotAssignment{file, circuit, kMarkerAssigned, true};
}

void LineUp::markPicture(int n) {
    SlotAssignment& s = slot(n);
    s.changed = true;
    s.marker = s.file.isEmpty() ? kMarkerPictureOnly : kMarkerAssignedPicture;
}

void LineUp::exported(int n, const CircuitInfo& circuit) {
    SlotAssignment& s = slot(n);
    s.circuit = circuit;
    s.marker = kMarkerNone;
}

void LineUp::clearPending() {
    for (SlotAssignment& s : slots_) {
        s.file.clear();
        s.changed = false;
    }
}

int LineUp::pendingCount() const {
    int waiting = 0;
    for (const SlotAssignment& s : slots_)
        if (!s.file.isEmpty() || s.changed)
            ++waiting;
    return waiting;
}

bool LineUp::anythingPending() const {
    return pendingCount() > 0;
}

QString LineUp::entryText(int n) const {
    const SlotAssignment& s = at(n);
    return slotEntryText(n, s.marker, s.circuit.shownName(), s.circuit.country);
}

QString LineUp::menuName(int n) const {
    return at(n).circuit.shownName().left(kSlotNameWidth).trimmed();
}

QString LineUp::menuCountry(int n) const {
    return at(n).circuit.country.left(kSlotNameWidth).trimmed();
}
