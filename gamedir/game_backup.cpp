#include "gamedir/game_backup.h"

#include "gamedir/backup_store.h"
#include "gamedir/inside_folders.h"
#include "platform/binfile.h"
#include "platform/native_names.h"
#include "platform/replace_file.h"
#include "platform/sha256.h"
#include "platform/shown_text.h"
#include "platform/side_by_side.h"
#include "storage/gp2psobas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <future>
#include <numeric>
#include <thread>
#include <vector>

namespace gamebackup {

namespace {

const QString kStampFormat = QStringLiteral("yyyy-MM-dd hh-mm-ss");

QString shown(const QString& path) {
    return shown::path(path);
}

// The game folder noted for each backups folder, and the last sequence number given out
// under it by this run (so two backups of one run never share one).
QHash<QString, QString>& gameFolders() {
    static QHash<QString, QString> folders;
    return folders;
}
QHash<QString, qint64>& issuedSequences() {
    static QHash<QString, qint64> issued;
    return issued;
}

// The command as a part of a folder name: no separators or characters a file system refuses.
QString folderPart(const QString& command) {
    QString out = command.left(80);
    for (QChar& c : out)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'_';
    return out.trimmed().isEmpty() ? QStringLiteral("change") : out.trimmed();
}

QString sha256Hex(const QByteArray& bytes) {
    return QString::fromLatin1(sha256::hexOf(bytes));
}

bool readAll(const QString& path, QByteArray* bytes, QString* error) {
    QFile file(path);
    const bool opened = nativenames::heldAsBytes(path)
                            ? nativenames::open(file, QIODevice::ReadOnly)
                            : file.open(QIODevice::ReadOnly);
    if (!opened) {
        *error = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// Whether the file at `path` holds exactly `bytes`: read in pieces, so a stored copy is compared
// without a second buffer of its whole size.
bool holdsBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != bytes.size())
        return false;
    constexpr qint64 kPiece = 256 * 1024;
    QByteArray piece(kPiece, Qt::Uninitialized);
    for (qint64 at = 0; at < bytes.size();) {
        const qint64 n = file.read(piece.data(), qMin(kPiece, bytes.size() - at));
        if (n <= 0 || std::memcmp(piece.constData(), bytes.constData() + at, size_t(n)) != 0)
            return false;
        at += n;
    }
    char more;
    return file.read(&more, 1) == 0;
}

// The stored copies this run wrote, or read whole once they had settled, as they then stood:
// one that still stands so holds those bytes and is not read again. The store is the program's
// own folder, written only under its lock.
QMutex knownCopiesLock;
QHash<QString, binfile::ExactStamp>& knownCopies() {
    static QHash<QString, binfile::ExactStamp> known;
    return known;
}

void noteWrittenCopy(const QString& copy) {
    if (const std::optional<binfile::ExactStamp> stamp = binfile::exactStamp(copy)) {
        const QMutexLocker lock(&knownCopiesLock);
        knownCopies().insert(copy, *stamp);
    }
}

// Whether the stored copy `copy` holds exactly `bytes`.
bool storedCopyHolds(const QString& copy, const QByteArray& bytes) {
    const std::optional<binfile::ExactStamp> stamp = binfile::exactStamp(copy);
    if (!stamp || !stamp->regular || stamp->size != bytes.size())
        return false;
    {
        const QMutexLocker lock(&knownCopiesLock);
        const auto known = knownCopies().constFind(copy);
        if (known != knownCopies().constEnd() && *known == *stamp)
            return true;
    }
    if (!holdsBytes(copy, bytes))
        return false;
    if (stamp->settledAt(QDateTime::currentMSecsSinceEpoch()) &&
        binfile::exactStamp(copy) == stamp) {
        const QMutexLocker lock(&knownCopiesLock);
        knownCopies().insert(copy, *stamp);
    }
    return true;
}

// Removes contents this backup added when no kept change refers to them.
void removeUnreferencedOf(const QString& root, const QStringList& files) {
    if (!files.isEmpty())
        removeUnreferenced(root, history(root), files);
}

} // namespace

struct Backup::ReadFile {
    bool missing = false;
    bool ok = false;
    QByteArray bytes;
    QString sha256;
    QString error;
    std::optional<binfile::ExactStamp> stamp; // the file read, when it stood still meanwhile
};

struct Backup::Ahead {
    QStringList paths;
    std::future<QList<ReadFile>> reading;
    QList<ReadFile> read;
};

namespace {

constexpr qint64 kMostReadAtOnce = 64 * 1024 * 1024;

// Whether nothing stands at `path`. A name held as bytes that are not UTF-8 is reached only
// through those bytes.
bool absent(const QString& path) {
    return !QFileInfo::exists(path) && !nativenames::heldAsBytes(path);
}

// The file at `path` read and hashed; `stamped` notes how it stood, for a read ahead of its
// keep.
Backup::ReadFile readAndHash(const QString& path, bool stamped) {
    Backup::ReadFile out;
    if (absent(path)) {
        out.missing = true;
        return out;
    }
    const std::optional<binfile::ExactStamp> before =
        stamped ? binfile::exactStamp(path, binfile::Links::Followed) : std::nullopt;
    out.ok = readAll(path, &out.bytes, &out.error);
    if (out.ok)
        out.sha256 = sha256Hex(out.bytes);
    if (before && binfile::exactStamp(path, binfile::Links::Followed) == before)
        out.stamp = before;
    return out;
}

// Reads and hashes the files side by side, the largest first: the game's 5.7 MB GP2.EXE alone
// takes as long to hash as a whole line-up of circuits.
QList<Backup::ReadFile> readAndHashAll(const QStringList& paths, const QList<qint64>& sizes,
                                       bool stamped) {
    QList<Backup::ReadFile> out(paths.size());
    std::vector<qsizetype> order(size_t(paths.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return sizes.at(a) > sizes.at(b); });
    const qsizetype threads = qMin<qsizetype>(4, qMax(1u, std::thread::hardware_concurrency()));
    sideBySide(qsizetype(order.size()), threads,
               [&](qsizetype i) { out[order[i]] = readAndHash(paths.at(order[i]), stamped); });
    return out;
}

} // namespace

QString backupsFolder(const Folders& folders) {
    // The databases lie in the program folder: the backups go beside them.
    const QString root = QDir(folders.AppDir).filePath(QStringLiteral("backups"));
    noteGameFolder(root, folders.Gp2Dir);
    return root;
}

void noteGameFolder(const QString& root, const QString& gameDir) {
    gameFolders().insert(root, gameDir);
}

Backup::Backup(QString root, QString command, QDateTime when) : root_(std::move(root)) {
    change_.command = std::move(command);
    change_.when = when;
    change_.utc = when.toUTC();
    change_.game = gameFolders().value(root_);
}

Backup::~Backup() {
    commit();
}

void Backup::readAhead(const QStringList& paths) {
    auto ahead = std::make_unique<Ahead>();
    ahead->paths = paths;
    QList<qint64> sizes;
    for (const QString& path : paths)
        sizes << QFileInfo(path).size();
    ahead->reading = std::async(std::launch::async,
                                [paths, sizes] { return readAndHashAll(paths, sizes, true); });
    ahead_ = std::move(ahead);
}

std::optional<Backup::ReadFile> Backup::takeReadAhead(const QString& path) {
    if (!ahead_)
        return std::nullopt;
    const qsizetype at = ahead_->paths.indexOf(path);
    if (at < 0)
        return std::nullopt;
    if (ahead_->reading.valid())
        ahead_->read = ahead_->reading.get();
    ahead_->paths[at].clear(); // taken
    ReadFile read = std::move(ahead_->read[at]);
    if (!read.missing &&
        (!read.stamp || binfile::exactStamp(path, binfile::Links::Followed) != read.stamp))
        return std::nullopt;
    if (read.missing && !absent(path))
        return std::nullopt;
    return read;
}

Backup::Backup(Backup&& other) noexcept
    : root_(std::move(other.root_)), folder_(std::move(other.folder_)),
      change_(std::move(other.change_)), kept_(std::move(other.kept_)),
      created_(std::move(other.created_)), staged_(std::move(other.staged_)),
      storeReady_(other.storeReady_), finished_(other.finished_), inProgress_(other.inProgress_),
      linksReplaced_(other.linksReplaced_), judge_(std::move(other.judge_)),
      ahead_(std::move(other.ahead_)), manifestWaits_(other.manifestWaits_) {
    other.folder_.clear();
    other.finished_ = true;
}

Backup& Backup::operator=(Backup&& other) noexcept {
    if (this == &other)
        return *this;
    commit();
    root_ = std::move(other.root_);
    folder_ = std::move(other.folder_);
    change_ = std::move(other.change_);
    kept_ = std::move(other.kept_);
    created_ = std::move(other.created_);
    staged_ = std::move(other.staged_);
    storeReady_ = other.storeReady_;
    finished_ = other.finished_;
    inProgress_ = other.inProgress_;
    linksReplaced_ = other.linksReplaced_;
    judge_ = std::move(other.judge_);
    ahead_ = std::move(other.ahead_);
    manifestWaits_ = other.manifestWaits_;
    other.folder_.clear();
    other.finished_ = true;
    return *this;
}

bool Backup::makeFolder(QString* error) {
    if (!QDir().mkpath(root_) || !QFileInfo(root_).isDir()) {
        *error = QCoreApplication::translate("gamebackup", "cannot make the folder %1")
                     .arg(shown(root_));
        return false;
    }
    qint64 last = issuedSequences().value(root_);
    for (const Change& change : history(root_))
        last = qMax(last, change.sequence);
    change_.sequence = last + 1;
    const QString stamp =
        change_.when.toString(kStampFormat) + QLatin1Char(' ') + folderPart(change_.command);
    for (int n = 1;; ++n) {
        const QString name = stamp + (n > 1 ? QStringLiteral(" (%1)").arg(n) : QString());
        const QString path = QDir(root_).filePath(name);
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        if (!QDir(root_).mkdir(name)) {
            *error = QCoreApplication::translate("gamebackup", "cannot make the folder %1")
                         .arg(shown(path));
            return false;
        }
        folder_ = path;
        break;
    }
    if (inProgress_) {
        const CopyResult marked = writeReplacing(QDir(folder_).filePath(kInProgress), {});
        if (!marked.ok) {
            *error = QCoreApplication::translate("gamebackup", "cannot write %1: %2")
                         .arg(shown(QDir(folder_).filePath(kInProgress)), marked.error);
            removeFolderOrLink(folder_);
            folder_.clear();
            return false;
        }
    }
    issuedSequences().insert(root_, change_.sequence);
    finished_ = false;
    return true;
}

bool Backup::writeManifest(QString* error, bool synced) const {
    const QString path = QDir(folder_).filePath(kManifest);
    const QByteArray text = manifestText(change_);
    ReplaceOptions options;
    options.synced = synced;
    const CopyResult written = writeReplacing(path, text, options);
    if (!written.ok) {
        *error = QCoreApplication::translate("gamebackup", "cannot write %1: %2")
                     .arg(shown(path), written.error);
        return false;
    }
    noteWrittenManifest(folder_, text);
    return true;
}

bool Backup::keepOne(const QString& path, ReadFile&& read, QString* error) {
    const QFileInfo info(path);
    Entry entry;
    entry.original = QDir::cleanPath(info.absoluteFilePath());
    if (read.missing) {
        change_.entries.append(entry);
        return true;
    }
    const auto failed = [&](const QString& why) {
        *error = QCoreApplication::translate("gamebackup", "cannot copy %1 to %2: %3")
                     .arg(shown(path), shown(QDir(root_).filePath(kContents)), why);
        return false;
    };
    if (!read.ok)
        return failed(read.error);
    const QByteArray bytes = std::move(read.bytes);
    const QString store = QDir(root_).filePath(kContents);
    if (!storeReady_) {
        if (QFileInfo(store).isSymLink())
            removeFolderOrLink(store); // the store is ours: never written through a link
        if (!QDir().mkpath(store))
            return failed(QCoreApplication::translate("gamebackup", "cannot make the folder"));
        storeReady_ = true;
    }
    entry.sha256 = read.sha256;
    entry.copy = QDir(store).filePath(entry.sha256);
    entry.modified = info.lastModified().toUTC();
    entry.permissions = int(info.permissions());
    // A link the command replaces is put back as the link, not as a copy of what it led to.
    if (linksReplaced_ && info.isSymLink())
        entry.link = linkText(path);
    // A content already stored is reused when it holds these very bytes: compared, not hashed
    // again, so each file is hashed once per backup. One written by this keep is not written
    // twice.
    const bool staged = std::any_of(staged_.cbegin(), staged_.cend(),
                                    [&](const Staged& s) { return s.file.target == entry.copy; });
    const QFileInfo stored(entry.copy);
    const bool reusable = staged || storedCopyHolds(entry.copy, bytes);
    if (!reusable) {
        const bool wasThere = stored.exists() || stored.isSymLink();
        if (stored.isSymLink())
            QFile::remove(entry.copy);
        // Synced with the others of this keep, before the manifest names it.
        Staged next{{}, !wasThere};
        const CopyResult written =
            stageReplacing(entry.copy, bytes, -1, QDateTime(), &next.file, Synced::Later);
        if (!written.ok)
            return failed(written.error);
        staged_ << next;
    }
    change_.entries.append(entry);
    return true;
}

void Backup::dropFolder() {
    if (!folder_.isEmpty())
        removeFolderOrLink(folder_);
    folder_.clear();
    finished_ = true;
}

QString Backup::placeRefusal(const QStringList& paths) const {
    // The backups lie in the program folder; without a game folder noted nothing is judged.
    if (change_.game.isEmpty())
        return {};
    if (!judge_)
        judge_.emplace(change_.game, QFileInfo(root_).absolutePath());
    return judge_->refusal(paths, linksReplaced_ ? insidefolders::LastPart::Replaced
                                                 : insidefolders::LastPart::Followed);
}

bool Backup::keep(const QStringList& paths, QString* error) {
    return keepFiles(paths, error, true);
}

bool Backup::keepForNow(const QStringList& paths, QString* error) {
    return keepFiles(paths, error, false);
}

bool Backup::keepFiles(const QStringList& paths, QString* error, bool manifestNow) {
    QString ignored;
    if (!error)
        error = &ignored;
    if (const QString refused = placeRefusal(paths); !refused.isEmpty()) {
        *error = refused;
        return false;
    }
    const qsizetype entriesBefore = change_.entries.size();
    const qsizetype keptBefore = kept_.size();
    const qsizetype createdBefore = created_.size();
    const auto undo = [&] {
        // Nothing of this call stays: its contents, its lines, and a folder that holds nothing.
        for (const Staged& staged : std::as_const(staged_))
            dropStaged(staged.file);
        staged_.clear();
        removeUnreferencedOf(root_, created_.mid(createdBefore));
        created_.resize(createdBefore);
        change_.entries.resize(entriesBefore);
        kept_.resize(keptBefore);
        if (change_.entries.isEmpty())
            dropFolder();
        return false;
    };
    QStringList fresh;
    QList<qint64> sizes;
    QSet<QString> seen(kept_.cbegin(), kept_.cend());
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (seen.contains(path) || info.isDir())
            continue; // a folder is never written over by the commands
        seen.insert(path);
        fresh << path;
        sizes << info.size();
    }
    // What was read ahead is kept first; the rest is read and hashed a group at a time, so a
    // keep of many files never holds them all.
    for (qsizetype i = 0; i < fresh.size();) {
        std::optional<ReadFile> read = takeReadAhead(fresh.at(i));
        if (!read) {
            ++i;
            continue;
        }
        if (folder_.isEmpty() && !makeFolder(error))
            return undo();
        if (!keepOne(fresh.at(i), std::move(*read), error))
            return undo();
        kept_ << fresh.takeAt(i);
        sizes.removeAt(i);
    }
    for (qsizetype first = 0; first < fresh.size();) {
        qsizetype end = first + 1;
        for (qint64 bytes = sizes.at(first);
             end < fresh.size() && bytes + sizes.at(end) <= kMostReadAtOnce; ++end)
            bytes += sizes.at(end);
        QList<ReadFile> read =
            readAndHashAll(fresh.mid(first, end - first), sizes.mid(first, end - first), false);
        for (qsizetype i = first; i < end; ++i) {
            if (folder_.isEmpty() && !makeFolder(error))
                return undo();
            if (!keepOne(fresh.at(i), std::move(read[i - first]), error))
                return undo();
            kept_ << fresh.at(i);
        }
        first = end;
    }
    const bool added = kept_.size() > keptBefore;
    if (!storeStaged(error))
        return undo();
    if ((added || manifestWaits_) && !writeManifest(error, manifestNow))
        return undo();
    manifestWaits_ = !manifestNow && (added || manifestWaits_);
    return true;
}

