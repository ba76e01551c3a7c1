#include "gamedir/inside_folders.h"

#include "platform/shown_text.h"

#include <QDir>
#include <QFileInfo>

namespace insidefolders {

namespace {

QString canonical(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

} // namespace

QString resolvedInside(const QString& original, const QString& folder, LastPart last) {
    const QString path = QDir::fromNativeSeparators(original);
    if (folder.isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    for (const QString& part : parts)
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return {};
    const QFileInfo self(QDir::cleanPath(path));
    if (last == LastPart::Followed && self.isSymLink() && self.exists()) {
        const QString target = self.canonicalFilePath();
        return target.startsWith(folder + u'/') ? target : QString();
    }
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
    if (real.isEmpty() || !parent.isDir())
        return {};
    QStringList rest = missing;
    rest << parts.last();
    const QString resolved = real + u'/' + rest.join(u'/');
    return resolved.startsWith(folder + u'/') ? resolved : QString();
}

QString outsideRefusal(const QStringList& paths, const QString& gameDir, const QString& programDir,
                       LastPart last) {
    const QString game = canonical(gameDir), program = canonical(programDir);
    for (const QString& path : paths) {
        if (!resolvedInside(path, game, last).isEmpty() ||
            !resolvedInside(path, program, last).isEmpty())
            continue;
        const QFileInfo info(path);
        const QString where = info.isSymLink() && last == LastPart::Followed
                                  ? info.symLinkTarget()
                                  : QFileInfo(info.absolutePath()).canonicalFilePath();
        return shown::path(path) + QStringLiteral(" leads outside the game folder ") +
               shown::path(gameDir) +
               (where.isEmpty() ? QString() : QStringLiteral(" (to ") + shown::path(where) + u')') +
               QStringLiteral(", through a link or a linked folder. Pistaro changes no file "
                              "there: remove the link or change the file yourself.");
    }
    return {};
}

} // namespace insidefolders
