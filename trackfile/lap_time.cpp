#include "trackfile/lap_time.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

QString FormatLapTime(const QString& digits) {
    const QString s = digits.trimmed();
    if (s.isEmpty())
        return QString();
    if (!std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return QString();
    // Read as a number: zeros in front of the six places do not count.
    qsizetype first = 0;
    while (first < s.size() - 6 && s[first] == u'0')
        ++first;
    const QString number = s.mid(first);
    if (number.size() > 6)
        return QString();
    const QString six = padLapDigits(number);
    return six.left(1) + u':' + six.mid(1, 2) + u'.' + six.right(3);
}

QString padLapDigits(const QString& digits) {
    if (digits.isEmpty() || digits.size() >= 6)
        return digits;
    return QString(6 - digits.size(), u'0') + digits;
}

std::optional<int> lapTimeMilliseconds(const QString& text) {
    static const QString shape = QStringLiteral("9:99.999");
    if (text.size() != shape.size())
        return std::nullopt;
    int ms = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (shape[i] != u'9') {
            if (text[i] != shape[i])
                return std::nullopt;
            continue;
        }
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        ms = ms * 10 + (text[i].unicode() - u'0');
    }
    // d ss mmm read as one number: the minutes' digit stands for 60 000 ms, not 100 000.
    return ms - (ms / 100000) * 40000;
}

namespace {

// Milliseconds as seconds: 512 gives "0.512", 61005 "61.005".
QString secondsText(int ms) {
    return QStringLiteral("%1.%2").arg(ms / 1000).arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

} // namespace

QString improvementText(const QString& time, const QString& previousBest) {
    const auto now = lapTimeMilliseconds(time);
    const auto before = lapTimeMilliseconds(previousBest);
    if (!now || !before)
        return QString();
    const int change = *now - *before;
    return (change > 0 ? u'+' : u'-') + secondsText(std::abs(change));
}

QString recordWithImprovement(const QString& time, const QString& previousBest) {
    const auto now = lapTimeMilliseconds(time);
    const auto before = lapTimeMilliseconds(previousBest);
    if (!now || !before || *now > *before)
        return time;
    //: A new lap record, how much faster it is, then the record it beat.
    return QCoreApplication::translate("laptime", "%1, %2 faster than %3")
        .arg(time, secondsText(*before - *now), previousBest);
}
