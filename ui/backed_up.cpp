#include "ui/backed_up.h"

#include "gamedir/game_backup.h"
#include "ui/window_services.h"

namespace pistaro {

bool backedUp(WindowServices& services, gamebackup::Backup& backup, const QString& command,
              const QStringList& files) {
    QString error;
    if (backup.keep(files, &error))
        return true;
    services.status().hideStatus();
    services.dialogs().message(gamebackup::failureMessage(command, error));
    return false;
}

bool backedUp(WindowServices& services, const QString& command, const QStringList& files) {
    gamebackup::Backup backup(gamebackup::backupsFolder(services.bas()), command);
    return backedUp(services, backup, command, files);
}

} // namespace pistaro
