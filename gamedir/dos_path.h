#pragma once
// Host paths as a DOS program sees them through the emulator's drives: a folder mounted as a
// drive letter, and the 8.3 names DOS needs below it. Names that have no 8.3 form are refused
// rather than guessed (the emulator's own short names are not known here).
#include <QList>
#include <QString>

struct DosMount {
    QChar drive;    // 'C'
    QString folder; // absolute host folder
};

// Whether `name` is a DOS 8.3 name: 1 to 8 characters, optionally a dot and 1 to 3 more, of
// letters, digits and ! # $ & ' ( ) - @ ^ _ ` { } ~ (no blank, no second dot). '%' is left out:
// the emulator would expand it in the command that names the file.
bool isShortName(const QString& name);

struct DosPath {
    bool mounted = false; // the path lies in one of the mounted folders
    QString path;         // "C:\BITMAPS\F1PCSVGA.BIN" (upper case); "C:\" for the folder itself
    QString badName;      // a component with no 8.3 form; path is then empty
};

// The DOS path of an absolute host path under one of `mounts` (the deepest one that holds it).
DosPath dosPath(const QList<DosMount>& mounts, const QString& hostPath);
