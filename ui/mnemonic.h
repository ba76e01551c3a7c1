#pragma once
// Alt letters for menu items built from texts that carry none (column titles, names).
#include <QString>

namespace pistaro {

// `text` with "&" before its first letter or digit not in `taken` (compared without case),
// which is added to `taken`; `text` with its ampersands doubled when every letter is taken.
QString withFreeMnemonic(const QString& text, QString& taken);

} // namespace pistaro
