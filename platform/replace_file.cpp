#include "platform/replace_file.h"

#include "platform/native_names.h"
#include "platform/side_by_side.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>

#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

CopyResult success() {
    return {true, {}, CopyBlock::None};
}

#ifdef Q_OS_UNIX

// EACCES, EPERM and EROFS refuse access to the path; a folder of that name cannot become a
// file either. ETXTBSY (a running program) and EBUSY are a target in use.
CopyBlock blockOf(int err) {
    switch (err) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return CopyBlock::ReadOnly;
    case ETXTBSY:
    case EBUSY:
        return CopyBlock::InUse;
    default:
        return CopyBlock::None;
    }
}

CopyResult failure(int err) {
    return {false, QString::fromLocal8Bit(std::strerror(err)), blockOf(err)};
}

int openRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do
        fd = ::open(path, flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Writes everything, has it reach the disk and closes: 0, or the errno of the first failure.
// The sync comes before the rename that puts the file in place, so a power cut leaves the old
// file or the new one, never a new name with its bytes still unwritten. The folder is not
// synced after the rename: that would only make the new state durable sooner, at twice the
// cost, and the old file is a sound state.
int writeAllAndClose(int fd, const QByteArray& bytes, bool sync = true) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return err;
        }
        p += n;
        left -= n;
    }
#ifdef Q_OS_LINUX
    // To be synced later: its writing starts now, beside the work that follows.
    if (!sync)
        ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    if (sync && ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        return err;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

// Syncs one staged file by its name: 0, or the errno of the failure.
int syncFile(const QByteArray& path) {
    const int fd = openRetrying(path.constData(), O_RDONLY);
    if (fd < 0)
        return errno;
    const int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return err;
}

// The old contents in place, cut and written again: what is left when the folder takes no
// new file beside the target.
CopyResult writeInPlace(const QByteArray& target, const QByteArray& bytes) {
    const int fd = openRetrying(target.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0)
        return failure(errno);
    if (const int err = writeAllAndClose(fd, bytes))
        return failure(err);
    return success();
}

// Replaces `path` with `bytes`. With `later`, the new file is written beside its place but
// neither synced nor renamed in: *later gets both names (its temp stays empty when the file was
// written in place instead).
CopyResult replace(const QString& path, const QByteArray& bytes, const ReplaceOptions& options,
                   std::pair<QByteArray, QByteArray>* later = nullptr) {
    // A link has the file it leads to replaced, not itself, unless the link is what changes.
    const QFileInfo info(path);
    const bool throughLink = info.isSymLink() && info.exists() && !options.replaceLink;
    const QString finalPath = throughLink ? info.canonicalFilePath() : path;
    const QByteArray target = nativenames::encode(finalPath);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return failure(EISDIR);
    if (exists && options.askTargetFirst) {
        const int fd = openRetrying(target.constData(), O_WRONLY | O_NONBLOCK);
        if (fd < 0)
            return failure(errno);
        ::close(fd);
    }
    QByteArray temp = target + ".writing-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        // Rewriting in place would write through a link that is to be replaced.
        if ((err == EACCES || err == EPERM) && !(options.replaceLink && info.isSymLink()))
            return writeInPlace(target, bytes);
        return failure(err);
    }
    ::fchmod(fd, exists ? (old.st_mode & 07777) : (0666 & ~[] {
                 const mode_t mask = ::umask(0);
                 ::umask(mask);
                 return mask;
             }()));
    int err = writeAllAndClose(fd, bytes, !later && options.synced);
    if (err == 0 && later) {
        *later = {temp, target};
        return success();
    }
    if (err == 0 && ::rename(temp.constData(), target.constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.constData());
        return failure(err);
    }
    return success();
}

#else

CopyResult replace(const QString& path, const QByteArray& bytes, const ReplaceOptions& options,
                   std::pair<QByteArray, QByteArray>* later = nullptr) {
    Q_UNUSED(later); // written in place at once: commit() has nothing left to do
    const QFileInfo info(path);
    if (info.isDir())
        return {false, QCoreApplication::translate("replacefile", "Is a directory"),
                CopyBlock::ReadOnly};
    if (info.exists() && options.askTargetFirst) {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadWrite))
            return {false, probe.errorString(),
                    info.isWritable() ? CopyBlock::InUse : CopyBlock::ReadOnly};
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return {false, out.errorString(), CopyBlock::ReadOnly};
    // flush() hands the buffer to the device, so its failure is seen before commit().
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const QString error = out.errorString();
        out.cancelWriting();
        return {false, error, CopyBlock::None};
    }
    if (!out.commit())
        return {false, out.errorString(), CopyBlock::None};
    return success();
}

