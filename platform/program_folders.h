#pragma once
// Where pso's files are: the folder it writes (AppDir), the folder of its installed read-only
// data, and the folder of its executables. Decided once at start-up.
#include <QString>

struct ProgramFolders {
    QString appDir;       // written: databases, Maps.mdb, Packs.txt, print.spl, tmpzip, backups
    QString dataDir;      // read only: definition files, default pictures, help pages
    QString exeDir;       // pso and sumfix
    bool perUser = false; // appDir is the per-user data folder, seeded from dataDir
};

// The files copied from the installed data into the per-user folder.
inline constexpr const char* kSeedFiles[] = {"pso.def", "maps.def", "na1.bmp", "na2.bmp"};

// The per-user data folder (QStandardPaths::AppDataLocation, ~/.local/share/<application>).
// A relative XDG_DATA_HOME is ignored, as the XDG base directory rules ask.
QString perUserDataFolder();

// `exeDir` is the folder of the pso executable. A program folder that holds pso.def beside pso
// and is writable (the build's folder, a portable copy) is AppDir, as it always was. An
// installed program (its data under exeDir/../share/pistaro) or an unwritable program folder
// writes into `userDir` (the per-user data folder) instead.
ProgramFolders locateProgramFolders(const QString& exeDir, const QString& userDir);

// Makes the per-user folder and copies each seed file that is missing there or older than the
// installed one. A copy keeps the installed file's time, so an upgrade brings its new
// definitions while a file the user changed since stays as it is.
// Returns false, with the reason in `error`, when the folder cannot be made or a copy fails.
bool seedUserFolder(const ProgramFolders& folders, QString* error);
