#pragma once
// The DOSBox configuration file pso starts a DOS program with ("dosbox -conf <file>"): the
// machine GP2 needs (memory, a fast CPU, an SVGA card, a Sound Blaster 16 on port 220, IRQ 7,
// DMA 1 and high DMA 5) and, in [autoexec], the commands that run the program and end. It lies
// in pso's program folder and is written anew before each run. Given -conf, DOSBox reads that
// file alone, so the player's own dosbox.conf is neither read nor changed.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace dosboxconfig {

struct Machine {
    QString cycles = QStringLiteral("max"); // as DOSBox reads its "cycles" setting
    bool fullScreen = false;
};

// The file's text: the settings, then `autoexec` one command a line.
QByteArray text(const Machine& machine, const QStringList& autoexec);

// The file of a program folder: one for the game, one for the DOS tools.
QString fileIn(const QString& programFolder, bool game);

// Writes `contents` to `file` by a rename (a link in its place is replaced, never written
// through). Returns "" when written, else why not.
QString write(const QString& file, const QByteArray& contents);

} // namespace dosboxconfig
