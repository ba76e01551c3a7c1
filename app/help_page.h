#pragma once
#include <QString>

// The help page: AppDir/help/help.htm, or help.html when that is missing or empty;
// "" when neither exists with a length above 0.
QString helpPage(const QString& appDir);

// The home page named when the program was built (the PSO_HOME_PAGE cache variable), or "".
QString builtHomePage();
