#include "platform/shown_text.h"

#include <QDir>

namespace shown {

QString text(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && (u < 0x7f || u > 0x9f) && u != 0x2028 && u != 0x2029) {
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
