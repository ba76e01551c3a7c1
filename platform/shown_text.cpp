#include "platform/shown_text.h"

#include <QDir>

namespace shown {

bool turnsDirection(QChar c) {
    const char16_t u = c.unicode();
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

QString text(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && (u < 0x7f || u > 0x9f) && u != 0x2028 && u != 0x2029 &&
            !turnsDirection(c)) {
            out += c;
            continue;
        }
        switch (u) {
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        default:
            out += u > 0xff ? QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'))
                            : QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        }
    }
    return out;
}

QString path(const QString& path) {
    return text(QDir::toNativeSeparators(path));
}

} // namespace shown
