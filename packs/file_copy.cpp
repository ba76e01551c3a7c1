#include "packs/file_copy.h"

#include <QFile>
#include <QFileInfo>

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

#endif

} // namespace

CopyResult copyOver(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
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
#else
    const QFileInfo sourceInfo(from), targetInfo(to);
    if (targetInfo.isDir())
        return {false, QStringLiteral("Is a directory"), CopyBlock::ReadOnly};
    if (targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
        return {true, {}, CopyBlock::None};
    source.close();
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
