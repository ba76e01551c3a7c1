#include "gamedir/inside_folders.h"

#include "platform/shown_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace insidefolders {

namespace {

QString canonical(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

bool liesIn(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder + u'/');
}

QString parentOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// What stands at `path` itself, not followed: 0 nothing, 1 a folder, 2 a link, 3 anything else.
int kindAt(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return S_ISDIR(st.st_mode) ? 1 : S_ISLNK(st.st_mode) ? 2 : 3;
#else
    const QFileInfo info(path);
    return info.isSymLink() ? 2 : info.isDir() ? 1 : info.exists() ? 3 : 0;
#endif
}

} // namespace

Judge::Judge(const QString& gameDir, const QString& programDir)
    : gameDir_(gameDir), game_(canonical(gameDir)), program_(canonical(programDir)) {}

Judge Judge::ofResolved(const QString& canonicalGame) {
    Judge judge({}, {});
    judge.gameDir_ = judge.game_ = canonicalGame;
    return judge;
}

std::optional<Judge::Folder> Judge::existing(const QString& path) {
    if (const auto it = seen_.constFind(path); it != seen_.constEnd())
        return *it;
    Folder folder;
    if (path == QLatin1String("/")) {
        folder.real = path;
    } else {
        const int kind = kindAt(path);
        if (kind == 0)
            return std::nullopt; // looked at again next time: the command may make it
        const std::optional<Folder> up = existing(parentOf(path));
        if (!up || up->real.isEmpty() || !up->isFolder) {
            folder.real.clear(); // nothing can stand below a file or an unresolved link
            folder.isFolder = false;
        } else if (kind == 2) {
            const QFileInfo target(joined(up->real, QFileInfo(path).fileName()));
            folder.real = target.canonicalFilePath(); // "" for a dangling link
            folder.isFolder = target.isDir();
        } else {
            folder.real = joined(up->real, QFileInfo(path).fileName());
            folder.isFolder = kind == 1;
        }
    }
    seen_.insert(path, folder);
    return folder;
}

QString Judge::resolved(const QString& original, LastPart last, bool* blocked) {
    *blocked = false;
    const QString path = QDir::fromNativeSeparators(original);
    if (!QDir::isAbsolutePath(path))
        return {};
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    for (const QString& part : parts)
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return {};
    const QString self = QDir::cleanPath(path);
    if (last == LastPart::Followed && kindAt(self) == 2) {
        const QFileInfo info(self);
        if (info.exists())
            return info.canonicalFilePath();
    }
    // The deepest folder on the way that exists; the parts below it are still to be made.
    QString there = parentOf(self);
    QStringList missing;
    std::optional<Folder> folder = existing(there);
    while (!folder) {
        const QString up = parentOf(there);
        if (up == there)
            return {};
        missing.prepend(QFileInfo(there).fileName());
        there = up;
        folder = existing(there);
    }
    if (folder->real.isEmpty())
        return {};
    *blocked = !folder->isFolder;
    QStringList rest = missing;
    rest << parts.last();
    return joined(folder->real, rest.join(u'/'));
}

QString Judge::resolvedInside(const QString& original, LastPart last) {
    bool blocked = false;
    const QString path = resolved(original, last, &blocked);
    return !blocked && liesIn(path, game_) ? path : QString();
}

QString Judge::refusal(const QStringList& paths, LastPart last) {
    for (const QString& path : paths) {
        // A file standing where a folder of the path should be is no way out: the command's
        // write fails there and says so.
        bool blocked = false;
        const QString real = resolved(path, last, &blocked);
        // The program's own files lie in its folder itself; the backups below it are no
        // command's to write.
        if (liesIn(real, game_) ||
            (!program_.isEmpty() && !real.isEmpty() && parentOf(real) == program_))
            continue;
        const QFileInfo info(path);
        const QString where = info.isSymLink() && last == LastPart::Followed
                                  ? info.symLinkTarget()
                                  : QFileInfo(info.absolutePath()).canonicalFilePath();
        if (where.isEmpty())
            return QCoreApplication::translate(
                       "insidefolders",
                       "%1 leads outside the game folder %2, through a link or a linked folder. "
                       "Pistaro changes no file there: remove the link or change the file "
                       "yourself.")
                .arg(shown::path(path), shown::path(gameDir_));
        return QCoreApplication::translate(
                   "insidefolders",
                   "%1 leads outside the game folder %2 (to %3), through a link or a linked "
                   "folder. Pistaro changes no file there: remove the link or change the file "
                   "yourself.")
            .arg(shown::path(path), shown::path(gameDir_), shown::path(where));
    }
    return {};
}

QString resolvedInside(const QString& path, const QString& folder, LastPart last) {
    return Judge::ofResolved(folder).resolvedInside(path, last);
}

QString outsideRefusal(const QStringList& paths, const QString& gameDir, const QString& programDir,
                       LastPart last) {
    return Judge(gameDir, programDir).refusal(paths, last);
}

} // namespace insidefolders
