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

// How DOSBox runs the game (machine settings too). The CPU cycles as DOSBox reads its "cycles"
// setting ("max", "auto", "fixed 30000", "max 90% limit 50000", a number): the stored text
// when DOSBox takes it (cyclesRefusal), else "max".
QString dosCycles();
void setDosCycles(const QString& cycles); // "" forgets it: "max" again
// Whether the game runs full screen (off unless set).
bool dosFullScreen();
void setDosFullScreen(bool on);
// The game's CD image (a .cue or an .iso) that DOSBox mounts as D:; "" for none.
QString cdImage();
void setCdImage(const QString& path);

// Why DOSBox would not take `cycles` as its "cycles" setting, "" when it would (or when it is
// empty: no setting). The forms of DOSBox 0.74's read-me and configuration: `max [P%]
// [limit N]`, `auto [N] [P%] [limit N]`, `fixed N` and `N`, counts from 1 to 2147483647 and
// shares from 1% to 100%, words in any case.
QString cyclesRefusal(const QString& cycles);
// Whether `cycles` is a setting DOSBox takes (not empty).
bool cyclesAccepted(const QString& cycles);

// The Windows emulator command: the stored setting, else "wine".
QString windowsEmulator();
void setWindowsEmulator(const QString& command);

// The program file a command names: a path as it is when executable, a bare name looked up on
// PATH. "" when there is none.
QString findProgram(const QString& command);

} // namespace emulators
