#pragma once
// The emulators this machine runs DOS and Windows programs with. They are settings of the
// machine (kept with QSettings), not of a database: another computer has other programs.
#include <QString>

namespace emulators {

// The DOS emulator command: the stored setting, else the first of dosbox-staging, dosbox-x and
// dosbox found on PATH, else "".
QString dosEmulator();
// Stores the command; "" forgets it, so the search on PATH applies again.
void setDosEmulator(const QString& command);

// The Windows emulator command: the stored setting, else "wine".
QString windowsEmulator();
void setWindowsEmulator(const QString& command);

// The program file a command names: a path as it is when executable, a bare name looked up on
// PATH. "" when there is none.
QString findProgram(const QString& command);

} // namespace emulators
