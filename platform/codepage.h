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

// The case of every letter of the code page folded (A-Z, À-Þ but × and the four capitals of
// 80..9F: Š Œ Ž Ÿ become their small letters); every other character stays. Names that
// differ only in the case of such letters are one name.
QString foldCase(const QString& text);
// Whether `text` holds a letter beyond ASCII that foldCase may change or match: a name
// without one compares under foldCase exactly as under an ASCII-only case rule.
bool hasLetterBeyondAscii(const QString& text);
} // namespace cp1252
