#pragma once
// A real main window on a fresh sample game folder and program folder, for widget tests.
#include "tests/fixtures/headless/headless_program.h"
#include "tests/fixtures/samplegame/sample_game.h"

#include <QStringList>
#include <QTemporaryDir>

// A folder as a user types it: without the trailing separator the fixture's folders carry.
QString withoutSeparator(QString dir);

// The built program folder the fixture copies pso.def, maps.def and sumfix from: the build's
// AppDir unless useBuiltProgramFrom() named another. A test that gives up root copies them
// first to a folder every user can read, since the build may lie in a folder only root enters.
QString builtProgramFolder();
void useBuiltProgramFrom(const QString& folder);

class MainWindowFixture : public HeadlessProgram {
public:
    // Writes the game folder (tmp/game) and prepares the program folder (tmp/app) with
    // pso.def, maps.def, sumfix and a pso.mdb whose "Gp2 Directory" is the game folder.
    explicit MainWindowFixture(const samplegame::Options& options = {});
    ~MainWindowFixture();

    QString gameDir() const { return gameDir_; } // with trailing separator
    QString appDir() const { return appDir_; }
    QString circuits() const;                   // game folder + "Circuits", no trailing separator
    QString circuit(const QString& name) const; // a file in the circuits folder
    // A database file of the program folder.
    QString database(const QString& name = QStringLiteral("pso.mdb")) const;
    // The messages shown so far; the dialogs forget what they showed.
    QStringList takeMessages();

    QTemporaryDir tmp;

private:
    QTemporaryDir settings_; // the program's QSettings, apart from the folders tests list
    QString gameDir_;
    QString appDir_;
    QString previousDir_;
};
