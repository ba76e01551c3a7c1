#pragma once
// A circuit file's track data: what lies after its info area (the first 4096 bytes, when the
// file starts with "#GP2INFO") and before its 4-byte checksum trailer. Two files with the same
// track data are the same circuit whatever their info blocks say.
#include <QByteArray>
#include <QByteArrayView>

namespace trackdata {

inline constexpr qsizetype TrailerSize = 4;

// The track data of the file's bytes; empty when the file holds none.
QByteArrayView of(const QByteArray& fileBytes);

// The SHA-256 of the track data, as 64 lower-case hexadecimal digits; "" when there is none.
QByteArray hash(const QByteArray& fileBytes);

} // namespace trackdata
