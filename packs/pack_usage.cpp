#include "packs/pack_usage.h"

#include "health/circuit_facts.h"
#include "packs/pack_folder.h"
#include "packs/slot_entry.h"
#include "trackfile/track_data.h"

#include <QCoreApplication>

namespace packusage {

bool contentOf(const QString& path, QByteArray* hash, qint64* dataSize) {
    QByteArray bytes;
    QString error;
    if (!health::readCircuitBytes(path, &bytes, &error) || bytes.size() > health::MaxCircuitSize)
        return false;
    const qsizetype size = trackdata::of(bytes).size();
    if (size == 0)
        return false;
    *hash = trackdata::hash(bytes);
    *dataSize = size;
    return true;
}

PackContents readPacks(const QString& circuits, const QStringList& packNames) {
    PackContents out;
    for (const QString& pack : packNames) {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QByteArray hash;
            qint64 size = 0;
            if (!contentOf(packSlotFile(circuits, pack, slot), &hash, &size))
                continue;
            QStringList& packs = out.packsByHash[hash];
            if (!packs.contains(pack))
                packs << pack;
            out.dataSizes.insert(size);
        }
    }
    return out;
}

QStringList packsUsing(const PackContents& packs, const QString& path) {
    QByteArray hash;
    qint64 size = 0;
    if (packs.packsByHash.isEmpty() || !contentOf(path, &hash, &size))
        return {};
    return packs.packsByHash.value(hash);
}

QString usedByText(const QString& what, const QStringList& packs) {
    if (packs.isEmpty())
        return {};
    QStringList quoted;
    for (const QString& p : packs)
        quoted << QLatin1Char('"') + p + QLatin1Char('"');
    const QString last = quoted.takeLast();
    //: The track packs named in a question: "A", "B" and "C".
    const QString names = quoted.isEmpty() ? last
                                           : QCoreApplication::translate("packusage", "%1 and %2")
                                                 .arg(quoted.join(QStringLiteral(", ")), last);
    return (packs.size() == 1
                ? QCoreApplication::translate("packusage", "%1 is used by the track pack %2.")
                : QCoreApplication::translate("packusage", "%1 is used by the track packs %2."))
        .arg(what, names);
}

} // namespace packusage
