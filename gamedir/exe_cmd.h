#pragma once
// Starting outside programs: waited for (the game, the picture and archive tools) or started
// and left running (the checksum tool).
#include <QString>
#include <QStringList>

namespace ExeCmd {

// Window states for start-and-forget. They only mean something where the started program
// opens a window the desktop can place; on Linux they are accepted and have no effect.
inline constexpr int NormalWindow = 1;    // normal window that gets the focus
inline constexpr int MinimizedWindow = 6; // minimised, without focus

// Starts a command line and returns when the program has ended, with no time-out. The line is
// split at blanks (runs of blanks count as one, no quoting is recognised or added); the
// program is its first word, or, when that names no file, the shortest run of leading words
// that does (a program folder may hold blanks). The program inherits the current directory,
// the environment and the standard channels. A program that cannot start returns at once.
// While waiting, timers and paint events run but no user input is handled. The result says
// whether the program ran and how it ended; callers that do not care pass it over.
struct RunResult {
    bool started = false;
    bool crashed = false;
    int exitCode = 0;
    QString error; // why it could not start
    bool ok() const { return started && !crashed && exitCode == 0; }
    // "" when ok, else why: could not be run, crashed, or its exit status.
    QString problem(const QString& program) const;
};
RunResult RunAndWait(const QString& commandLine);

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
