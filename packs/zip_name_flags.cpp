#include "packs/zip_name_flags.h"

#include <QStringDecoder>

namespace {

constexpr char kUtf8Flag = 0x08; // bit 11: the high byte's bit 3

quint32 le(const QByteArray& b, qsizetype at, int bytes) {
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

bool validUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes); // the decoder works when its result is taken
    return !utf8.hasError();
}

} // namespace

QSet<qint64> clearFalseUtf8Flags(QByteArray& archive) {
    QSet<qint64> changed;
    // The end record is within the last 64 KiB + 22 bytes (its comment is at most 65535).
    const qsizetype from = qMax<qsizetype>(0, archive.size() - 65557);
    const qsizetype end = archive.lastIndexOf(QByteArrayView("PK\x05\x06"));
    if (end < from || end + 22 > archive.size())
        return changed;
    const quint32 count = le(archive, end + 10, 2);
    qsizetype at = le(archive, end + 16, 4);
    for (quint32 i = 0; i < count; ++i) {
        if (at < 0 || at + 46 > archive.size() || le(archive, at, 4) != 0x02014b50)
            break;
        const quint32 nameLength = le(archive, at + 28, 2);
        const qsizetype next =
            at + 46 + nameLength + le(archive, at + 30, 2) + le(archive, at + 32, 2);
        if (at + 46 + qsizetype(nameLength) > archive.size())
            break;
        const QByteArrayView name(archive.constData() + at + 46, nameLength);
        if ((archive[at + 9] & kUtf8Flag) && !validUtf8(name)) {
            archive[at + 9] = char(archive[at + 9] & ~kUtf8Flag);
            const qsizetype local = le(archive, at + 42, 4);
            if (local + 30 <= archive.size() && le(archive, local, 4) == 0x04034b50)
                archive[local + 7] = char(archive[local + 7] & ~kUtf8Flag);
            changed.insert(i);
        }
        at = next;
    }
    return changed;
}
