#include "trackfile/lap_time.h"

#include <algorithm>

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
