#include "gamedir/backup_store.h"

#include "platform/binfile.h"
#include "platform/program_settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace gamebackup {

namespace {

const QString kCountKey = QStringLiteral("Backups/Count");
const QString kMegabytesKey = QStringLiteral("Backups/Megabytes");
constexpr qint64 kMiB = 1024 * 1024;

// "<stamp> <command>" or "<stamp> <command> (n)" for the n-th backup made within one second.
const QRegularExpression& folderPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\d \d\d-\d\d-\d\d) .+?(?: \((\d+)\))?$)"));
    return pattern;
}

// The order of the older backups: their stamp, then their number within the second.
QString stampKey(const QString& folder) {
    const QRegularExpressionMatch m = folderPattern().match(QFileInfo(folder).fileName());
    const int n = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
    return m.captured(1) + QStringLiteral(" %1").arg(n, 6, 10, QLatin1Char('0'));
}

bool before(const Change& a, const Change& b) {
    const bool aOld = a.sequence < 0, bOld = b.sequence < 0;
    if (aOld != bOld)
        return aOld;
    if (!aOld)
        return a.sequence < b.sequence;
    return stampKey(a.folder) < stampKey(b.folder);
}

// The folders under root named as backups, links included.
QFileInfoList backupEntries(const QString& root) {
    QFileInfoList out;
    const QFileInfoList all = QDir(root).entryInfoList(QDir::AllEntries | QDir::System |
                                                       QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : all)
        if (isBackupFolderName(info.fileName()))
            out << info;
    return out;
}

// A manifest as it stands on disk, and which of the two names it has.
struct ManifestId {
    binfile::ExactStamp stamp;
    bool putBack = false; // "manifest put back.txt" rather than manifest.txt
    bool operator==(const ManifestId&) const = default;
};

std::optional<ManifestId> manifestId(const QString& folder) {
    for (const QString& name : {kManifest, kPutBack}) {
        const std::optional<binfile::ExactStamp> stamp =
            binfile::exactStamp(QDir(folder).filePath(name));
        if (!stamp)
            continue;
        if (!stamp->regular)
            return std::nullopt;
        return ManifestId{*stamp, name == kPutBack};
    }
    return std::nullopt;
}

// The manifests read or written by this run, by folder: history() is asked twice by every
// backup (for the next sequence number and to prune) and lists every kept change, so each
// manifest is read once until it changes. One changed less than a second before it was read is
// read again next time, as a change within the same tick of the file system's clock might not
// show in its times; one this run wrote is known from its text.
struct ReadManifest {
    ManifestId id;
    Change change;
};
QMutex readManifestsLock;
QHash<QString, ReadManifest>& readManifests() {
    static QHash<QString, ReadManifest> read;
    return read;
}

std::optional<Change> changeIn(const QString& folder) {
    const std::optional<ManifestId> before = manifestId(folder);
    if (before) {
        const QMutexLocker lock(&readManifestsLock);
        const auto it = readManifests().constFind(folder);
        if (it != readManifests().constEnd() && it->id == *before) {
            Change change = it->change;
            // The mark of an unfinished revert is a file of its own.
            change.inProgress = QFileInfo::exists(QDir(folder).filePath(kInProgress));
            return change;
        }
    }
    std::optional<Change> change = readChange(folder);
    if (change && before && change->reverted == before->putBack &&
        before->stamp.settledAt(QDateTime::currentMSecsSinceEpoch()) &&
        manifestId(folder) == before) {
        const QMutexLocker lock(&readManifestsLock);
        readManifests().insert(folder, {*before, *change});
    }
    return change;
}

} // namespace

void noteWrittenManifest(const QString& folder, const QByteArray& text) {
    const std::optional<ManifestId> id = manifestId(folder);
    if (!id || id->putBack)
        return;
    if (std::optional<Change> change = changeOfText(folder, text, false)) {
        const QMutexLocker lock(&readManifestsLock);
        readManifests().insert(folder, {*id, *change});
    }
}

