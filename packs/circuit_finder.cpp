#include "packs/circuit_finder.h"

#include "packs/circuit_content.h"
#include "platform/folder_listing.h"
#include "platform/gamepath.h"
#include "platform/native_names.h"
#include "trackfile/circuit_kind.h"
#include "trackfile/info_block.h"
#include "trackfile/track_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace circuitcontent {

namespace {

// The sizes a file holding `trackData` bytes of track data can have: with or without its
// info area, and the trailer.
QList<qint64> sizesFor(qint64 trackData) {
    return {trackData + trackdata::TrailerSize,
            trackData + trackdata::TrailerSize + infoblock::AreaSize};
}

} // namespace

Finder::Finder(QString folder) : folder_(std::move(folder)) {
    for (const QString& name : folderlisting::matchingFiles(folder_, gamepath::circuitFiles()))
        if (gameSlotOf(name) == 0)
            bySize_[QFileInfo(folder_ + QDir::separator() + name).size()] << name;
}

QStringList Finder::holding(const QByteArray& circuitBytes) {
    const QByteArrayView data = trackdata::of(circuitBytes);
    if (data.isEmpty())
        return {};
    const QByteArray wanted = trackdata::hash(circuitBytes);
    QStringList found;
    for (const qint64 size : sizesFor(data.size()))
        for (const QString& name : bySize_.value(size)) {
            const QString key = name.toUpper();
            auto known = hashes_.find(key);
            if (known == hashes_.end()) {
                QFile file(folder_ + QDir::separator() + name);
                QByteArray hash;
                if (nativenames::open(file, QIODevice::ReadOnly) && file.size() <= MaxCircuitSize)
                    hash = trackdata::hash(file.readAll());
                known = hashes_.insert(key, hash);
            }
            if (*known == wanted)
                found << name;
        }
    return found;
}

void Finder::added(const QString& name, const QByteArray& circuitBytes) {
    if (gameSlotOf(name) != 0)
        return;
    const QString key = name.toUpper();
    for (QStringList& names : bySize_)
        names.removeIf([&](const QString& n) { return n.toUpper() == key; });
    bySize_[circuitBytes.size()] << name;
    hashes_.insert(key, trackdata::hash(circuitBytes));
}

} // namespace circuitcontent
