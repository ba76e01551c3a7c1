#include "health/circuit_facts.h"

#include "packs/texture_list.h"
#include "trackfile/checksum_trailer.h"
#include "trackfile/track_data.h"

#include <QFile>

namespace health {

FileFacts factsOf(const QByteArray& fileBytes) {
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
    f.hash = trackdata::hash(fileBytes);
    f.trailerOk = checksum::trailerMatches(fileBytes);
    const QStringList names = scanTextureList(fileBytes);
    f.textureCount = int(names.size());
    if (names.size() <= MaxTextures)
        f.textures = names;
    return f;
}

FileFacts readFacts(const QString& path) {
    QFile file(path);
    FileFacts f;
    if (!file.open(QIODevice::ReadOnly)) {
        f.readError = file.errorString();
        return f;
    }
    if (file.size() > MaxCircuitSize) {
        f.shape = FileFacts::Shape::TooLarge;
        return f;
    }
    // Read one byte past the limit: a file that grew since its size was asked is still bounded.
    const QByteArray bytes = file.read(MaxCircuitSize + 1);
    if (file.error() != QFileDevice::NoError) {
        f.readError = file.errorString();
        return f;
    }
    if (bytes.size() > MaxCircuitSize) {
        f.shape = FileFacts::Shape::TooLarge;
        return f;
    }
    return factsOf(bytes);
}

QDataStream& operator<<(QDataStream& out, const FileFacts& f) {
    return out << quint8(f.shape) << f.hash << f.trailerOk << f.textures << qint32(f.textureCount)
               << f.readError;
}

QDataStream& operator>>(QDataStream& in, FileFacts& f) {
    quint8 shape = 0;
    qint32 count = 0;
    in >> shape >> f.hash >> f.trailerOk >> f.textures >> count >> f.readError;
    if (shape > quint8(FileFacts::Shape::Unreadable) || count < 0 ||
        f.textures.size() > MaxTextures)
        in.setStatus(QDataStream::ReadCorruptData);
    f.shape = FileFacts::Shape(shape);
    f.textureCount = count;
    return in;
}

} // namespace health
