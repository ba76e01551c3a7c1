#include "platform/native_names.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nativenames {
namespace {

// The circuit browser reads files on a worker thread while a listing may add names. Never
// destroyed: a listing started ahead may still run while the program ends.
QMutex& knownLock() {
    static auto* lock = new QMutex;
    return *lock;
}
QHash<QString, QByteArray>& knownNames() {
    static auto* names = new QHash<QString, QByteArray>;
    return *names;
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

QStringList folderFiles(const QString& folder, bool* followedLinks) {
    QStringList out;
    QStringList undecodable;
    const QByteArray dir = QFile::encodeName(folder);
    DIR* listing = ::opendir(dir.constData());
    if (!listing)
        return out;
    // A link, or an entry the file system gives no type, has the type of what it names; one
    // whose type cannot be read is no folder, and listed, as Qt lists it.
    const auto typeOf = [listing, followedLinks](const dirent* entry) -> unsigned char {
        if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            return entry->d_type;
        if (followedLinks) // what a stat tells may change without the folder changing
            *followedLinks = true;
        struct stat st;
        if (::fstatat(::dirfd(listing), entry->d_name, &st, 0) != 0)
            return DT_UNKNOWN;
        return S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
    };
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArrayView bytes(entry->d_name);
        if (bytes == "." || bytes == "..")
            continue;
        // Plain ASCII, as nearly every circuit's name, is itself in any encoding: only the
        // others are decoded and checked (a folder of 5,000 took milliseconds of each).
        const bool ascii =
            std::all_of(bytes.begin(), bytes.end(), [](char c) { return (uchar(c) & 0x80) == 0; });
        const QString shown = ascii ? QString::fromLatin1(bytes) : QString::fromLocal8Bit(bytes);
        if (ascii || QFile::encodeName(shown) == bytes) {
            if (typeOf(entry) != DT_DIR)
                out << shown;
            continue;
        }
        if (typeOf(entry) != DT_REG || undecodable.contains(shown))
            continue; // two names that show alike: the first one is offered
        remember(key(folder + QLatin1Char('/') + shown), dir + '/' + bytes.toByteArray());
        undecodable << shown;
    }
    ::closedir(listing);
    return out + undecodable;
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

FileId fileId(const QString& path) {
    struct stat st;
    if (::stat(encode(path).constData(), &st) != 0)
        return {};
    return {quint64(st.st_dev), quint64(st.st_ino)};
}

bool fitsFolderEntry(const QString& name) {
    return QFile::encodeName(name).size() <= 255;
}

} // namespace nativenames