namespace {

// Forgets the manifests read under `root` whose folders are gone (pruned, discarded).
void forgetOthers(const QString& root, const QSet<QString>& folders) {
    const QMutexLocker lock(&readManifestsLock);
    const QString prefix = QDir(root).path() + u'/';
    readManifests().removeIf([&](const QHash<QString, ReadManifest>::iterator it) {
        return it.key().startsWith(prefix) && !folders.contains(it.key());
    });
}

} // namespace

void removeUnreferenced(const QString& root, const QList<Change>& kept, const QStringList& only) {
    const QString store = QDir(root).filePath(kContents);
    const QFileInfo storeInfo(store);
    if (storeInfo.isSymLink() || !storeInfo.isDir())
        return;
    QSet<QString> referenced;
    for (const Change& change : kept)
        for (const Entry& entry : change.entries)
            if (!entry.sha256.isEmpty())
                referenced.insert(entry.sha256);
    const QDir dir(store);
    const QStringList names =
        only.isEmpty() ? dir.entryList(QDir::Files | QDir::System | QDir::Hidden) : only;
    for (const QString& name : names)
        if (!referenced.contains(QFileInfo(name).fileName()))
            QFile::remove(dir.filePath(QFileInfo(name).fileName()));
}

Limits limits() {
    const QSettings settings = programSettings();
    Limits out;
    out.count = qMax(1, settings.value(kCountKey, out.count).toInt());
    out.megabytes = qMax<qint64>(1, settings.value(kMegabytesKey, out.megabytes).toLongLong());
    return out;
}

void setLimits(const Limits& limits) {
    QSettings settings = programSettings();
    settings.setValue(kCountKey, qMax(1, limits.count));
    settings.setValue(kMegabytesKey, qMax<qint64>(1, limits.megabytes));
}

bool isBackupFolderName(const QString& name) {
    return folderPattern().match(name).hasMatch();
}

QList<Change> history(const QString& root) {
    QList<Change> out;
    QSet<QString> folders;
    for (const QFileInfo& info : backupEntries(root)) {
        if (info.isSymLink() || !info.isDir())
            continue; // a link is never one of ours: it could lead anywhere
        folders.insert(info.filePath());
        if (std::optional<Change> change = changeIn(info.filePath()))
            out.append(*change);
    }
    forgetOthers(root, folders);
    std::stable_sort(out.begin(), out.end(), before);
    return out;
}

qint64 keptBytes(const QList<Change>& changes) {
    QSet<QString> counted;
    qint64 total = 0;
    for (const Change& change : changes)
        for (const Entry& entry : change.entries) {
            if (entry.copy.isEmpty() || counted.contains(entry.copy))
                continue;
            counted.insert(entry.copy);
            total += QFileInfo(entry.copy).size();
        }
    return total;
}

void removeFolderOrLink(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        QFile::remove(path); // the link itself, never what it leads to
    else if (info.isDir())
        QDir(path).removeRecursively(); // links inside are removed as links
}

void prune(const QString& root, const QString& keep, const Limits& limits) {
    QList<Change> kept = history(root);
    const qint64 maxBytes = limits.megabytes * kMiB;
    for (;;) {
        if (kept.size() <= limits.count && keptBytes(kept) <= maxBytes)
            break;
        const auto oldest = std::find_if(kept.begin(), kept.end(),
                                         [&](const Change& c) { return c.folder != keep; });
        if (oldest == kept.end())
            break;
        removeFolderOrLink(oldest->folder);
        kept.erase(oldest);
    }
    removeUnreferenced(root, kept);
}

void clearUnfinished(const QString& root) {
    const QFileInfo rootInfo(root);
    if (rootInfo.isSymLink() || !rootInfo.isDir())
        return;
    for (const QFileInfo& info : backupEntries(root))
        if (info.isSymLink() || (info.isDir() && !readChange(info.filePath())))
            removeFolderOrLink(info.filePath());
    removeUnreferenced(root, history(root));
}

} // namespace gamebackup
