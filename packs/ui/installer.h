#pragma once
// Installation of circuits from ZIP archives (menu "&Install new Track").
#include "gamedir/game_backup.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace pistaro {

class FileListBox;
class WindowServices;
class TrackInfoPanel;
class CircuitLists;
class MenuPictures;
class Textures;

class Installer final : public QObject {
    Q_OBJECT
public:
    Installer(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
              MenuPictures& pictures, Textures& textures, QWidget* parent);
    FileListBox* ZipDir; // hidden: the files of the scratch folder
    void Install_Click();
    // The file dialog for a ZIP archive, in the folder of the last one; "" when cancelled.
    QString chooseArchive(const QString& title);
    // The installation of the archive `chosen`, as after the file dialog of Install_Click
    // (an archive dropped on the window).
    void installArchive(const QString& chosen);

    // "Install missing textures from an archive…": the textures of `archive` (a .JAM, or a .JAD
    // converted) go to the places `entries` (names of circuits' texture lists) give them, after
    // a backup; a report says what was copied and what is still missing.
    void installTextures(const QString& archive, const QStringList& entries);

    QString LastArchiveFolder;
    QString InstallReport;
    // Called once an archive's circuits are in the circuits folder, with the run's backup and
    // command name: the track packs take the circuits they lack (PackControls::circuitsArrived);
    // the lines it gives go into the report.
    std::function<QStringList(gamebackup::Backup&, const QString&)> circuitsArrived;

private:
    // What one installation found and did.
    struct Run {
        QString archive;      // the chosen archive, trimmed
        QString scratch;      // AppDir/tmpzip, no trailing separator
        QString circuit;      // the installed circuit's path (the last .DAT installed)
        QString circuitName;  // its file name in the Circuits folder
        QString largePicture; // 640x480 menu picture copied into Bitmaps
        QString smallPicture; // 440x330 menu picture
        QString readMe;       // the read-me in the scratch folder
        bool hadDat = false;  // the archive brought a circuit, copied or not
        // The game files the installation replaces or adds, saved before it does, in the
        // backup named `command` ("Install track.zip").
        QString command;
        gamebackup::Backup backup{QString(), QString()};
    };

    // Steps 5 to 17; false when the installation ended early (nothing extracted, renaming
    // refused), so no report is shown.
    bool install(Run& run);
    // Checks the archive `chosen` (a message when it is no file or empty: false), shows the
    // Status window with `line2`, and fills `run` for the command `command` + the archive's name.
    bool startRun(const QString& chosen, const QString& command, const QString& line2, Run& run);
    // The scratch folder made and emptied; a link in its place is removed, not followed.
    void emptyScratch(const Run& run);
    QString extract(const Run& run); // returns report notes on what was left out
    // False when the user gave no new name, which ends the installation.
    bool installCircuit(Run& run, const QString& name);
    // The name a circuit called like a game slot file is installed under; "" when refused.
    QString askNewName(const Run& run, const QString& name);
    // False when the file could not be saved first, which ends the installation.
    bool installPicture(Run& run, const QString& name);
    // Saves `targets` in the run's backup; false (and said why) when it could not.
    bool backedUp(Run& run, const QStringList& targets);
    // False when the user stopped the converter, which ends the installation.
    bool convertTexture(const Run& run, const QString& name);
    void storePictures(const Run& run);
    void copyTextures(Run& run);
    void selectInstalled(const Run& run);
    void appendReadMe(const Run& run);
    // The steps after every path past the archive check.
    void closingSteps();

    WindowServices& services_;
    TrackInfoPanel& panel_;
    CircuitLists& lists_;
    MenuPictures& pictures_;
    Textures& textures_;
};

} // namespace pistaro
