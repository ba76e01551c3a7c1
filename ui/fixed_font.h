#pragma once
// The font of the circuit and slot lists: one whose glyphs all have the same advance, judged
// by measuring, since font files do not always say so truthfully.
#include <QFont>

namespace pistaro {

// True when "i", "W", "0" and a blank all advance alike in `font`.
bool advancesEvenly(const QFont& font);

// The system's fixed font when it advances evenly, else the first well-known monospace
// family that does; the system's fixed font when none does.
QFont evenFixedFont();

} // namespace pistaro
