#include "gamedir/game_backup.h"

#include "platform/native_names.h"
#include "platform/replace_file.h"
#include "storage/gp2psobas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace gamebackup {

namespace {

const QString kManifest = QStringLiteral("manifest.txt");
const QString kPutBack = QStringLiteral("manifest put back.txt");
const QString kStampFormat = QStringLiteral("yyyy-MM-dd hh-mm-ss");
const QChar kTab(u'\t');

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// "<stamp> <command>" or "<stamp> <command> (n)" for the n-th backup made within one second.
const QRegularExpression& folderPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\d \d\d-\d\d-\d\d) .+?(?: \((\d+)\))?$)"));
    return pattern;
}

// The backup folders under root, oldest first.
QStringList backupFolders(const QString& root) {
    struct Found {
        QString key;
        QString name;
    };
    QList<Found> found;
    for (const QString& name : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch m = folderPattern().match(name);
        if (!m.hasMatch())
            continue; // not one of ours: left alone
        const int n = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
        found.append({m.captured(1) + QStringLiteral(" %1").arg(n, 6, 10, QLatin1Char('0')), name});
    }
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.key < b.key; });
    QStringList out;
    for (const Found& f : found)
        out << QDir(root).filePath(f.name);
    return out;
}

void pruneOldest(const QString& root) {
    QStringList folders = backupFolders(root);
    while (folders.size() > kKept)
        QDir(folders.takeFirst()).removeRecursively();
}

bool sameModificationTime(const QString& from, const QString& to) {
    QFile target(to);
    if (!target.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return false;
    return target.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
}

} // namespace

QString backupsFolder(const Gp2PsoBas& bas) {
    // The databases lie in the program folder: the backups go beside them.
    return QDir(bas.AppDir).filePath(QStringLiteral("backups"));
}

Backup::Backup(QString root, QString command, QDateTime when)
    : root_(std::move(root)), command_(std::move(command)), when_(std::move(when)) {}

bool Backup::makeFolder(QString* error) {
    if (!QDir().mkpath(root_)) {
        *error = QStringLiteral("cannot make the folder ") + shown(root_);
        return false;
    }
    const QString stamp = when_.toString(kStampFormat);
    int n = 1;
    for (const QString& existing : backupFolders(root_))
        if (QFileInfo(existing).fileName().startsWith(stamp))
            ++n;
    for (;; ++n) {
        const QString name = stamp + QLatin1Char(' ') + command_ +
                             (n > 1 ? QStringLiteral(" (%1)").arg(n) : QString());
        const QString path = QDir(root_).filePath(name);
        if (QFileInfo::exists(path))
            continue;
        if (!QDir(root_).mkdir(name)) {
            *error = QStringLiteral("cannot make the folder ") + shown(path);
            return false;
        }
        folder_ = path;
        break;
    }
    pruneOldest(root_);
    return true;
}

bool Backup::writeManifest(QString* error) const {
    const QString path = QDir(folder_).filePath(kManifest);
    const QByteArray text =
        (QStringLiteral("command") + kTab + command_ + u'\n' + QStringLiteral("made") + kTab +
         when_.toString(Qt::ISODate) + u'\n' + lines_.join(u'\n') + u'\n')
            .toUtf8();
    const CopyResult written = writeReplacing(path, text);
    if (!written.ok) {
        *error =
            QStringLiteral("cannot write ") + shown(path) + QStringLiteral(": ") + written.error;
        return false;
    }
    return true;
}

bool Backup::keep(const QStringList& paths, QString* error) {
    QString ignored;
    if (!error)
        error = &ignored;
    bool added = false;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (kept_.contains(path) || info.isDir())
            continue; // a folder is never written over by the commands
        if (folder_.isEmpty() && !makeFolder(error))
            return false;
        // A name held as bytes that are not UTF-8 is reached only through those bytes.
        if (info.exists() || nativenames::heldAsBytes(path)) {
            const QString copyName =
                QString::number(kept_.size() + 1) + QLatin1Char(' ') + info.fileName();
            const QString copy = QDir(folder_).filePath(copyName);
            const CopyResult copied = copyOver(path, copy);
            if (!copied.ok) {
                *error = QStringLiteral("cannot copy ") + shown(path) + QStringLiteral(" to ") +
                         shown(folder_) + QStringLiteral(": ") + copied.error;
                return false;
            }
            sameModificationTime(path, copy);
            lines_ << QStringLiteral("file") + kTab + copyName + kTab + path;
            copies_ << copy;
        } else {
            lines_ << QStringLiteral("absent") + kTab + path;
            copies_ << QString();
        }
        kept_ << path;
        added = true;
    }
    return !added || writeManifest(error);
}

