#include "health/circuit_facts.h"

#include "packs/texture_list.h"
#include "platform/native_names.h"
#include "trackfile/checksum_trailer.h"
#include "trackfile/track_data.h"

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
    // A name that is not UTF-8 on disk is opened through the bytes the listing kept of it.
    QFile file(path);
    if (!nativenames::open(file, QIODevice::ReadOnly)) {
        *error =
            file.errorString().isEmpty() ? QStringLiteral("cannot be opened") : file.errorString();
        return false;
    }
    // One byte past the limit tells a file too large for a circuit, whatever it holds.
    *bytes = file.read(MaxCircuitSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
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
