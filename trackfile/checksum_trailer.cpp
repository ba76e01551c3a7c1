#include "trackfile/checksum_trailer.h"

#include "platform/binfile.h"
#include "platform/native_names.h"
#include "platform/replace_file.h"

#include <QCoreApplication>
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
    // Only a regular file is opened: a pipe would hold the command forever.
    if (binfile::length(path) < 0)
        return QCoreApplication::translate("checksum", "it is not a regular file");
    QFile file(path);
    if (!nativenames::open(file, QIODevice::ReadOnly))
        return file.errorString().isEmpty()
                   ? QCoreApplication::translate("checksum", "cannot be opened")
                   : file.errorString();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    file.close();
    if (bytes.size() < TrailerSize)
        return QCoreApplication::translate("checksum", "the file is shorter than its checksum");
    const qsizetype body = bytes.size() - TrailerSize;
    bytes.replace(body, TrailerSize, trailerOf(QByteArrayView(bytes).first(body)));
    // Written beside and renamed over the name: a link there is replaced by the repaired file,
    // so the file it led to stays as it was and the backup of the name puts it back.
    // A file the user protected is refused, as a write in place would be.
    ReplaceOptions options;
    options.askTargetFirst = true;
    options.replaceLink = true;
    const CopyResult written = writeReplacing(path, bytes, options);
    return written.ok ? QString() : written.error;
}

} // namespace checksum
