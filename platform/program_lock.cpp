#include "platform/program_lock.h"

#include "platform/ignore_step.h"

#include <QDir>

ProgramLock lockProgramFolder(const QString& appDir) {
    ProgramLock out;
    auto lock = std::make_unique<QLockFile>(QDir(appDir).filePath(QLatin1String(kProgramLockFile)));
    // Held for the whole run, so its age tells nothing: only a holder that is gone makes it
    // stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        out.lock = std::move(lock);
        return out;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        out.refusal = QStringLiteral("Pistaro is already running on ") +
                      QDir::toNativeSeparators(appDir) + QStringLiteral(".");
        qint64 pid = 0;
        QString host, application;
        if (lock->getLockInfo(&pid, &host, &application) && pid > 0)
            out.refusal += QStringLiteral(" (process %1)").arg(pid);
        return out;
    }
    reportIgnoredFailure("locking the program folder",
                         qPrintable(QDir::toNativeSeparators(lock->fileName()) +
                                    QStringLiteral(" could not be made")));
    return out;
}
