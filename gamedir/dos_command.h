#pragma once
// The commands that make a DOS emulator (DOSBox and its offspring) run one DOS program and end
// when it ends, for the [autoexec] section of its configuration file: the game folder as drive
// C:, a CD image as D:, the program's folder as the next free drive when it lies outside, the
// program started in its own folder, the folder of a file argument lying outside them as the
// next free drive, and every argument that is a path under a mounted folder passed as its DOS
// path.
#include <QString>
#include <QStringList>

struct DosCommands {
    QStringList commands; // one a line, the last "exit"; empty when refused
    QString error;        // why the program cannot run so, for the user
};

// `gameDir` may be empty: the program's folder is then C:. `cdImage`, when set, is mounted as
// D: with "imgmount ... -t iso". Refused, with the reason, when a mounted folder or image, the
// program's path or an argument holds what the emulator would not take as plain text in its
// commands: '%' (a variable to it), a line break or another control character (the end of a
// line of the file), or a double quote in a folder; or when the program's name starts with
// '#', which makes the line a remark.
DosCommands dosCommands(const QString& gameDir, const QString& program,
                        const QStringList& arguments, const QString& cdImage = {});