bool Backup::storeStaged(QString* error) {
    if (staged_.isEmpty())
        return true;
    const auto failed = [&](const QString& why) {
        *error = QCoreApplication::translate("gamebackup", "cannot write %1: %2")
                     .arg(shown(QDir(root_).filePath(kContents)), why);
        return false;
    };
    QList<StagedFile> files;
    for (const Staged& staged : std::as_const(staged_))
        files << staged.file;
    // Every new content is on the disk before the manifest names any of them.
    if (const CopyResult synced = syncStaged(files); !synced.ok)
        return failed(synced.error);
    while (!staged_.isEmpty()) {
        const Staged staged = staged_.takeFirst();
        if (const CopyResult renamed = commitStaged(staged.file); !renamed.ok) {
            dropStaged(staged.file);
            return failed(renamed.error);
        }
        noteWrittenCopy(staged.file.target);
        if (staged.created)
            created_ << staged.file.target;
    }
    return true;
}

void Backup::discardIfUnchanged() {
    if (folder_.isEmpty())
        return;
    for (qsizetype i = 0; i < kept_.size(); ++i) {
        const Entry& entry = change_.entries.at(i);
        if (entry.copy.isEmpty()) {
            if (QFileInfo::exists(kept_.at(i)))
                return;
            continue;
        }
        // Compared with the stored copy rather than hashed again.
        QByteArray bytes;
        QString why;
        if (!readAll(kept_.at(i), &bytes, &why) || !holdsBytes(entry.copy, bytes))
            return;
    }
    discard();
}

