#pragma once
// Circuits found by their content: the track data's SHA-256 (trackfile/track_data.h) of every
// circuit file of a folder, so a pack file's circuits are found whatever they are named and
// whatever their info blocks say. The one lookup a pack import or export makes, kept behind
// byContent so that it can answer from a cache of hashes later.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

namespace circuitcontent {

// Track data hash -> the names of the files in the folder that hold it.
using Index = QHash<QByteArray, QStringList>;
// Called before each file is read: how many were read, of how many.
using Progress = std::function<void(qsizetype done, qsizetype total)>;
// Whether a file of this many bytes is to be read at all.
using SizeFilter = std::function<bool(qint64 size)>;

// Files larger than this are no circuits and are not read.
inline constexpr qint64 MaxCircuitSize = 16 * 1024 * 1024;

// The *.dat files of `folder` by their track data. Files that cannot be read, or hold no
// track data, are left out, and so are those whose size `sizes` (when given) refuses; names
// that are no regular file (a pipe, a device, a socket) are never opened, and are added to
// *skipped when given.
Index byContent(const QString& folder, const Progress& progress = {},
                QStringList* skipped = nullptr, const SizeFilter& sizes = {});

// The sizes a file holding the track data of a file of `length` bytes may have: with or
// without the 4096-byte info area (trackfile/track_data.h), whichever the other has.
QList<qint64> sizesOfSameData(qint64 length);

// Of several names holding one circuit, the one a pack should name: a file of the collection
// before one of the game's slot files (which Export overwrites), then the first in name order.
QString preferredName(const QStringList& names);

} // namespace circuitcontent
