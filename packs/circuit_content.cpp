#include "packs/circuit_content.h"

#include "platform/binfile.h"
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

Index byContent(const QString& folder, const Progress& progress, QStringList* skipped,
                const SizeFilter& sizes) {
    Index index;
    const QStringList names = folderlisting::matchingFiles(folder, gamepath::circuitFiles());
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (progress)
            progress(i, names.size());
        QFile file(folder + QDir::separator() + names.at(i));
        // Opening a pipe would wait for a writer that never comes.
        if (!binfile::isRegularFile(file.fileName())) {
            if (skipped && QFileInfo::exists(file.fileName()))
                *skipped << names.at(i);
            continue;
        }
        if ((sizes && !sizes(file.size())) || !nativenames::open(file, QIODevice::ReadOnly) ||
            file.size() > MaxCircuitSize)
            continue;
        const QByteArray hash = trackdata::hash(file.readAll());
        if (!hash.isEmpty())
            index[hash] << names.at(i);
    }
    return index;
}

QList<qint64> sizesOfSameData(qint64 length) {
    QList<qint64> sizes{length, length + infoblock::AreaSize};
    if (length > infoblock::AreaSize)
        sizes << length - infoblock::AreaSize;
    return sizes;
}

QString preferredName(const QStringList& names) {
    QString best;
    for (const QString& name : names) {
        if (best.isEmpty()) {
            best = name;
            continue;
        }
        const bool slot = gameSlotOf(name) != 0, bestSlot = gameSlotOf(best) != 0;
        if (slot != bestSlot ? bestSlot
                             : name.compare(best, Qt::CaseInsensitive) < 0 ||
                                   (name.compare(best, Qt::CaseInsensitive) == 0 && name < best))
            best = name;
    }
    return best;
}

} // namespace circuitcontent
