#include "packs/names_area.h"

#include "packs/slot_entry.h"
#include "platform/codepage.h"

#include <QCoreApplication>

namespace {

void appendTexts(QByteArray& out, const QStringList& texts, char T) {
    for (int i = 0; i < kSlotCount; ++i) {
        out += cp1252::fromUnicode(texts.value(i).left(kSlotNameWidth));
        out += T;
    }
}

} // namespace

QByteArray namesAreaStream(const QStringList& names16, const QStringList& countries16, char T) {
    const QByteArray zeros(16, '\0');
    QByteArray out;
    out.reserve(kNamesAreaLongest);
    appendTexts(out, names16, T);
    out += zeros;
    for (int block = 0; block < 5; ++block) {
        appendTexts(out, countries16, T);
        out += zeros;
    }
    for (int i = 0; i < kSlotCount; ++i) {
        out += ' ';
        out += T;
    }
    out += zeros;
    out += QByteArray(496, T);
    return out;
}

LapBytes lapBytes(const QList<int>& laps16) {
    LapBytes result;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int laps = laps16.value(slot - 1, 0);
        if (laps < 0 || laps > 255) {
            result.perSlot.append(std::nullopt);
            result.refusedSlots.append(slot);
        } else {
            result.perSlot.append(static_cast<char>(laps));
        }
    }
    return result;
}

QString refusedLapsMessage(const QList<int>& refusedSlots) {
    if (refusedSlots.isEmpty())
        return QString();
    QStringList numbers;
    for (int slot : refusedSlots)
        numbers.append(QString::number(slot));
    if (numbers.size() == 1)
        return QCoreApplication::translate(
                   "namesarea", "The lap count of slot %1 is not between 0 and 255; the game keeps "
                                "its old lap count there.")
            .arg(numbers.first());
    return QCoreApplication::translate(
               "namesarea", "The lap counts of slots %1 are not between 0 and 255; the game keeps "
                            "its old lap counts there.")
        .arg(numbers.join(QStringLiteral(", ")));
}