void Backup::discardIfUnchanged() {
    if (folder_.isEmpty())
        return;
    for (qsizetype i = 0; i < kept_.size(); ++i) {
        const QFileInfo now(kept_.at(i));
        if (copies_.at(i).isEmpty()) {
            if (now.exists())
                return;
            continue;
        }
        QFile a(kept_.at(i));
        QFile b(copies_.at(i));
        if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size() ||
            a.readAll() != b.readAll())
            return;
    }
    QDir(folder_).removeRecursively();
    folder_.clear();
    lines_.clear();
    kept_.clear();
    copies_.clear();
}

QString Backup::copyOf(const QString& path) const {
    const qsizetype at = kept_.indexOf(path);
    return at < 0 ? QString() : copies_.at(at);
}

std::optional<Saved> newest(const QString& root) {
    QStringList folders = backupFolders(root);
    while (!folders.isEmpty()) {
        const QString folder = folders.takeLast();
        QFile manifest(QDir(folder).filePath(kManifest));
        if (!manifest.open(QIODevice::ReadOnly))
            continue; // put back already, or its first copy never finished
        Saved saved;
        saved.folder = folder;
        for (const QString& line : QString::fromUtf8(manifest.readAll()).split(u'\n')) {
            const QStringList parts = line.split(kTab);
            if (parts.size() == 2 && parts[0] == QLatin1String("command"))
                saved.command = parts[1];
            else if (parts.size() == 2 && parts[0] == QLatin1String("made"))
                saved.when = QDateTime::fromString(parts[1], Qt::ISODate);
            else if (parts.size() == 3 && parts[0] == QLatin1String("file"))
                saved.entries.append({parts[2], QDir(folder).filePath(parts[1])});
            else if (parts.size() == 2 && parts[0] == QLatin1String("absent"))
                saved.entries.append({parts[1], QString()});
        }
        if (!saved.entries.isEmpty())
            return saved;
    }
    return std::nullopt;
}

namespace {
// A command stopped while it wrote leaves its part-written file beside the target; putting the
// target back removes those too, so the folder is as it was.
void removeUnfinishedWrites(const QString& target) {
    const QFileInfo info(target);
    QDir folder = info.absoluteDir();
    const QString pattern = info.fileName() + QStringLiteral(".writing-??????");
    for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden))
        folder.remove(name);
}
} // namespace

QStringList restore(const Saved& saved) {
    QStringList failed;
    for (const Entry& entry : saved.entries) {
        const QString& target = entry.original;
        if (entry.copy.isEmpty()) {
            if (QFileInfo(target).isFile() && !QFile::remove(target))
                failed << shown(target) + QStringLiteral(": cannot remove it");
            removeUnfinishedWrites(target);
            continue;
        }
        QFile copy(entry.copy);
        if (!copy.open(QIODevice::ReadOnly)) {
            failed << shown(target) + QStringLiteral(": ") + copy.errorString();
            continue;
        }
        const QByteArray bytes = copy.readAll();
        QDir().mkpath(QFileInfo(target).absolutePath());
        // Written beside and renamed into place: a stop half-way leaves the file as it is.
        const CopyResult written = writeReplacing(target, bytes);
        if (!written.ok) {
            failed << shown(target) + QStringLiteral(": ") + written.error;
            continue;
        }
        removeUnfinishedWrites(target);
        QFile::setPermissions(target, copy.permissions());
        sameModificationTime(entry.copy, target);
    }
    if (failed.isEmpty())
        QFile::rename(QDir(saved.folder).filePath(kManifest),
                      QDir(saved.folder).filePath(kPutBack));
    return failed;
}

QString failureMessage(const QString& command, const QString& error) {
    return command +
           QStringLiteral(" was stopped before changing anything: the backup of the "
                          "game files could not be written !!!") +
           Gp2PsoBas::CrLf2 + error;
}

} // namespace gamebackup
