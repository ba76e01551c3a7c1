#include "ui/backed_up.h"

#include "gamedir/backup_revert.h"
#include "gamedir/game_backup.h"
#include "ui/window_services.h"

#include <QCoreApplication>

namespace pistaro {

bool mayChange(WindowServices& services, const gamebackup::Backup& backup, const QString& command,
               const QStringList& files) {
    const QString refused = backup.placeRefusal(files);
    if (refused.isEmpty())
        return true;
    services.status().hideStatus();
    services.dialogs().message(
        QCoreApplication::translate("backedup", "%1 was stopped before changing anything: %2")
            .arg(command, refused));
    return false;
}

bool backedUp(WindowServices& services, gamebackup::Backup& backup, const QString& command,
              const QStringList& files) {
    // A path that leads outside the game folder is no failure of the backup: the command is
    // refused for that reason alone.
    if (!mayChange(services, backup, command, files))
        return false;
    QString error;
    return backup.keep(files, &error) || backupNotWritten(services, command, error);
}

bool backupNotWritten(WindowServices& services, const QString& command, const QString& error) {
    services.status().hideStatus();
    services.dialogs().message(gamebackup::failureMessage(command, error));
    return false;
}

bool backedUp(WindowServices& services, const QString& command, const QStringList& files) {
    gamebackup::Backup backup(gamebackup::backupsFolder(services.bas()), command);
    return backedUp(services, backup, command, files);
}

bool backedUpReplacingLinks(WindowServices& services, const QString& command,
                            const QStringList& files) {
    gamebackup::Backup backup(gamebackup::backupsFolder(services.bas()), command);
    backup.replacesLinks();
    return backedUp(services, backup, command, files);
}

QStringList putBack(WindowServices& services, gamebackup::Backup& backup) {
    if (backup.folder().isEmpty())
        return {}; // nothing was kept, so nothing was written
    const Gp2PsoBas& bas = services.bas();
    const std::optional<gamebackup::Change> kept = gamebackup::readChange(backup.folder());
    const QStringList left =
        kept ? gamebackup::putBack(gamebackup::backupsFolder(bas), *kept, bas.Gp2Dir)
             : QStringList{QCoreApplication::translate("backedup", "its backup cannot be read")};
    if (left.isEmpty())
        backup.discard();
    return left;
}

QString putBackFailedText(const QStringList& left) {
    return QCoreApplication::translate("backedup",
                                       "Putting the game back as it was failed too (%1). "
                                       "\"Restore last change\" puts it back once the cause is "
                                       "removed.")
        .arg(left.join(QStringLiteral("; ")));
}

} // namespace pistaro
