#pragma once
#include <QString>

namespace pistaro {

// The help page: dataDir/help/help.htm, or help.html when that is missing or empty;
// "" when neither exists with a length above 0. `dataDir` is the program's read-only data
// (the program folder, or the installed share/pistaro).
QString helpPage(const QString& dataDir);

// The home page named when the program was built (the PSO_HOME_PAGE cache variable), or "".
QString builtHomePage();

} // namespace pistaro
