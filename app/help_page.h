#pragma once
#include <QString>

// The help page: AppDir/help/help.htm, or help.html when that is missing or empty;
// "" when neither exists with a length above 0.
QString helpPage(const QString& appDir);
