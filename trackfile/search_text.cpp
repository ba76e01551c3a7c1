#include "trackfile/search_text.h"

#include <algorithm>

namespace searchtext {

QString folded(const QString& text) {
    // Plain ASCII, as most file names are, holds no marks: only its case folds. The browser
    // folds one name per circuit before it shows them.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out.toCaseFolded();
}

} // namespace searchtext
