#include "trackfile/checksum_trailer.h"

#include "platform/native_names.h"

#include <QFile>

namespace checksum {

QByteArray trailerOf(QByteArrayView body) {
    quint16 sum = 0;
    quint16 rot = 0;
    for (const char c : body) {
        const auto b = quint8(c);
        sum = quint16(sum + b);
        rot = quint16(quint16((rot << 3) | (rot >> 13)) + b);
    }
    const char bytes[TrailerSize] = {char(sum & 0xFF), char(sum >> 8), char(rot & 0xFF),
                                     char(rot >> 8)};
    return QByteArray(bytes, TrailerSize);
}

bool trailerMatches(const QByteArray& fileBytes) {
    if (fileBytes.size() < TrailerSize)
        return false;
    const qsizetype body = fileBytes.size() - TrailerSize;
    return trailerOf(QByteArrayView(fileBytes).first(body)) ==
           QByteArrayView(fileBytes).sliced(body);
}

QString writeTrailer(const QString& path) {
    QFile file(path);
    if (!nativenames::open(file, QIODevice::ReadWrite))
        return file.errorString().isEmpty() ? QStringLiteral("cannot be opened")
                                            : file.errorString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    if (bytes.size() < TrailerSize)
        return QStringLiteral("the file is shorter than its checksum");
    const qsizetype body = bytes.size() - TrailerSize;
    const QByteArray trailer = trailerOf(QByteArrayView(bytes).first(body));
    if (!file.seek(body) || file.write(trailer) != TrailerSize || !file.flush())
        return file.errorString();
    return {};
}

} // namespace checksum
