#include "gamedir/dosbox_config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dosboxconfig {

QByteArray text(const Machine& machine, const QStringList& autoexec) {
    QStringList lines{
        QStringLiteral("# Written by Pistaro before each run; changes here are written over."),
        QStringLiteral("[sdl]"),
        QStringLiteral("fullscreen=") +
            (machine.fullScreen ? QStringLiteral("true") : QStringLiteral("false")),
        QStringLiteral("[dosbox]"),
        QStringLiteral("machine=svga_s3"),
        QStringLiteral("memsize=16"),
        QStringLiteral("[cpu]"),
        QStringLiteral("core=auto"),
        QStringLiteral("cputype=auto"),
        QStringLiteral("cycles=") + machine.cycles,
        QStringLiteral("[sblaster]"),
        QStringLiteral("sbtype=sb16"),
        QStringLiteral("sbbase=220"),
        QStringLiteral("irq=7"),
        QStringLiteral("dma=1"),
        QStringLiteral("hdma=5"),
        QStringLiteral("[autoexec]"),
    };
    lines += autoexec;
    // Paths reach DOSBox as bytes in the system's encoding, as they did on its command line.
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit();
}

QString fileIn(const QString& programFolder, bool game) {
    return QDir(programFolder)
        .filePath(game ? QStringLiteral("dosbox-game.conf") : QStringLiteral("dosbox-tools.conf"));
}

QString write(const QString& file, const QByteArray& contents) {
    // QSaveFile writes through a link to its target; the link itself is what is replaced.
    if (QFileInfo(file).isSymLink() && !QFile::remove(file))
        return QCoreApplication::translate("dosboxconfig", "could not remove the link %1")
            .arg(QDir::toNativeSeparators(file));
    QSaveFile out(file);
    // flush() before commit(): QSaveFile would rename in a file whose buffered write failed.
    if (!out.open(QIODevice::WriteOnly) || out.write(contents) != contents.size() || !out.flush()) {
        const QString why = out.errorString();
        out.cancelWriting();
        return why;
    }
    if (!out.commit())
        return out.errorString();
    return {};
}

} // namespace dosboxconfig
