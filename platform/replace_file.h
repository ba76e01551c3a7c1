#pragma once
// Writing a file beside its target and renaming it into place, the one way every writer of the
// program replaces a file. The bytes go to the device unbuffered and are synced to the disk, so
// a full disk or another failure of the device is seen before the rename: the old file then
// stays whole and the written part is removed; a power cut leaves the old file or the new one. A
// copy that stops half-way, even a killed one, leaves the old file too. Only a folder that takes no
// new file gets the target rewritten in place.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Why a target could not be written: the user can do something about these two.
enum class CopyBlock {
    None,     // another failure (source unreadable, disk full ...)
    ReadOnly, // access to the target refused: write protection, read-only medium, a folder there
    InUse,    // the target is busy: a running program or a locked file
};

struct CopyResult {
    bool ok = false;
    QString error; // the system's description of the failure
    CopyBlock block = CopyBlock::None;
};

struct ReplaceOptions {
    // The target is first opened in place for writing, so one the user protected or a program
    // holds refuses the write for that reason rather than being replaced behind its back.
    bool askTargetFirst = false;
    // The new file keeps the source's last-modified time (copies only).
    bool keepSourceTime = false;
    // A link at the target is itself replaced by the new file, not the file it leads to.
    bool replaceLink = false;
    // The new file reaches the disk before it is renamed in. Without, a power cut may leave
    // the target empty: only for a file that a synced write replaces before it matters.
    bool synced = true;
};

// Replaces (or creates) `path` with `bytes`. A target that is a link has the file it leads to
// replaced, unless options.replaceLink. The new file keeps the old one's permissions.
CopyResult writeReplacing(const QString& path, const QByteArray& bytes,
                          const ReplaceOptions& options = {});

// Copies `from` over `to`. The source is read whole before the target is touched, so an
// unreadable source leaves the target as it was. Copying a file onto itself succeeds and
// leaves it unchanged.
CopyResult copyReplacing(const QString& from, const QString& to, const ReplaceOptions& options);

// The export's copy: the target is asked first (see above).
CopyResult copyOver(const QString& from, const QString& to);
// The installation's copy: keeps the source's time; false with the reason in `error`.
bool copyReplacing(const QString& from, const QString& to, QString* error = nullptr);

// "<file> could not be written: <reason>", the message of a failed write.
QString notWrittenMessage(const QString& path, const QString& reason);

// A file written beside its place and not renamed in yet, so that several files are written
// first and then renamed in together: a full disk or another write failure stops before any of
// them changed. The place is taken literally: a link there is replaced, never followed.
struct StagedFile {
    QString target;
    QString temp; // "<target>.writing-XXXXXX"
};
// Writes `bytes` beside `target` with `permissions` (-1: as a new file gets them) and the
// last-modified time `modified` (invalid: now). The file has reached the disk when this
// returns, unless `synced` is Later: then syncStaged must be asked before it is renamed in.
enum class Synced { Now, Later };
CopyResult stageReplacing(const QString& target, const QByteArray& bytes, int permissions,
                          const QDateTime& modified, StagedFile* staged,
                          Synced synced = Synced::Now);
// Has files staged with Synced::Later reach the disk, all at once: their syncs run side by
// side, so the device is flushed a few times for all of them rather than once per file. The
// first failure, if any.
CopyResult syncStaged(const QList<StagedFile>& staged);
// Several files replaced together, for a command that writes a set of them (Export's slot
// files): each is written beside its place as it comes, so a write that fails is seen before
// anything changed; commit() has them all reach the disk at once (their syncs side by side, so
// the device flushes a few times rather than once per file) and only then renames them in, in
// the order they came. A power cut still leaves each old file or its new one. What was not
// committed is removed with the batch.
// Removes the part-written files ("<target>.writing-XXXXXX") that a command stopped while it
// wrote left beside these targets.
void removeUnfinishedWrites(const QStringList& targets);
class ReplaceBatch {
public:
    ReplaceBatch() = default;
    ~ReplaceBatch();
    ReplaceBatch(const ReplaceBatch&) = delete;
    ReplaceBatch& operator=(const ReplaceBatch&) = delete;

    // copyOver, with the target replaced at commit(); `tag` names the file in a failure.
    CopyResult copyOver(const QString& from, const QString& to, int tag);
    struct Failure {
        int tag = 0;
        CopyResult result;
    };
    // Syncs and renames in what was copied. The files that failed: when a sync fails nothing
    // is renamed; when a rename fails, the files before it are in place and the rest are not.
    QList<Failure> commit();

private:
    struct Pending {
        int tag = 0;
        QByteArray temp, target; // the system's names
    };
    QList<Pending> pending_;
};

// Makes a symbolic link holding `linkText` beside `target`, to be renamed into its place as a
// staged file is (Unix; elsewhere it fails).
CopyResult stageLink(const QString& target, const QString& linkText, StagedFile* staged);
// The text of the symbolic link at `path` as it stands (relative ones stay relative); "" when
// `path` is no symbolic link.
QString linkText(const QString& path);
// Renames the staged file into its place.
CopyResult commitStaged(const StagedFile& staged);
// Removes the staged file, leaving its place as it was.
void dropStaged(const StagedFile& staged);