void Backup::discard() {
    dropFolder();
    removeUnreferencedOf(root_, created_);
    change_.entries.clear();
    kept_.clear();
    created_.clear();
}

void Backup::commit() {
    if (finished_)
        return;
    finished_ = true;
    if (!folder_.isEmpty())
        prune(root_, folder_, limits());
}

bool Backup::finish(QString* error) {
    if (folder_.isEmpty())
        return true;
    const QString mark = QDir(folder_).filePath(kInProgress);
    if (QFileInfo::exists(mark) && !QFile::remove(mark)) {
        *error = QCoreApplication::translate("gamebackup", "cannot remove %1").arg(shown(mark));
        return false;
    }
    inProgress_ = false;
    return true;
}

QString Backup::copyOf(const QString& path) const {
    const qsizetype at = kept_.indexOf(path);
    return at < 0 ? QString() : change_.entries.at(at).copy;
}

std::optional<Saved> newest(const QString& root) {
    const QList<Change> all = history(root);
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        if (!it->reverted && !it->inProgress &&
            (it->reverts.isEmpty() || it->command != kRestoreCommand))
            return *it;
    return std::nullopt;
}

QString failureMessage(const QString& command, const QString& error) {
    return QCoreApplication::translate("gamebackup",
                                       "%1 was stopped before changing anything: the backup of "
                                       "the game files could not be written.")
               .arg(command) +
           Gp2PsoBas::CrLf2 + error;
}

} // namespace gamebackup
