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
// setting ("max", "auto", "fixed 30000", "max 90%", a number): the stored text when it is made
// of letters, digits, blanks and '%' only, else "max".
QString dosCycles();
void setDosCycles(const QString& cycles); // "" forgets it: "max" again
// Whether the game runs full screen (off unless set).
bool dosFullScreen();
void setDosFullScreen(bool on);
// The game's CD image (a .cue or an .iso) that DOSBox mounts as D:; "" for none.
QString cdImage();
void setCdImage(const QString& path);

// Whether DOSBox takes `cycles` as the text of its setting (see dosCycles).
bool cyclesAccepted(const QString& cycles);

// The Windows emulator command: the stored setting, else "wine".
QString windowsEmulator();
void setWindowsEmulator(const QString& command);

// The program file a command names: a path as it is when executable, a bare name looked up on
// PATH. "" when there is none.
QString findProgram(const QString& command);

} // namespace emulators
