#include "platform/gamepath.h"

#include <QDir>
#include <QFileInfo>
#ifdef Q_OS_WIN
#include <QRegularExpression>
#endif
#include <QStringList>

#include <algorithm>

namespace {
bool isSeparator(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

bool present(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The name under `dir` that stands for `name`: the exact name when it exists, else the first
// case-insensitive match in plain sorted order, else nothing.
QString match(const QString& dir, const QString& name) {
    const QString lookIn = dir.isEmpty() ? QStringLiteral(".") : dir;
    if (present(QDir(lookIn).filePath(name)))
        return name;
    QStringList entries = QDir(lookIn).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(entries.begin(), entries.end());
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

// The root of an absolute path ("/"; on Windows also "C:\" and "\\server\share\");
// "" when the path is relative.
QString rootOf(const QString& path) {
#ifdef Q_OS_WIN
    const QString p = QDir::fromNativeSeparators(path);
    static const QRegularExpression unc(QStringLiteral("^//[^/]+/[^/]+/?"));
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:/?"));
    if (const auto m = unc.match(p); m.hasMatch())
        return path.left(m.capturedLength());
    if (const auto m = drive.match(p); m.hasMatch())
        return path.left(m.capturedLength());
#endif
    if (QDir::fromNativeSeparators(path).startsWith(QLatin1Char('/')))
        return path.left(1);
    return {};
}
} // namespace

namespace gamepath {

QString sep() {
    return QString(QDir::separator());
}

QString withTrailingSeparator(const QString& dir) {
    // An empty folder stays empty: a lone separator would name the root instead.
    if (dir.isEmpty())
        return {};
    QString out = QDir::toNativeSeparators(dir);
    if (!out.endsWith(QDir::separator()))
        out += sep();
    return out;
}

QString join(const QString& base, const QString& relative) {
    QString out = base.isEmpty() ? QString() : withTrailingSeparator(base);
    QStringList parts;
    QString part;
    for (const QChar c : relative) {
        if (isSeparator(c)) {
            if (!part.isEmpty())
                parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.isEmpty())
        parts << part;

    bool resolving = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString name = parts.at(i);
        if (resolving) {
            const QString found = match(out, name);
            if (found.isEmpty())
                resolving = false; // nothing below a missing entry can exist
            else
                name = found;
        }
        out += name;
        if (i + 1 < parts.size())
            out += sep();
    }
    if (!parts.isEmpty() && isSeparator(relative.back()))
        out += sep();
    return out;
}

QString resolve(const QString& path) {
    const QString root = rootOf(path);
    if (root.isEmpty())
        return join(QString(), path);
    return join(QDir::toNativeSeparators(root), path.mid(root.size()));
}

} // namespace gamepath
