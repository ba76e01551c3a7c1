#pragma once
// Starting outside programs: waited for (the game, the picture and archive tools) or started
// and left running (the checksum tool). DOS and Windows programs run through an emulator.
#include <QString>
#include <QStringList>

namespace ExeCmd {

// Window states for start-and-forget. They only mean something where the started program
// opens a window the desktop can place; on Linux they are accepted and have no effect.
inline constexpr int NormalWindow = 1;    // normal window that gets the focus
inline constexpr int MinimizedWindow = 6; // minimised, without focus

// What a DOS program gets from the emulator besides its drives: the program folder, where its
// DOSBox configuration file is written, and whether it is the game (the CD image and full screen
// of the machine settings are for the game only; the DOS tools run without them).
struct DosRun {
    QString programFolder; // "" when there is none: a DOS program is then refused
    bool game = false;
};

// How a program file is started, decided by its content: a program of this system directly
// (from the current directory, which it inherits with the environment and the standard
// channels); a DOS program, or the DOS program a PIF stands for, through the DOS emulator with
// `gameDir` as drive C: (its configuration written by now, see gamedir/dosbox_config.h; a CD
// image that is set but cannot be read refuses the game); a Windows program through Wine, its
// path arguments converted with winepath. Arguments are passed as they are given, never split
// at blanks.
struct Run {
    QString program;       // what is started: the program itself or its emulator
    QStringList arguments; // for `program`
    QString error;         // why the program cannot be started, for the user; "" when it can
    QString name{};        // the program as the user knows it, shown while it is waited for
    QString emulator{};    // "DOSBox" or "Wine" when `program` is the emulator, else ""
    bool game = false;     // the game (or the lap timer that starts it): closing waits for it
};
Run Prepare(const QString& program, const QStringList& arguments, const QString& gameDir,
            const DosRun& dos = {});

// How a waited-for run ended. An emulator ends with its program but does not pass on the
// program's exit status, so for DOS programs only "could not be run" is known.
struct RunResult {
    bool started = false;
    bool crashed = false;
    bool stopped = false; // ended by the user's Stop
    int exitCode = 0;
    QString emulator; // as in Run
    QString error;    // why it could not start
    bool ok() const { return started && !crashed && !stopped && exitCode == 0; }
    // "" when ok, else why: the reason it could not start, "<program> was stopped", or how
    // `program` (or the emulator that ran it) ended.
    QString problem(const QString& program) const;
};

// How long a program asked to stop gets before it is killed.
inline constexpr int kStopGraceMs = 3000;

// Starts a prepared run and returns when it has ended, with no time-out. While waiting, the
// window's events go on (the main window drops input to itself while a command runs) and the
// run is offered to the user to stop (CommandGate::stopWaited: terminate, then kill).
RunResult RunAndWait(const Run& run);
// Prepare and RunAndWait in one.
RunResult RunAndWait(const QString& program, const QStringList& arguments, const QString& gameDir,
                     const DosRun& dos = {});

// Starts a program without waiting, from the current directory. False when it cannot start.
[[nodiscard]] bool StartDetached(const QString& program, const QStringList& args, int windowState);

// Starts the checksum tool of `appDir` on `filePath` (one argument, blanks and all) from
// `appDir` as the current directory, minimised, and returns at once. False when it cannot
// start. The run is remembered until it ends so that a caller about to write the same file
// again can first let it finish (SumfixRunningOn, WaitForSumfix).
[[nodiscard]] bool StartSumfix(const QString& appDir, const QString& filePath);

// Whether a checksum run started by StartSumfix on this file has not ended yet.
bool SumfixRunningOn(const QString& filePath);

// Returns when every checksum run on this file has ended (windows keep painting meanwhile).
void WaitForSumfix(const QString& filePath);

} // namespace ExeCmd
