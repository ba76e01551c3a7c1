#include "packs/file_copy.h"

#include "platform/native_names.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX

CopyResult failure(int err, CopyBlock block) {
    return {false, QString::fromLocal8Bit(std::strerror(err)), block};
}

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

bool writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// The old contents in place, cut and written again: what is left when the folder takes no
// new file beside the target.
CopyResult writeInPlace(const QByteArray& target, const QByteArray& bytes) {
    int fd;
    do
        fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int err = errno;
        return failure(err, blockOf(err));
    }
    if (!writeAll(fd, bytes)) {
        const int err = errno;
        ::close(fd);
        return failure(err, blockOf(err));
    }
    if (::close(fd) != 0) {
        const int err = errno;
        return failure(err, blockOf(err));
    }
    return {true, {}, CopyBlock::None};
}

#endif

// Writes the copy beside the target and lets it take the target's place in one step, so the
// target is never found cut short, whenever the copy stops. Nothing when the folder takes no
// new file (the caller then writes in place).
std::optional<CopyResult> replaceWithCopy(const QByteArray& bytes, const QString& to) {
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return std::nullopt;
    if (out.write(bytes) != bytes.size()) {
        const QString error = out.errorString();
        out.cancelWriting();
        return CopyResult{false, error, CopyBlock::None};
    }
    if (!out.commit())
        return CopyResult{false, out.errorString(), CopyBlock::None};
    return CopyResult{true, {}, CopyBlock::None};
}

} // namespace

CopyResult copyOver(const QString& from, const QString& to) {
    QFile source(from);
    if (!nativenames::open(source, QIODevice::ReadOnly))
        return {false, source.errorString(), CopyBlock::None};
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return {false, source.errorString(), CopyBlock::None};

#ifdef Q_OS_UNIX
    const QByteArray target = QFile::encodeName(to);
    struct stat src {}, dst {};
    if (::fstat(source.handle(), &src) == 0 && ::stat(target.constData(), &dst) == 0) {
        if (S_ISDIR(dst.st_mode))
            return failure(EISDIR, CopyBlock::ReadOnly);
        if (src.st_dev == dst.st_dev && src.st_ino == dst.st_ino)
            return {true, {}, CopyBlock::None}; // truncating it first would empty it
    }
    source.close();
    // Asked first, in place: a target the user protected or a program holds refuses the copy
    // for the reason the user can do something about.
    if (::stat(target.constData(), &dst) == 0) {
        int fd;
        do
            fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            const int err = errno;
            return failure(err, blockOf(err));
        }
        ::close(fd);
    }
    if (const std::optional<CopyResult> beside = replaceWithCopy(bytes, to))
        return *beside;
    return writeInPlace(target, bytes);
#else
    const QFileInfo sourceInfo(from), targetInfo(to);
    if (targetInfo.isDir())
        return {false, QStringLiteral("Is a directory"), CopyBlock::ReadOnly};
    if (targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
        return {true, {}, CopyBlock::None};
    source.close();
    if (targetInfo.exists()) {
        QFile probe(to); // asked first, in place, as above
        if (!probe.open(QIODevice::ReadWrite)) {
            const bool readOnly = !targetInfo.isWritable();
            return {false, probe.errorString(), readOnly ? CopyBlock::ReadOnly : CopyBlock::InUse};
        }
    }
    if (const std::optional<CopyResult> beside = replaceWithCopy(bytes, to))
        return *beside;
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const bool readOnly = targetInfo.exists() && !targetInfo.isWritable();
        return {false, out.errorString(), readOnly ? CopyBlock::ReadOnly : CopyBlock::InUse};
    }
    if (out.write(bytes) != bytes.size() || !out.flush())
        return {false, out.errorString(), CopyBlock::None};
    return {true, {}, CopyBlock::None};
#endif
}
