#include "platform/codepage.h"

#include <array>

namespace {
// Bytes 80..9F of Windows-1252. The five unassigned bytes keep the C1 control character of
// the same value so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char encode(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

// The small letter of a capital of the code page, or the character itself.
char16_t smallOf(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return char16_t(c + 0x20);
    switch (c) {
    case 0x0160: // Š
    case 0x0152: // Œ
    case 0x017D: // Ž
        return char16_t(c + 1);
    case 0x0178: // Ÿ
        return 0x00FF;
    default:
        return c;
    }
}

bool isLetterBeyondAscii(char16_t c) {
    return (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) || (c >= 0x0152 && c <= 0x0153) ||
           (c >= 0x0160 && c <= 0x0161) || (c >= 0x017D && c <= 0x017E) || c == 0x0178;
}
} // namespace

namespace cp1252 {

QChar toChar(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHigh[byte - 0x80]);
    return QChar(byte);
}

QString toUnicode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        out.append(toChar(static_cast<unsigned char>(b)));
    return out;
}

QByteArray fromUnicode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character beyond the basic plane is one '?', not one per surrogate half.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(encode(c.unicode()));
    }
    return out;
}

QString foldCase(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = QChar(smallOf(c.unicode()));
    return out;
}

bool hasLetterBeyondAscii(const QString& text) {
    for (const QChar c : text)
        if (isLetterBeyondAscii(c.unicode()))
            return true;
    return false;
}

} // namespace cp1252
