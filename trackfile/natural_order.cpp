#include "trackfile/natural_order.h"

#include <QString>

namespace {

qsizetype digitRunEnd(QStringView s, qsizetype from) {
    while (from < s.size() && s[from].isDigit())
        ++from;
    return from;
}

} // namespace

int naturalCompare(QStringView a, QStringView b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype ie = digitRunEnd(a, i), je = digitRunEnd(b, j);
            qsizetype is = i, js = j;
            while (is + 1 < ie && a[is] == u'0')
                ++is;
            while (js + 1 < je && b[js] == u'0')
                ++js;
            // More significant digits make the larger number; equal lengths compare digit by
            // digit.
            if (ie - is != je - js)
                return ie - is < je - js ? -1 : 1;
            const int c = a.sliced(is, ie - is).compare(b.sliced(js, je - js));
            if (c != 0)
                return c;
            i = ie;
            j = je;
            continue;
        }
        const QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    // Alike but for case or leading zeros: the exact texts decide, so the order is total.
    return a.compare(b);
}
