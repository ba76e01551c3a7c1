#pragma once
// A real main window on a fresh sample game folder and program folder, for widget tests.
#include "app/main_window.h"
#include "platform/progress.h"
#include "platform/scripted_dialogs.h"
#include "storage/gp2psobas.h"
#include "tests/fixtures/samplegame/sample_game.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class MainWindowFixture {
public:
    // Writes the game folder (tmp/game) and prepares the program folder (tmp/app) with
    // pso.def, maps.def, sumfix and a pso.mdb whose "Gp2 Directory" is the game folder.
    explicit MainWindowFixture(const samplegame::Options& options = {});
    ~MainWindowFixture();

    // Constructs the main window and runs its load steps with `arguments`.
    pistaro::MainWindow& start(const QStringList& arguments = {});
    // Runs the unload steps (as closing the window does) and destroys the window.
    void stop();

    QString gameDir() const { return gameDir_; } // with trailing separator
    QString appDir() const { return appDir_; }
    QString circuits() const;                   // game folder + "Circuits", no trailing separator
    QString circuit(const QString& name) const; // a file in the circuits folder

    QTemporaryDir tmp;
    ScriptedDialogs dialogs;
    NullStatus status;
    Gp2PsoBas bas;
    std::unique_ptr<pistaro::MainWindow> frm;
    QStringList opened; // what the window handed to the desktop
    QStringList edited; // what it handed to the text editor

private:
    QTemporaryDir settings_; // the program's QSettings, apart from the folders tests list
    QString gameDir_;
    QString appDir_;
    QString previousDir_;
};
