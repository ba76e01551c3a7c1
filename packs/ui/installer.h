#pragma once
// Installation of circuits from archives (ZIP, 7z, RAR, LZH, tar; menu "&Install new Track"),
// one at a time or many in one run with one backup and one summary.
#include "gamedir/game_backup.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QWidget;

namespace circuitcontent {
class Finder;
}

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
    // The file dialog takes one archive or several.
    void Install_Click();
    // "Install a Folder of Archives…": every archive in the folder chosen.
    void InstallFolder_Click();
    // The file dialog for one archive, in the folder of the last one; "" when cancelled.
    QString chooseArchive(const QString& title);
    // The installation of the archive `chosen`, as after the file dialog of Install_Click
    // (an archive dropped on the window).
    void installArchive(const QString& chosen);
    // Several archives in one run: one backup, the Status window with Cancel, and one summary
    // naming per archive what was installed, what was already there and what failed. One
    // archive is installed as installArchive does.
    void installArchives(const QStringList& chosen);

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
        QString archive; // the chosen archive, trimmed
        // The scratch folder the archive is unpacked into: a temporary folder of the system,
        // removed with the run; `scratch` is its path, no trailing separator.
        std::unique_ptr<QTemporaryDir> scratchDir;
        QString scratch;
        QString circuit;      // the installed circuit's path (the last .DAT installed)
        QString circuitName;  // its file name in the Circuits folder
        QString largePicture; // 640x480 menu picture copied into Bitmaps
        QString smallPicture; // 440x330 menu picture
        QString readMe;       // the read-me in the scratch folder
        bool hadDat = false;  // the archive brought a circuit, copied or not
        bool many = false;    // one archive of several: nothing is asked that ends the run
        int installed = 0;    // circuits copied
        int alreadyThere = 0; // circuits left out: the same circuit is in the Circuits folder
        // The archive's own name of each file unpacked, by its file name in upper case.
        QHash<QString, QString> entryNames;
        // The game files the installation replaces or adds, saved before it does, in the
        // backup named `command` ("Install track.zip"), which one run of many shares.
        QString command;
        gamebackup::Backup* backup = nullptr;
        circuitcontent::Finder* finder = nullptr; // the circuits already there, by content
        // Report lines of the game files that could not be written, and whether a backup
        // failed: either puts the game back as it was before the installation.
        QStringList notWritten;
        bool backupFailed = false;
        bool failedToWrite() const { return backupFailed || !notWritten.isEmpty(); }
    };

    enum class Ended {
        Done,             // the report tells what was done
        NothingExtracted, // the report tells why
        Stopped,          // renaming refused, the converter stopped, no backup: the run ends
    };
    // Steps 5 to 17.
    Ended install(Run& run);
    // The name the archive gave the unpacked file `name`.
    QString entryName(const Run& run, const QString& name) const;
    // Checks the archive `chosen` (a message when it is no file or empty: false), shows the
    // Status window with `line2`, and fills `run` for the command `command` + the archive's name.
    bool startRun(const QString& chosen, const QString& command, const QString& line2, Run& run);
    // Makes the run's scratch folder; false (and the reason in `error`) when none could be made.
    // The scratch files older versions left in the program folder are removed first.
    bool makeScratch(Run& run, QString* error);
    QString extract(Run& run); // returns report notes on what was left out
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
    // After a failed write: the game put back from `backup`. Returns what failed (`notWritten`,
    // one a line) and that the game is as it was, or that it could not be put back (then
    // *whole is false).
    QString putGameBack(gamebackup::Backup& backup, const QStringList& notWritten, bool* whole);
    void selectInstalled(const QString& circuitName);
    void noteArrivals(gamebackup::Backup& backup, const QString& command);
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
