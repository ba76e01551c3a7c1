#include "platform/csv_text.h"

#include <QRegularExpression>

namespace {

// A decimal number, signed or not, with a point or a comma: a spreadsheet reads it as a number,
// never as a formula.
bool isPlainNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)?$"));
    return number.match(text).hasMatch();
}

// Text from a circuit's info block or a player's log ("=HYPERLINK(...)", "+cmd|...") is shown
// as text, not run as a formula.
QString defused(const QString& text) {
    if (text.isEmpty() || !QStringLiteral("=+-@\t\r").contains(text.front()) || isPlainNumber(text))
        return text;
    return QLatin1Char('\'') + text;
}

QString csvField(const QString& raw) {
    const QString text = defused(raw);
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray csvText(const QList<QStringList>& rows) {
    QString out;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += QLatin1Char(',');
            out += csvField(row.at(i));
        }
        out += QLatin1String("\r\n");
    }
    return out.toUtf8();
}
