#include "ui/fixed_font.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace pistaro {

bool advancesEvenly(const QFont& font) {
    const QFontMetrics fm(font);
    const int blank = fm.horizontalAdvance(QLatin1Char(' '));
    for (const char c : {'i', 'W', '0'})
        if (fm.horizontalAdvance(QLatin1Char(c)) != blank)
            return false;
    return blank > 0;
}

QFont evenFixedFont() {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (advancesEvenly(system))
        return system;
    for (const char* family : {"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "Noto Mono",
                               "Courier New", "Courier", "monospace"}) {
        QFont candidate(QString::fromLatin1(family), system.pointSize());
        candidate.setStyleHint(QFont::TypeWriter);
        if (advancesEvenly(candidate))
            return candidate;
    }
    return system;
}

} // namespace pistaro
