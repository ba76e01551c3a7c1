#include "platform/native_names.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nativenames {
namespace {

// The circuit browser reads files on a worker thread while a listing may add names.
QMutex& knownLock() {
    static QMutex lock;
    return lock;
}
QHash<QString, QByteArray>& knownNames() {
    static QHash<QString, QByteArray> names;
    return names;
}
void remember(const QString& k, const QByteArray& bytes) {
    QMutexLocker locker(&knownLock());
    knownNames().insert(k, bytes);
}
void forget(const QString& k) {
    QMutexLocker locker(&knownLock());
    knownNames().remove(k);
}
std::optional<QByteArray> lookup(const QString& k) {
    QMutexLocker locker(&knownLock());
    const auto it = knownNames().constFind(k);
    if (it == knownNames().constEnd())
        return std::nullopt;
    return *it;
}

QString key(const QString& path) {
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QStringList undecodableFiles(const QString& folder) {
    QStringList out;
    const QByteArray dir = QFile::encodeName(folder);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir.constData(), error)) {
        const std::string raw = entry.path().filename().native();
        const QByteArray bytes(raw.data(), qsizetype(raw.size()));
        const QString shown = QFile::decodeName(bytes);
        std::error_code notFile;
        if (QFile::encodeName(shown) == bytes || !entry.is_regular_file(notFile))
            continue;
        if (out.contains(shown))
            continue; // two names that show alike: the first one is offered
        remember(key(folder + QLatin1Char('/') + shown), dir + '/' + bytes);
        out << shown;
    }
    return out;
}

bool heldAsBytes(const QString& path) {
    return lookup(key(path)).has_value();
}

QByteArray encode(const QString& path) {
    return lookup(key(path)).value_or(QFile::encodeName(path));
}

bool rename(const QString& from, const QString& to, QString* error) {
    const QByteArray source = encode(from), target = encode(to);
    int done =
        ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    if (done != 0 && errno == EINVAL) { // a file system without the flag
        struct stat st;
        if (::lstat(target.constData(), &st) == 0)
            errno = EEXIST;
        else
            done = std::rename(source.constData(), target.constData());
    }
    if (done == 0) {
        forget(key(from));
        return true;
    }
    if (error)
        *error = reason(errno);
    return false;
}

bool remove(const QString& path, QString* error) {
    if (::unlink(encode(path).constData()) == 0) {
        forget(key(path));
        return true;
    }
    if (error)
        *error = reason(errno);
    return false;
}

bool open(QFile& file, int qtMode) {
    if (!heldAsBytes(file.fileName()))
        return file.open(QIODevice::OpenMode(qtMode));
    const bool writes = qtMode & QIODevice::WriteOnly;
    const int fd =
        ::open(encode(file.fileName()).constData(), (writes ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::OpenMode(qtMode), QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

} // namespace nativenames
