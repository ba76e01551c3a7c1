#pragma once
// Matching typed words against shown texts without regard to case or accents, so that
// "sao paulo" finds "São Paulo".
#include <QString>

namespace searchtext {

// `text` decomposed, without its combining marks, case-folded.
QString folded(const QString& text);

} // namespace searchtext
