#pragma once
// `pso --launch [--pack NAME] [database]`: Launch GP2 from the command line (the desktop's
// "Play GP2"), without showing the main window. With --pack, the saved track pack NAME is first
// written into the game as View Pack and Export do, the game files backed up first.
#include <QString>
#include <QStringList>

namespace pistaro {

class MainWindow;

struct LaunchRequest {
    QString pack;     // "" for the line-up the game has
    QStringList rest; // what pso takes without --launch: the database name
    QString error;    // why the command line is not understood; "" when it is
};

// `arguments` follow "--launch".
LaunchRequest parseLaunch(const QStringList& arguments);

// With the main window loaded: `pack` (when set) written into the game, then the game run as
// Launch GP2 runs it. Stops with a message, before anything is written, when the pack is
// missing or lacks slot files. Returns the exit status: 0 when the game ran, else 1.
int launchGame(MainWindow& frm, const QString& pack);

// The whole run after QApplication is made; returns the exit status.
int runLaunch(const QString& exeDir, const QStringList& arguments);

} // namespace pistaro
