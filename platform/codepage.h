#pragma once
// Windows-1252, the single-byte code page of the game's files. The table round-trips all
// 256 byte values: the five bytes Windows-1252 leaves unassigned (81 8D 8F 90 9D) map to the
// C1 control characters of the same value. Characters outside the code page encode as '?'.
#include <QByteArray>
#include <QString>

namespace cp1252 {
QString toUnicode(const QByteArray& bytes);
QByteArray fromUnicode(const QString& text);
QChar toChar(unsigned char byte);
} // namespace cp1252
