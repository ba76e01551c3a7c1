#include "trackfile/circuit_kind.h"

#include "trackfile/circuit_info.h"
#include "trackfile/val.h"

#include <QCoreApplication>

int gameSlotOf(const QString& fileName) {
    // As the game reads the names: ten characters, "F1CT", then the slot as a number.
    if (fileName.size() != 10 || !fileName.startsWith(QLatin1String("F1CT"), Qt::CaseInsensitive))
        return 0;
    const int slot = valOf(fileName.mid(4, 2));
    return slot >= 1 && slot <= 16 ? slot : 0;
}

CircuitKind circuitKind(const QString& fileName, const CircuitInfo& info) {
    if (gameSlotOf(fileName) != 0)
        return CircuitKind::GameSlot;
    // The first start copies the originals, which carry no info block, under their track names.
    if (info.original)
        return CircuitKind::OriginalCopy;
    return CircuitKind::Collection;
}

QString kindMark(const QString& fileName, const CircuitInfo& info) {
    switch (circuitKind(fileName, info)) {
    case CircuitKind::GameSlot:
        return QCoreApplication::translate("circuitkind", "Slot %1").arg(gameSlotOf(fileName));
    case CircuitKind::OriginalCopy:
        return QCoreApplication::translate("circuitkind", "Original");
    case CircuitKind::Collection:
        break;
    }
    return {};
}

QString kindExplanation(CircuitKind kind) {
    switch (kind) {
    case CircuitKind::GameSlot:
        return QCoreApplication::translate(
            "circuitkind", "The game's own slot file: what GP2 races in this slot. Export "
                           "writes it; the circuit it holds is also in your collection.");
    case CircuitKind::OriginalCopy:
        return QCoreApplication::translate(
            "circuitkind", "A copy of one of the game's original circuits, kept under its "
                           "track name by Pistaro's first start.");
    case CircuitKind::Collection:
        break;
    }
    return {};
}
