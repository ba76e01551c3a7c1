#include "gamedir/game_dir.h"

#include "platform/binfile.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/gamepath.h"
#include "storage/gp2psobas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool IsGp2Dir(Gp2PsoBas& bas) {
    if (!bas.Gp2Dir.endsWith(gamepath::sep()))
        bas.Gp2Dir += gamepath::sep();
    // A folder or other non-file named GP2.EXE is no game program either.
    const QFileInfo exe(gamepath::join(bas.Gp2Dir, QStringLiteral("GP2.EXE")));
    return exe.isFile() && exe.size() > 0;
}

QString BrowseForFolder(Dialogs& dialogs, const QString& title, QWidget* owner) {
    const QString chosen = dialogs.pickFolder(title, owner);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

void DetectGp2Version(Gp2PsoBas& bas) {
    const QString path = gamepath::join(bas.Gp2Dir, QStringLiteral("gp2.exe"));
    // Opening a missing name would otherwise read as "no edition": make it the caller's error.
    if (!QFileInfo(path).isFile())
        throw Gp2ExeError(QCoreApplication::translate("gamedir", "GP2.EXE not found: %1")
                              .arg(QDir::toNativeSeparators(path))
                              .toStdString());
    for (const Gp2Edition& row : Gp2Editions) {
        const auto bytes = binfile::readAt(path, row.position, qint64(row.text.size()));
        if (!bytes)
            throw Gp2ExeError(QCoreApplication::translate("gamedir", "GP2.EXE cannot be read: %1")
                                  .arg(QDir::toNativeSeparators(path))
                                  .toStdString());
        bas.ExeVersionText = cp1252::toUnicode(*bytes);
        if (std::string_view(bytes->constData(), size_t(bytes->size())) == row.text) {
            bas.NamesPos = row.namesPos;
            bas.LapsPos = row.lapsPos;
            return;
        }
    }
}

bool hasLapTimer(const QString& gp2Dir) {
    const QFileInfo timer(gamepath::join(gp2Dir, QStringLiteral("Gp2Lap.exe")));
    return timer.isFile() && timer.size() > 0;
}

QString NoGp2ExeMessage() {
    return QCoreApplication::translate("gamedir", "Couldn't find GP2.EXE !!!") + Gp2PsoBas::CrLf2 +
           QCoreApplication::translate(
               "gamedir", "To use 'PISTARO' you must have Gp2 installed on your system !!!");
}
