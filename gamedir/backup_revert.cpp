#include "gamedir/backup_revert.h"

#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "gamedir/inside_folders.h"
#include "platform/replace_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace gamebackup {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

bool sameFolder(const QString& a, const QString& b) {
    const QString ca = canonical(a);
    return (!ca.isEmpty() && ca == canonical(b)) || QDir::cleanPath(a) == QDir::cleanPath(b);
}

// The one file outside the game folder a change may hold: the program folder's pack list (the
// backups folder lies in the program folder), which Delete Track Pack keeps with the pack so a
// restored pack is listed again. "" for any other path.
QString packListOf(const QString& original, const QString& root) {
    const QFileInfo info(QDir::cleanPath(QDir::fromNativeSeparators(original)));
    const QString program = canonical(QFileInfo(QDir::cleanPath(root)).path());
    if (!info.isAbsolute() || info.fileName() != QLatin1String("Packs.txt") || program.isEmpty() ||
        canonical(info.path()) != program)
        return {};
    return program + QStringLiteral("/Packs.txt");
}

// Where a change's file goes back: inside the game folder, or the pack list; "" when nowhere.
QString targetOf(const QString& original, const QString& game, const QString& root) {
    const QString inside = insidefolders::resolvedInside(original, game);
    return inside.isEmpty() ? packListOf(original, root) : inside;
}

// Whether the copy of `entry` is a plain file inside the backups folder's own store (or, for a
// backup of the older kind, inside its own folder).
bool trustedCopy(const QString& root, const Change& change, const Entry& entry) {
    const QFileInfo copy(entry.copy);
    if (copy.isSymLink() || !copy.isFile())
        return false;
    if (!entry.sha256.isEmpty()) {
        const QString store = QDir(root).filePath(kContents);
        return isContentName(entry.sha256) && !QFileInfo(store).isSymLink() &&
               QDir::cleanPath(entry.copy) == QDir::cleanPath(QDir(store).filePath(entry.sha256));
    }
    const QString name = copy.fileName();
    return !QFileInfo(change.folder).isSymLink() && name != QLatin1String("..") &&
           QDir::cleanPath(copy.absolutePath()) == QDir::cleanPath(change.folder) &&
           name != kManifest && name != kPutBack;
}

QString lowered(const QString& path) {
    return QDir::cleanPath(QDir::fromNativeSeparators(path)).toLower();
}

QSet<QString> filesOf(const Change& change) {
    QSet<QString> out;
    for (const Entry& entry : change.entries)
        out.insert(lowered(entry.original));
    return out;
}

// A command stopped while it wrote leaves its part-written file beside the target; putting the
// target back removes those too, so the folder is as it was.
void removeUnfinishedWrites(const QString& target) {
    const QFileInfo info(target);
    QDir folder = info.absoluteDir();
    const QString pattern = info.fileName() + QStringLiteral(".writing-??????");
    for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden))
        folder.remove(name);
}

void setModified(const QString& path, const QDateTime& when) {
    QFile target(path);
    if (when.isValid() && target.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        target.setFileTime(when, QFileDevice::FileModificationTime);
}

// Puts one file back at `target` (resolved); "" when done, else why not.
QString putBack(const Entry& entry, const QString& target) {
    const QFileInfo there(target);
    if (entry.copy.isEmpty()) {
        // A link is removed itself, never what it leads to.
        if ((there.isSymLink() || there.isFile()) && !QFile::remove(target))
            return QStringLiteral("cannot remove it");
        removeUnfinishedWrites(target);
        return {};
    }
    QFile copy(entry.copy);
    if (!copy.open(QIODevice::ReadOnly))
        return copy.errorString();
    const QByteArray bytes = copy.readAll();
    if (!entry.sha256.isEmpty() &&
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() !=
            entry.sha256.toLatin1())
        return QStringLiteral("its saved copy is damaged");
    if (there.isSymLink()) {
        if (!QFile::remove(target))
            return QStringLiteral("cannot remove the link in its place");
    } else if (there.isDir()) {
        return QStringLiteral("a folder stands in its place");
    }
    QDir().mkpath(there.absolutePath());
    // Written beside and renamed into place: a stop half-way leaves the file as it is.
    const CopyResult written = writeReplacing(target, bytes);
    if (!written.ok)
        return written.error;
    removeUnfinishedWrites(target);
    QFile::setPermissions(target, entry.permissions >= 0
                                      ? QFileDevice::Permissions(entry.permissions)
                                      : copy.permissions());
    setModified(target,
                entry.modified.isValid() ? entry.modified : QFileInfo(entry.copy).lastModified());
    return {};
}

} // namespace

