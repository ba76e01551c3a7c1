#include "trackfile/search_text.h"

namespace searchtext {

QString folded(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out.toCaseFolded();
}

QStringList words(const QString& typed) {
    return folded(typed).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool containsAll(const QString& text, const QStringList& words) {
    for (const QString& w : words)
        if (!text.contains(w))
            return false;
    return true;
}

} // namespace searchtext