#endif

// The file an open QFile reads, by its handle: no second look-up of its name.
nativenames::FileId openedFileId(const QFile& file) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (file.handle() >= 0 && ::fstat(file.handle(), &st) == 0)
        return {quint64(st.st_dev), quint64(st.st_ino)};
    return {};
#else
    return nativenames::fileId(file.fileName());
#endif
}

// copyReplacing, or with `later` the copy written beside its place only (see replace).
CopyResult copyFile(const QString& from, const QString& to, const ReplaceOptions& options,
                    std::pair<QByteArray, QByteArray>* later) {
    QFile source(from);
    // A name the system holds as bytes that are not UTF-8 is found only through those bytes.
    if (!nativenames::heldAsBytes(from) && !QFileInfo(from).isFile())
        return {false, QCoreApplication::translate("replacefile", "No such file"), CopyBlock::None};
    if (!nativenames::open(source, QIODevice::ReadOnly))
        return {false, source.errorString(), CopyBlock::None};
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return {false, source.errorString(), CopyBlock::None};
    const QDateTime changed = source.fileTime(QFileDevice::FileModificationTime);
    const nativenames::FileId sourceId = openedFileId(source);
    source.close();
    // The same file under another name (a link, a hard link): replacing it would gain nothing.
    if (sourceId.valid() && nativenames::fileId(to) == sourceId)
        return success();
    const CopyResult written = replace(to, bytes, options, later);
    if (written.ok && options.keepSourceTime && !later) {
        QFile copied(to);
        if (copied.open(QIODevice::ReadWrite))
            copied.setFileTime(changed, QFileDevice::FileModificationTime);
    }
    return written;
}

} // namespace

CopyResult writeReplacing(const QString& path, const QByteArray& bytes,
                          const ReplaceOptions& options) {
    return replace(path, bytes, options);
}

CopyResult copyReplacing(const QString& from, const QString& to, const ReplaceOptions& options) {
    return copyFile(from, to, options, nullptr);
}

CopyResult copyOver(const QString& from, const QString& to) {
    ReplaceOptions options;
    options.askTargetFirst = true;
    return copyReplacing(from, to, options);
}

bool copyReplacing(const QString& from, const QString& to, QString* error) {
    ReplaceOptions options;
    options.keepSourceTime = true;
    const CopyResult result = copyReplacing(from, to, options);
    if (!result.ok && error)
        *error = result.error;
    return result.ok;
}

CopyResult stageReplacing(const QString& target, const QByteArray& bytes, int permissions,
                          const QDateTime& modified, StagedFile* staged, Synced synced) {
    staged->target = target;
    staged->temp.clear();
#ifdef Q_OS_UNIX
    QByteArray temp = QFile::encodeName(target) + ".writing-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return failure(errno);
    staged->temp = QFile::decodeName(temp);
    if (permissions < 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask); // as a new file gets them; given ones are set below
    }
    if (const int err = writeAllAndClose(fd, bytes, synced == Synced::Now)) {
        dropStaged(*staged);
        return failure(err);
    }
#else
    Q_UNUSED(synced);
    staged->temp = target + QStringLiteral(".writing-") +
                   QString::number(QDateTime::currentMSecsSinceEpoch() % 1000000);
    QFile out(staged->temp);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {false, out.errorString(), CopyBlock::ReadOnly};
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const QString error = out.errorString();
        out.close();
        dropStaged(*staged);
        return {false, error, CopyBlock::None};
    }
    out.close();
#endif
    if (permissions >= 0)
        QFile::setPermissions(staged->temp, QFileDevice::Permissions(permissions));
    if (modified.isValid()) {
        QFile written(staged->temp);
        if (written.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
            written.setFileTime(modified, QFileDevice::FileModificationTime);
    }
    return success();
}

#ifdef Q_OS_UNIX
namespace {

// Syncs the files side by side: the errno of each, 0 where it reached the disk. A few threads
// are enough for the device to take the flushes together.
QList<int> syncAll(const QList<QByteArray>& paths) {
    constexpr qsizetype kMostThreads = 8;
    QList<int> errors(paths.size(), 0);
    sideBySide(paths.size(), kMostThreads, [&](qsizetype i) { errors[i] = syncFile(paths.at(i)); });
    return errors;
}

} // namespace
#endif

CopyResult syncStaged(const QList<StagedFile>& staged) {
#ifdef Q_OS_UNIX
    QList<QByteArray> paths;
    for (const StagedFile& file : staged)
        paths << QFile::encodeName(file.temp);
    for (const int err : syncAll(paths))
        if (err != 0)
            return failure(err);
#else
    Q_UNUSED(staged);
#endif
    return success();
}

