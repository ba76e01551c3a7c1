#include "platform/program_lock.h"

#include "platform/ignore_step.h"
#include "platform/shown_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A lock file that names no process may be one a starting pso has made and not yet filled:
// only one older than this is taken for debris.
constexpr qint64 kFillingMs = 5000;

// Removes what stands at `path` in the lock file's place and names no process: a link (dangling
// or not, the link itself), an empty folder, or a file that holds no lock. False when it could
// not be removed, or may still be a starting program's.
bool removeDebris(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return QFile::remove(path);
    if (info.isDir())
        return QDir().rmdir(path);
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (info.isFile() && qAbs(age) > kFillingMs)
        return QFile::remove(path);
    return false;
}

} // namespace

ProgramLock lockProgramFolder(const QString& appDir) {
    ProgramLock out;
    const QString path = QDir(appDir).filePath(QLatin1String(kProgramLockFile));
    auto lock = std::make_unique<QLockFile>(path);
    // Held for the whole run, so its age tells nothing: only a holder that is gone makes it
    // stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        out.lock = std::move(lock);
        return out;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, application;
        const bool named = lock->getLockInfo(&pid, &host, &application) && pid > 0;
        // QLockFile takes over the lock of a process that is gone; what names no process at all
        // (an empty file, a folder, a link) would refuse every start forever.
        if (!named) {
            const QFileInfo info(path);
            if (removeDebris(path) && lock->tryLock(0)) {
                out.lock = std::move(lock);
                return out;
            }
            if (info.isSymLink() || info.isDir() ||
                qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > kFillingMs) {
                out.refusal = QCoreApplication::translate(
                                  "ProgramLock",
                                  "Pistaro cannot lock its program folder: %1 is no lock of a "
                                  "running Pistaro and could not be removed. Remove it and start "
                                  "Pistaro again.")
                                  .arg(shown::path(path));
                return out;
            }
        }
        out.refusal =
            named ? QCoreApplication::translate("ProgramLock",
                                                "Pistaro is already running on %1. (process %2)")
                        .arg(shown::path(appDir), QString::number(pid))
                  : QCoreApplication::translate("ProgramLock", "Pistaro is already running on %1.")
                        .arg(shown::path(appDir));
        return out;
    }
    reportIgnoredFailure(
        "locking the program folder",
        qPrintable(shown::path(lock->fileName()) + QStringLiteral(" could not be made")));
    return out;
}
