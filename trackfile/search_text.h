#pragma once
// Matching typed words against shown texts without regard to case or accents, so that
// "sao paulo" finds "São Paulo".
#include <QString>
#include <QStringList>

namespace searchtext {

// `text` decomposed, without its combining marks, case-folded.
QString folded(const QString& text);

// The folded words of a typed filter, split at blanks; none for a blank filter.
QStringList words(const QString& typed);

// Whether the folded `text` contains every one of the folded `words`.
bool containsAll(const QString& text, const QStringList& words);

} // namespace searchtext
