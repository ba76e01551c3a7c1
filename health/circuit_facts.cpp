#include "health/circuit_facts.h"

#include "packs/texture_list.h"
#include "platform/binfile.h"
#include "platform/native_names.h"
#include "trackfile/checksum_trailer.h"
#include "trackfile/track_data.h"

#include <QCoreApplication>
#include <QFile>

namespace health {

FileFacts factsOf(const QByteArray& fileBytes, bool withHash) {
    FileFacts f;
    const QByteArrayView data = trackdata::of(fileBytes);
    if (data.isEmpty()) {
        f.shape = FileFacts::Shape::NoTrackData;
        return f;
    }
    if (data.size() < MinTrackData) {
        f.shape = FileFacts::Shape::TooShort;
        return f;
    }
    f.shape = FileFacts::Shape::Circuit;
    f.trackDataSize = data.size();
    if (withHash)
        f.hash = trackdata::hash(fileBytes);
    f.trailerOk = checksum::trailerMatches(fileBytes);
    const QStringList names = scanTextureList(fileBytes);
    f.textureCount = int(names.size());
    if (names.size() <= MaxTextures)
        f.textures = names;
    return f;
}

bool readCircuitBytes(const QString& path, QByteArray* bytes, QString* error) {
    // Only a regular file is opened: a pipe or a device among the circuits would hold the
    // scan (and the window waiting for it) forever.
    const qint64 length = binfile::length(path);
    if (length < 0) {
        *error = QCoreApplication::translate("health", "it is not a regular file, or it is gone");
        return false;
    }
    // A name that is not UTF-8 on disk is opened through the bytes the listing kept of it.
    QFile file(path);
    if (!nativenames::open(file, QIODevice::ReadOnly)) {
        *error =
            file.errorString().isEmpty() ? QCoreApplication::translate("health", "cannot be opened")
                                         : file.errorString();
        return false;
    }
    // A buffer of the file's own size, one byte more: a file that grew since is read on up to
    // one byte past the limit, which tells a file too large for a circuit. (A buffer of the
    // limit's size for each of thousands of files costs more than reading them.)
    qint64 filled = 0;
    bytes->resize(qMin(length, MaxCircuitSize) + 1);
    for (;;) {
        const qint64 got = file.read(bytes->data() + filled, bytes->size() - filled);
        if (got < 0) {
            *error = file.errorString();
            return false;
        }
        filled += got;
        if (got == 0 || filled < bytes->size() || bytes->size() > MaxCircuitSize)
            break;
        bytes->resize(qMin(2 * bytes->size(), MaxCircuitSize + 1));
    }
    bytes->resize(filled);
    return true;
}

FileFacts readFacts(const QString& path) {
    FileFacts f;
    QByteArray bytes;
    if (!readCircuitBytes(path, &bytes, &f.readError))
        return f;
    if (bytes.size() > MaxCircuitSize) {
        f.shape = FileFacts::Shape::TooLarge;
        return f;
    }
    return factsOf(bytes);
}

QDataStream& operator<<(QDataStream& out, const FileFacts& f) {
    return out << quint8(f.shape) << qint64(f.trackDataSize) << f.hash << f.trailerOk << f.textures
               << qint32(f.textureCount) << f.readError;
}

QDataStream& operator>>(QDataStream& in, FileFacts& f) {
    quint8 shape = 0;
    qint32 count = 0;
    qint64 trackDataSize = 0;
    in >> shape >> trackDataSize >> f.hash >> f.trailerOk >> f.textures >> count >> f.readError;
    if (shape > quint8(FileFacts::Shape::Unreadable) || count < 0 ||
        f.textures.size() > MaxTextures)
        in.setStatus(QDataStream::ReadCorruptData);
    f.shape = FileFacts::Shape(shape);
    f.trackDataSize = trackDataSize;
    f.textureCount = count;
    return in;
}

} // namespace health
