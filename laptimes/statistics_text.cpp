#include "laptimes/statistics_text.h"

QString formatTotalTime(qint64 seconds) {
    // A clock reading taken across midnight can make a total negative; show it as such
    // rather than as a wrapped hour count.
    const bool negative = seconds < 0;
    const quint64 t = negative ? 0 - quint64(seconds) : quint64(seconds);
    const quint64 h = t / 3600;
    const quint64 m = t % 3600 / 60;
    const quint64 s = t % 60;
    return QStringLiteral("%1%2:%3:%4")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(h)
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

QString dateTimeText(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    return QString::asprintf("%02d-%02d-%04d %02d:%02d:%02d", d.month(), d.day(), d.year(),
                             t.hour(), t.minute(), t.second());
}
