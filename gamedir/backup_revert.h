#pragma once
// Putting a kept change back. The manifest is not trusted: a backup is put back only when every
// file it names lies inside the game folder in use (its folders resolved, links included) and
// every copy is a plain file of the backups folder's own store; else nothing is written. A file
// is put back by replacing what stands at its place, a link included, never through it. A
// revert is a change of its own: the files' state before it is backed up first.
#include "gamedir/backup_manifest.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace gamebackup {

// "<command> of <yyyy-MM-dd hh:mm:ss>", how messages name a change.
QString describe(const Change& change);

// Why `change` may not be put back into `gameDir`: "" when it may. Names the backup.
QString refusal(const QString& root, const Change& change, const QString& gameDir);

// A later change in `history` (oldest first) that changed a file of `change` and is still in
// place; nullopt when there is none. A revert of a later command's change, with that change
// put back, leaves the files as they were and does not count.
std::optional<Change> laterChangeOfSameFiles(const QList<Change>& history, const Change& change);

// Why `change` may not be reverted now: refusal(), put back already, or a later change of the
// same files still in place. "" when it may.
QString revertRefusal(const QString& root, const Change& change, const QString& gameDir);

struct RevertOutcome {
    QString refused;    // why nothing was written; "" when the files were put back
    QStringList failed; // what could not be put back, one line per file
};

// Checks `change` (revertRefusal), backs up the files' current
// state as the change `command`, puts every file back and marks `change` as put back (only
// when every file went back).
RevertOutcome revert(const QString& root, const Change& change, const QString& gameDir,
                     const QString& command);

} // namespace gamebackup
