#include "platform/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString clean(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

bool holdsData(const QString& dir) {
    return QFileInfo(dir + QStringLiteral("/pso.def")).isFile();
}

// Writable for real: a test file can be made, which the permission bits alone do not tell
// (read-only mounts, ACLs).
bool canWriteIn(const QString& dir) {
    if (!QFileInfo(dir).isWritable())
        return false;
    QFile probe(dir + QStringLiteral("/.pso-write-test"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

// Copied beside and renamed into place: a stopped copy leaves the old file whole. A link in
// the place of the copy or of its part file is removed itself, never written through.
bool copyWithTime(const QFileInfo& from, const QString& to) {
    const QString part = to + QStringLiteral(".part");
    QFile::remove(part);
    QFile copy(part);
    const bool done = QFile::copy(from.filePath(), part) &&
                      copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                          QFile::ReadOther) &&
                      copy.open(QIODevice::ReadWrite) &&
                      copy.setFileTime(from.lastModified(), QFileDevice::FileModificationTime);
    copy.close();
    const QFileInfo target(to);
    if (done && (!(target.exists() || target.isSymLink()) || QFile::remove(to)) &&
        QFile::rename(part, to))
        return true;
    QFile::remove(part);
    return false;
}

} // namespace

QString perUserDataFolder() {
    const QString app = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (app.isEmpty() || QDir::isAbsolutePath(app))
        return app;
    // A relative XDG_DATA_HOME, which the XDG base directory rules say to ignore.
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString own = app.startsWith(generic) ? app.mid(generic.size())
                                                : u'/' + QCoreApplication::applicationName();
    return QDir::homePath() + QStringLiteral("/.local/share") + own;
}

ProgramFolders locateProgramFolders(const QString& exeDir, const QString& userDir) {
    ProgramFolders f;
    f.exeDir = clean(exeDir);
    const QString installed = exeDir + QStringLiteral("/../share/pistaro");
    if (!holdsData(exeDir) && holdsData(installed)) {
        f.dataDir = clean(installed);
        f.appDir = clean(userDir);
        f.perUser = true;
        return f;
    }
    f.dataDir = f.exeDir;
    f.perUser = !canWriteIn(exeDir);
    f.appDir = f.perUser ? clean(userDir) : f.exeDir;
    return f;
}

bool seedUserFolder(const ProgramFolders& folders, QString* error) {
    if (!folders.perUser)
        return true;
    if (!QDir().mkpath(folders.appDir)) {
        if (error)
            *error = QCoreApplication::translate("ProgramFolders", "cannot make the folder %1")
                         .arg(folders.appDir);
        return false;
    }
    for (const char* name : kSeedFiles) {
        const QFileInfo from(QDir(folders.dataDir).filePath(QLatin1String(name)));
        const QFileInfo to(QDir(folders.appDir).filePath(QLatin1String(name)));
        // A link is no copy of ours, whatever its target's time: it is replaced.
        if (!from.isFile() ||
            (!to.isSymLink() && to.exists() && to.lastModified() >= from.lastModified()))
            continue;
        if (!copyWithTime(from, to.filePath())) {
            if (error)
                *error = QCoreApplication::translate("ProgramFolders", "cannot copy %1 to %2")
                             .arg(from.filePath(), to.filePath());
            return false;
        }
    }
    return true;
}
