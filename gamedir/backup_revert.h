#pragma once
// Putting a kept change back. The manifest is not trusted: a backup is put back only when every
// file it names lies inside the game folder in use (its folders resolved, links included) and
// every copy is a plain file of the backups folder's own store; else nothing is written. A file
// is put back by replacing what stands at its place, a link included, never through it. A
// revert is a change of its own: the files' state before it is backed up first.
#include "gamedir/backup_manifest.h"

#include <QHash>
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
    QStringList failed; // a revert stopped half-way that could not be undone, one line per file
    QStringList left;   // the files left out (leaveOut), as shown
};

// The files (originals) of `change` whose saved copy is missing or does not hold the bytes of
// its content name (SHA-256); copies of the older kind are only looked for. `checked` notes
// each copy's verdict, so copies shared by several changes are read once.
QStringList damagedFiles(const Change& change, QHash<QString, bool>* checked = nullptr);

// Checks `change` (revertRefusal, then every copy but those of `leaveOut`: one damaged
// refuses it whole), backs up the files' current state as the change `command`, puts the
// files back and marks `change` as put back. All or nothing: the copies are all written
// beside their places before any is renamed in; a failure before that changes nothing and
// leaves no record, one while renaming puts the files back as they were.
RevertOutcome revert(const QString& root, const Change& change, const QString& gameDir,
                     const QString& command, const QStringList& leaveOut = {});

// Undoes a command that failed part-way: puts back the files its own backup `change` kept, all
// or nothing as revert() does, with no record of its own (the caller then discards the
// backup). One line per file that could not be put back, or the refusal; none when done.
QStringList putBack(const QString& root, const Change& change, const QString& gameDir);

// Finishes what a revert stopped half-way (killed, or its undoing failed) left: when its change
// is marked put back only the record's mark is removed, else the record's files are put back
// and the record removed. At the start and before each revert; one line per record that could
// not be finished (the disk still full ...).
QStringList finishUnfinished(const QString& root, const QString& gameDir);

} // namespace gamebackup