QString describe(const Change& change) {
    return change.command + QStringLiteral(" of ") +
           change.when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString refusal(const QString& root, const Change& change, const QString& gameDir) {
    const QString name = QStringLiteral("The backup \"") + QFileInfo(change.folder).fileName() +
                         QStringLiteral("\" (") + describe(change) + QStringLiteral(")");
    const QString game = canonical(gameDir);
    if (game.isEmpty())
        return name + QStringLiteral(" cannot be put back: the game folder ") + shown(gameDir) +
               QStringLiteral(" is not there.");
    if (!change.game.isEmpty() && !sameFolder(change.game, gameDir))
        return name + QStringLiteral(" belongs to the game folder ") + shown(change.game) +
               QStringLiteral(", not to the one in use (") + shown(gameDir) +
               QStringLiteral("): nothing was put back.");
    for (const Entry& entry : change.entries) {
        if (targetOf(entry.original, game, root).isEmpty())
            return name + QStringLiteral(" names ") + shown(entry.original) +
                   QStringLiteral(", which is not inside the game folder in use (") +
                   shown(gameDir) + QStringLiteral("): nothing was put back.");
        if (!entry.copy.isEmpty() && !trustedCopy(root, change, entry))
            return name + QStringLiteral(" was not put back: its copy of ") +
                   shown(entry.original) +
                   QStringLiteral(" is not a plain file of the backups folder.");
    }
    return {};
}

std::optional<Change> laterChangeOfSameFiles(const QList<Change>& history, const Change& change) {
    qsizetype at = -1;
    for (qsizetype i = 0; i < history.size(); ++i)
        if (history[i].folder == change.folder)
            at = i;
    if (at < 0)
        return std::nullopt;
    const QSet<QString> files = filesOf(change);
    const auto undoesLaterCommand = [&](const Change& later) {
        if (later.reverts.isEmpty())
            return false;
        for (qsizetype i = at + 1; i < history.size(); ++i)
            if (QFileInfo(history[i].folder).fileName() == later.reverts)
                return history[i].reverted && history[i].reverts.isEmpty();
        return false;
    };
    for (qsizetype i = at + 1; i < history.size(); ++i) {
        const Change& later = history[i];
        if (later.reverted || undoesLaterCommand(later))
            continue;
        if (filesOf(later).intersects(files))
            return later;
    }
    return std::nullopt;
}

QString revertRefusal(const QString& root, const Change& change, const QString& gameDir) {
    const QString refused = refusal(root, change, gameDir);
    if (!refused.isEmpty())
        return refused;
    if (change.reverted)
        return describe(change) + QStringLiteral(" was put back already.");
    if (const std::optional<Change> later = laterChangeOfSameFiles(history(root), change))
        return describe(change) + QStringLiteral(" cannot be reverted: ") + describe(*later) +
               QStringLiteral(" changed the same files later. Revert that change first.");
    return {};
}

RevertOutcome revert(const QString& root, const Change& change, const QString& gameDir,
                     const QString& command) {
    RevertOutcome out;
    out.refused = revertRefusal(root, change, gameDir);
    if (!out.refused.isEmpty())
        return out;
    const QString game = canonical(gameDir);
    QStringList targets;
    for (const Entry& entry : change.entries)
        targets << targetOf(entry.original, game, root);

    // The state the revert replaces is a change of its own, so it can be undone too.
    Backup before(root, command);
    before.setGameFolder(gameDir);
    before.setReverts(QFileInfo(change.folder).fileName());
    before.replacesLinks(); // a link in a file's place is replaced, never written through
    QString error;
    if (!before.keep(targets, &error)) {
        out.refused = failureMessage(command, error);
        return out;
    }
    for (qsizetype i = 0; i < change.entries.size(); ++i) {
        const QString why = putBack(change.entries[i], targets[i]);
        if (!why.isEmpty())
            out.failed << shown(targets[i]) + QStringLiteral(": ") + why;
    }
    if (out.failed.isEmpty())
        QFile::rename(QDir(change.folder).filePath(kManifest),
                      QDir(change.folder).filePath(kPutBack));
    return out;
}

} // namespace gamebackup
