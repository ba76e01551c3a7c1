#pragma once
// Backups of the game's files, taken before a command changes or removes them. Each command
// gets one folder <backups>/<yyyy-mm-dd hh-mm-ss> <command>/ holding a manifest of the
// original paths; the bytes lie once per distinct content in <backups>/contents, named by
// their SHA-256. The manifest is rewritten after every keep, so it lists only copies that are
// complete (a killed run leaves a usable backup). The backups are ordered by a sequence number
// in the manifest, never by the clock. See backup_store.h for the folder as a whole and
// backup_revert.h for putting a change back.
#include "gamedir/backup_manifest.h"
#include "gamedir/inside_folders.h"
#include "platform/replace_file.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct Folders;

namespace gamebackup {

// The folder that holds the backups: "backups" beside the program's databases. It also notes
// the game folder (Gp2Dir) as the one the backups made under it belong to.
QString backupsFolder(const Folders& folders);
// What backupsFolder notes: the game folder whose files are backed up under `root`.
void noteGameFolder(const QString& root, const QString& gameDir);

class Backup final {
public:
    // Nothing is written until the first file is kept.
    Backup(QString root, QString command, QDateTime when = QDateTime::currentDateTime());
    // Finishes the backup (see commit).
    ~Backup();
    Backup(Backup&& other) noexcept;
    Backup& operator=(Backup&& other) noexcept;
    Backup(const Backup&) = delete;
    Backup& operator=(const Backup&) = delete;

    // Saves the files before the command changes or removes them: a file is copied, a missing
    // one is noted so that putting the backup back removes what the command made there.
    // Folders are passed over, and a path kept before is not kept again. False with the reason
    // in *error when the backup could not be written: the command must then change nothing.
    // A keep that fails leaves nothing of its own behind (what earlier keeps saved stays).
    // A path that leads outside the game folder (and, for the program's own files, the program
    // folder) through a link or a linked folder is refused before anything is written.
    bool keep(const QStringList& paths, QString* error);
    bool keep(const QString& path, QString* error) { return keep(QStringList{path}, error); }
    // As keep(), but the manifest is not synced until the next keep(): for a command that keeps
    // its files in steps before it changes any of them, so that only the last step waits for
    // the disk. A power cut meanwhile may leave the folder without a manifest, which the next
    // start removes; nothing of the game had changed.
    bool keepForNow(const QStringList& paths, QString* error);

    // Starts reading and hashing `paths` on a thread of its own for a later keep() of them, so
    // a command can hash the game's large GP2.EXE while it does other work. A file that changed
    // in between is read again by the keep.
    void readAhead(const QStringList& paths);
    struct ReadFile; // a file to keep, as read and hashed

    // Why keep() refuses `paths` because one leads outside the game and program folders; "".
    QString placeRefusal(const QStringList& paths) const;
    // The command replaces or removes a link at a kept path itself (a rename over it), never
    // writes through it: only the link's folders must lie inside. By default a command is
    // taken to write through a link, so where the link leads must lie inside too.
    void replacesLinks() {
        linksReplaced_ = true;
        judge_.reset();
    }

    // Removes the backup again when the command changed none of the kept files, so commands
    // that run often and mostly rewrite the same bytes (the setup export before every game) do
    // not push the backups of real changes out.
    void discardIfUnchanged();

    // Removes the backup and the contents it alone added, as if it had never been taken.
    void discard();

    // The backup is complete: the oldest backups beyond the limits are removed now, never this
    // one. Runs once; the destructor calls it, so a command need not.
    void commit();

    // A revert's own record: its folder is marked unfinished (kInProgress) before its first
    // manifest, so a revert stopped half-way is known as such; finish() removes the mark once
    // the revert is complete. False with the reason when the mark cannot be removed.
    void setInProgress() { inProgress_ = true; }
    bool finish(QString* error);

    // Notes the change this backup undoes (a revert is a change of its own).
    void setReverts(const QString& folderName) { change_.reverts = folderName; }
    void setGameFolder(const QString& gameDir) {
        change_.game = gameDir;
        judge_.reset();
    }

    QString folder() const { return folder_; } // "" until the first file is kept
    // The copy of a kept file, "" when it was not kept or was not there.
    QString copyOf(const QString& path) const;

private:
    bool makeFolder(QString* error);
    bool writeManifest(QString* error, bool synced) const;
    struct Ahead;
    bool keepFiles(const QStringList& paths, QString* error, bool manifestNow);
    bool keepOne(const QString& path, ReadFile&& read, QString* error);
    std::optional<ReadFile> takeReadAhead(const QString& path);
    bool storeStaged(QString* error);
    void dropFolder();
    QString root_;
    QString folder_;
    Change change_;       // the manifest so far
    QStringList kept_;    // original paths, as given
    QStringList created_; // contents this backup added to the store
    // Contents a keep has written beside their place in the store, to be synced together and
    // renamed in before its manifest is written.
    struct Staged {
        StagedFile file;
        bool created = false; // no content stood there before
    };
    QList<Staged> staged_;
    bool storeReady_ = false; // the store folder was made (and is no link) for this backup
    bool finished_ = true;    // nothing to commit
    bool inProgress_ = false;
    bool linksReplaced_ = false;
    // The command's judge of places: the game and program folders and the folders on the way
    // are resolved once for all its paths.
    mutable std::optional<insidefolders::Judge> judge_;
    std::unique_ptr<Ahead> ahead_; // what readAhead() reads
    bool manifestWaits_ = false;   // the manifest keepForNow() wrote is not synced yet
};

// The command name of "Restore last change": its records are skipped by newest(), so Restore
// run again goes further back rather than undoing itself.
inline const QString kRestoreCommand = QStringLiteral("Restore");

// The newest change that was not put back yet (what "Restore last change" undoes): a History
// revert counts, the records of Restore itself and of unfinished reverts are passed over.
std::optional<Saved> newest(const QString& root);

// The message of a command stopped because its backup could not be written.
QString failureMessage(const QString& command, const QString& error);

} // namespace gamebackup