ReplaceBatch::~ReplaceBatch() {
#ifdef Q_OS_UNIX
    for (const Pending& file : std::as_const(pending_))
        ::unlink(file.temp.constData());
#endif
}

CopyResult ReplaceBatch::copyOver(const QString& from, const QString& to, int tag) {
    ReplaceOptions options;
    options.askTargetFirst = true;
    std::pair<QByteArray, QByteArray> later;
    const CopyResult copied = copyFile(from, to, options, &later);
    if (copied.ok && !later.first.isEmpty())
        pending_.append({tag, later.first, later.second});
    return copied;
}

void removeUnfinishedWrites(const QStringList& targets) {
    // One listing per folder, however many targets it holds: a circuits folder has thousands.
    QHash<QString, QSet<QString>> byFolder; // folder, the targets' names (lower case)
    for (const QString& target : targets) {
        const QFileInfo info(target);
        byFolder[info.absolutePath()].insert(info.fileName().toLower());
    }
    const QString mark = QStringLiteral(".writing-");
    for (auto folder = byFolder.cbegin(); folder != byFolder.cend(); ++folder) {
        QDir dir(folder.key());
        // Matched by hand: a name may hold wildcard characters ('[', '*', '?').
        for (const QString& name :
             dir.entryList({QStringLiteral("*.writing-??????")}, QDir::Files | QDir::Hidden)) {
            const qsizetype at = name.size() - 6 - mark.size();
            if (at > 0 && name.mid(at, mark.size()) == mark &&
                folder->contains(name.left(at).toLower()))
                dir.remove(name);
        }
    }
}

QList<ReplaceBatch::Failure> ReplaceBatch::commit() {
    QList<Failure> failed;
#ifdef Q_OS_UNIX
    // What a run stopped before its renames (the program killed) left beside these targets.
    QStringList targets;
    for (const Pending& file : std::as_const(pending_))
        targets << QFile::decodeName(file.target);
    QList<QByteArray> temps;
    for (const Pending& file : std::as_const(pending_))
        temps << file.temp;
    const QList<int> errors = syncAll(temps);
    for (qsizetype i = 0; i < errors.size(); ++i)
        if (errors.at(i) != 0)
            failed.append({pending_.at(i).tag, failure(errors.at(i))});
    if (!failed.isEmpty())
        return failed; // the destructor removes every file written
    while (!pending_.isEmpty()) {
        if (::rename(pending_.first().temp.constData(), pending_.first().target.constData()) != 0) {
            failed.append({pending_.first().tag, failure(errno)});
            break;
        }
        pending_.removeFirst();
    }
    if (failed.isEmpty())
        removeUnfinishedWrites(targets);
#endif
    return failed;
}

CopyResult stageLink(const QString& target, const QString& linkText, StagedFile* staged) {
    staged->target = target;
    staged->temp.clear();
#ifdef Q_OS_UNIX
    const QByteArray text = QFile::encodeName(linkText);
    // A free name beside the target, as mkostemp would choose one.
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray temp = QFile::encodeName(target) + ".writing-XXXXXX";
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd < 0)
            return failure(errno);
        ::close(fd);
        ::unlink(temp.constData());
        if (::symlink(text.constData(), temp.constData()) == 0) {
            staged->temp = QFile::decodeName(temp);
            return success();
        }
        if (errno != EEXIST)
            return failure(errno);
    }
    return failure(EEXIST);
#else
    Q_UNUSED(linkText);
    return {false, QCoreApplication::translate("replacefile", "links cannot be made here"),
            CopyBlock::None};
#endif
}

QString linkText(const QString& path) {
#ifdef Q_OS_UNIX
    QByteArray buffer(4096, '\0');
    const ssize_t n =
        ::readlink(QFile::encodeName(path).constData(), buffer.data(), size_t(buffer.size()));
    if (n <= 0 || n >= buffer.size())
        return QString();
    return QFile::decodeName(buffer.left(n));
#else
    Q_UNUSED(path);
    return QString();
#endif
}

CopyResult commitStaged(const StagedFile& staged) {
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(staged.temp).constData(),
                 QFile::encodeName(staged.target).constData()) != 0)
        return failure(errno);
#else
    QFile::remove(staged.target);
    if (!QFile::rename(staged.temp, staged.target))
        return {false,
                QCoreApplication::translate("replacefile", "cannot rename %1").arg(staged.temp),
                CopyBlock::None};
#endif
    return success();
}

void dropStaged(const StagedFile& staged) {
    if (!staged.temp.isEmpty())
        QFile::remove(staged.temp);
}

QString notWrittenMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("replacefile", "%1 could not be written: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}
