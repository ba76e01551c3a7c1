#pragma once
// Keeps the machine's own settings out of the tests: the program's QSettings of the user
// scope are read from and written to a scratch folder.
#include <QString>

namespace scratchsettings {

// The user scope's settings live in `folder` from now on, for this process.
void use(const QString& folder);
// As use(), unless a test chose a folder already (a scratch home set up for outside
// programs keeps its settings).
void useUnlessChosen(const QString& folder);

} // namespace scratchsettings
