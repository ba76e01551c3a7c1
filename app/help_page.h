#pragma once
#include <QLocale>
#include <QString>

namespace pistaro {

// The help page: dataDir/help/help.<language>.htm (the page translated into the user's
// language), else help.htm, else help.html, each only when it is longer than 0 bytes; "" when
// none is. `dataDir` is the program's read-only data (the program folder, or the installed
// share/pistaro); `language` a two-letter code, by default that of the user's locale.
QString helpPage(const QString& dataDir, const QString& language = QLocale().name().left(2));

// The home page named when the program was built (the PSO_HOME_PAGE cache variable), or "".
QString builtHomePage();

} // namespace pistaro
