#include "gamedir/inside_folders.h"

#include "platform/shown_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace insidefolders {

namespace {

QString canonical(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

// `original` with its folders resolved (and the last part, when Followed and a link that leads
// somewhere); "" when it is no plain absolute path. `blocked` tells that what stands at one of
// its folders is no folder, so nothing can be written there.
QString resolved(const QString& original, LastPart last, bool* blocked) {
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
    const QFileInfo self(QDir::cleanPath(path));
    if (last == LastPart::Followed && self.isSymLink() && self.exists())
        return self.canonicalFilePath();
    QString existing = self.path();
    QStringList missing;
    for (;;) {
        const QFileInfo info(existing);
        if (info.exists() || info.isSymLink())
            break;
        const QString up = info.path();
        if (up == existing)
            return {};
        missing.prepend(info.fileName());
        existing = up;
    }
    const QFileInfo parent(existing);
    const QString real = parent.canonicalFilePath();
    if (real.isEmpty())
        return {};
    *blocked = !parent.isDir();
    QStringList rest = missing;
    rest << parts.last();
    return real + u'/' + rest.join(u'/');
}

bool liesIn(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder + u'/');
}

} // namespace

QString resolvedInside(const QString& original, const QString& folder, LastPart last) {
    bool blocked = false;
    const QString path = resolved(original, last, &blocked);
    return !blocked && liesIn(path, folder) ? path : QString();
}

QString outsideRefusal(const QStringList& paths, const QString& gameDir, const QString& programDir,
                       LastPart last) {
    const QString game = canonical(gameDir), program = canonical(programDir);
    for (const QString& path : paths) {
        // A file standing where a folder of the path should be is no way out: the command's
        // write fails there and says so.
        bool blocked = false;
        const QString real = resolved(path, last, &blocked);
        // The program's own files lie in its folder itself; the backups below it are no
        // command's to write.
        if (liesIn(real, game) || (!program.isEmpty() && QFileInfo(real).path() == program))
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
                .arg(shown::path(path), shown::path(gameDir));
        return QCoreApplication::translate(
                   "insidefolders",
                   "%1 leads outside the game folder %2 (to %3), through a link or a linked "
                   "folder. Pistaro changes no file there: remove the link or change the file "
                   "yourself.")
            .arg(shown::path(path), shown::path(gameDir), shown::path(where));
    }
    return {};
}

} // namespace insidefolders
