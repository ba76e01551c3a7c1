#pragma once
// The argument list that makes a DOS emulator (DOSBox and its offspring, which read the same
// "-c" commands) run one DOS program and end when it ends: the game folder as drive C:, the
// program's folder as D: when it lies outside, the program started in its own folder, and every
// argument that is a path under a mounted folder passed as its DOS path.
#include <QString>
#include <QStringList>

struct EmulatorArguments {
    QStringList arguments; // for the emulator; empty when refused
    QString error;         // why the program cannot run so, for the user
};

// `gameDir` may be empty: the program's folder is then C:. Refused, with the reason, when a
// mounted folder, the program's path or an argument holds what the emulator would not take as
// plain text in its commands: '%' (a variable to it), a line break or another control
// character (the end of a command), or a double quote in a folder.
EmulatorArguments dosboxArguments(const QString& gameDir, const QString& program,
                                  const QStringList& arguments);
