#pragma once
// The 4-byte checksum trailer at the end of a circuit file, computed as sumfix computes it: the
// 16-bit sum of every byte before the trailer, then a 16-bit rotating sum of them (rotate left
// by 3, add the byte), each little-endian. The old trailer never enters it.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace checksum {

inline constexpr qsizetype TrailerSize = 4;

// The trailer for `body` (the bytes before the trailer).
QByteArray trailerOf(QByteArrayView body);

// Whether the file's last four bytes are the trailer of the bytes before them; false for a file
// shorter than the trailer.
bool trailerMatches(const QByteArray& fileBytes);

// Replaces the trailer of the file at `path`, as sumfix does; the length never changes. The file
// is written beside and renamed over the name, so a link there is replaced, never written
// through. Returns "" when written, else why not. The caller backs the file up first.
QString writeTrailer(const QString& path);

} // namespace checksum
