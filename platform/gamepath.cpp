#include "platform/gamepath.h"

#include <QDir>
#include <QFileInfo>
#ifdef Q_OS_WIN
#include <QRegularExpression>
#endif
#include <QStringList>

#include <algorithm>
#include <atomic>

namespace {
// Folders listed so far, for foldersListed().
std::atomic<qint64> listingsMade{0};

bool isSeparator(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

bool present(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The name under `dir` that stands for `name`: the exact name when it exists, else the first
// case-insensitive match in plain sorted order, else nothing.
QString lookIn(const QString& dir) {
    return dir.isEmpty() ? QStringLiteral(".") : dir;
}

QStringList sortedEntries(const QString& dir) {
    ++listingsMade;
    QStringList entries =
        QDir(lookIn(dir))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Unsorted);
    std::sort(entries.begin(), entries.end());
    return entries;
}

QString match(const QString& dir, const QString& name, gamepath::Listings* cache) {
    if (cache)
        return cache->match(dir, name);
    if (present(QDir(lookIn(dir)).filePath(name)))
        return name;
    for (const QString& entry : sortedEntries(dir))
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

static QString joinWith(const QString& base, const QString& relative, gamepath::Listings* cache) {
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
            const QString found = match(out, name, cache);
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

QString circuitsFolder(const QString& gameDir) {
    return join(gameDir, QStringLiteral("Circuits"));
}

QString join(const QString& base, const QString& relative) {
    return joinWith(base, relative, nullptr);
}

QString join(const QString& base, const QString& relative, Listings& cache) {
    return joinWith(base, relative, &cache);
}

Listings::Folder& Listings::folder(const QString& dir) {
    const QString key = QDir::cleanPath(lookIn(dir));
    auto it = folders_.find(key);
    if (it != folders_.end())
        return *it;
    Folder listed;
    for (const QString& entry : sortedEntries(dir)) {
        listed.exact.insert(entry, entry);
        const QString folded = entry.toCaseFolded();
        if (!listed.folded.contains(folded))
            listed.folded.insert(folded, entry);
    }
    return *folders_.insert(key, listed);
}

QString Listings::match(const QString& dir, const QString& name) {
    // A folder whose names are all found as given is never listed.
    const QString where = QDir::cleanPath(lookIn(dir));
    if (!folders_.contains(where) && present(QDir(where).filePath(name)))
        return name;
    Folder& f = folder(dir);
    if (f.exact.contains(name))
        return name;
    return f.folded.value(name.toCaseFolded());
}

void Listings::added(const QString& path) {
    const QFileInfo info(QDir::cleanPath(path));
    const auto it = folders_.find(QDir::cleanPath(info.path()));
    if (it == folders_.end())
        return; // listed when first asked, with the new entry
    const QString name = info.fileName();
    if (it->exact.contains(name))
        return;
    it->exact.insert(name, name);
    const QString folded = name.toCaseFolded();
    const auto first = it->folded.find(folded);
    if (first == it->folded.end() || name < *first)
        it->folded.insert(folded, name);
}

qint64 foldersListed() {
    return listingsMade.load();
}

QString resolve(const QString& path) {
    const QString root = rootOf(path);
    if (root.isEmpty())
        return join(QString(), path);
    return join(QDir::toNativeSeparators(root), path.mid(root.size()));
}

} // namespace gamepath
