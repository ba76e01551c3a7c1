#include "tests/support/small_disk.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

SmallDisk::SmallDisk(qint64 bytes) {
    if (!dir_.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(bytes);
    mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                       options.constData()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fill() {
    const QByteArray filler = QFile::encodeName(dir_.path() + QStringLiteral("/.filler"));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return false;
    // Large writes first, then single bytes, until not one more fits.
    const QByteArray block(4096, 'f');
    for (qsizetype size = block.size(); size > 0; size /= 2)
        while (::write(fd, block.constData(), size_t(size)) == size) {
        }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

void SmallDisk::release() {
    QFile::remove(dir_.path() + QStringLiteral("/.filler"));
}
