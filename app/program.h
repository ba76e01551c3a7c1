#pragma once
// The whole run of pso after QApplication is made: the splash window loads the main window,
// which runs until it is closed. Shared by main() and the start-up benchmark.
#include <QString>
#include <QStringList>
#include <functional>

namespace pistaro {

class MainWindow;

// `arguments` are what is left of the command line after Qt took its own options, without
// the program name. `exeDir` is the folder of the pso executable; where the program keeps its
// files follows from it (platform/program_folders.h). `afterShow`, when set, runs once the
// main window is shown.
int runProgram(const QString& exeDir, const QStringList& arguments,
               const std::function<void(MainWindow&)>& afterShow = {});

// What every run with the main window shares: the program folder found and seeded, its lock
// held, the main window made on it (not shown), then `body`, whose result is the exit status.
// A `refusal` ("" for none) is shown instead, and the status is 2. The program ended from
// inside `body` leaves with its status.
int runWithMainWindow(const QString& exeDir, const QString& refusal,
                      const std::function<int(MainWindow&)>& body);

} // namespace pistaro
