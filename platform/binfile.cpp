#include "platform/binfile.h"

#include "platform/native_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

namespace {
void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}
} // namespace

namespace binfile {

std::optional<QByteArray> readAt(const QString& path, qint64 position, qint64 n) {
    // Position 0 or below names no byte of a file. Only a regular file is opened: opening a
    // pipe waits for a writer that never comes.
    if (position < 1 || n < 0 || length(path) < 0)
        return std::nullopt;
    QFile file(path);
    if (!nativenames::open(file, QIODevice::ReadOnly))
        return std::nullopt;
    if (position - 1 >= file.size() || n == 0)
        return QByteArray();
    if (!file.seek(position - 1))
        return std::nullopt;
    QByteArray bytes = file.read(std::min(n, file.size() - (position - 1)));
    if (bytes.isNull() && file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool writeAt(const QString& path, qint64 position, const QByteArray& bytes, QString* error) {
    if (position < 1) {
        setError(error, QCoreApplication::translate("binfile", "Invalid file position %1 in %2")
                            .arg(QString::number(position), path));
        return false;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        setError(error, QCoreApplication::translate("binfile", "File not found: %1").arg(path));
        return false;
    }
    if (!info.isFile()) {
        setError(error, QCoreApplication::translate("binfile", "Not a file: %1").arg(path));
        return false;
    }
    // ExistingOnly: a file removed since the check above is not created again.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    if (!file.seek(position - 1) || file.write(bytes) != bytes.size() || !file.flush()) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

qint64 length(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        struct stat st; // a name listed through the bytes kept for it
        if (::stat(nativenames::encode(path).constData(), &st) == 0 && S_ISREG(st.st_mode))
            return qint64(st.st_size);
        return -1;
    }
    if (!info.isFile())
        return -1;
    return info.size();
}

Stamp stamp(const QString& path) {
    struct stat st;
    if (::stat(nativenames::encode(path).constData(), &st) != 0)
        return {};
    return {true, qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000 + qint64(st.st_mtim.tv_nsec) / 1000000};
}

std::optional<ExactStamp> exactStamp(const QString& path, Links links) {
    struct stat st;
    const QByteArray name = nativenames::encode(path);
    if ((links == Links::Followed ? ::stat(name.constData(), &st)
                                  : ::lstat(name.constData(), &st)) != 0)
        return std::nullopt;
    return ExactStamp{quint64(st.st_dev),
                      quint64(st.st_ino),
                      qint64(st.st_size),
                      qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                      qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec,
                      S_ISREG(st.st_mode)};
}

} // namespace binfile
