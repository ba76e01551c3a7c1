#include "packs/slot_entry.h"

#include "trackfile/circuit_kind.h"

#include "trackfile/val.h"

QString slotEntryText(int slot, QChar marker, const QString& track, const QString& country) {
    return QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0')) + marker +
           track.left(kSlotNameWidth).leftJustified(kSlotNameWidth, u' ') + u' ' +
           country.left(kSlotNameWidth);
}

QChar slotEntryMarker(const QString& entry) {
    return entry.size() >= 3 ? entry[2] : QChar(u' ');
}

QString slotEntryTrack(const QString& entry) {
    return entry.mid(3, kSlotNameWidth).trimmed();
}

QString slotEntryCountry(const QString& entry) {
    return entry.mid(4 + kSlotNameWidth).trimmed();
}

QString slotFileName(int slot) {
    return QStringLiteral("f1ct%1.dat").arg(slot, 2, 10, QLatin1Char('0'));
}

bool isGameSlotFileName(const QString& name) {
    return gameSlotOf(name) != 0;
}
