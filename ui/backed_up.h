#pragma once
// The first step of every command that changes files of the game or of a pack: the files are
// saved in a new backup (gamedir/game_backup.h). When that cannot be written the command is
// told so, the user sees why, and the command must change nothing.
#include <QString>
#include <QStringList>

namespace gamebackup {
class Backup;
}

namespace pistaro {

class WindowServices;

// Whether `files` may be changed: false, after a message naming the path, when one leads
// outside the game and program folders (gamebackup::Backup::placeRefusal). For a command that
// must write something before its backup is taken.
bool mayChange(WindowServices& services, const gamebackup::Backup& backup, const QString& command,
               const QStringList& files);
// Says that `command` was stopped before changing anything because its backup could not be
// written (`error`, the backup's reason); false, for the command to return.
bool backupNotWritten(WindowServices& services, const QString& command, const QString& error);
// Keeps `files` in `backup`; false, after the message naming `command`, when it could not.
bool backedUp(WindowServices& services, gamebackup::Backup& backup, const QString& command,
              const QStringList& files);
// The same with a backup of its own named `command`, for a command that keeps all its files
// at once.
bool backedUp(WindowServices& services, const QString& command, const QStringList& files);
// The same for a command that replaces or removes a link at a kept path, never writing
// through it (gamebackup::Backup::replacesLinks).
bool backedUpReplacingLinks(WindowServices& services, const QString& command,
                            const QStringList& files);

// Undoes a command whose writing failed part-way: every file `backup` kept is put back, all or
// nothing (gamebackup::putBack), and the backup, which then stands for no change, is discarded.
// One line per file that could not be put back (the backup then stays, for Restore); none when
// the files are as they were before the command.
QStringList putBack(WindowServices& services, gamebackup::Backup& backup);

// What a command says when putBack left files (`left`, its lines): Restore can finish it.
QString putBackFailedText(const QStringList& left);

} // namespace pistaro
