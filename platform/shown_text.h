#pragma once
// Text from outside (file names, names in a pack file or an info block) as messages and the
// console show it: a control character is written visibly (`\n`, `\t`, `\x1b`), so a name
// cannot break a message into forged lines or send escape sequences to a terminal.
#include <QString>

namespace shown {

// A mark that turns the direction of the text around it: a name holding one shows other
// characters than it has ("gnp.exe" as "exe.png").
bool turnsDirection(QChar c);

// `text` with every control character (C0, DEL, C1, the Unicode line and paragraph
// separators) and every direction mark written as an escape; everything else as it is.
QString text(const QString& text);

// A path as messages show it: native separators, control characters escaped.
QString path(const QString& path);

} // namespace shown
