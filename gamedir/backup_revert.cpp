#include "gamedir/backup_revert.h"

#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "gamedir/inside_folders.h"
#include "platform/replace_file.h"
#include "platform/shown_text.h"
#include "storage/gp2psobas.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace gamebackup {

namespace {

QString shown(const QString& path) {
    return shown::path(path);
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

// The folders above `folder` that are missing, nearest the root first.
QStringList missingFolders(const QString& folder) {
    QStringList out;
    for (QString at = QDir::cleanPath(folder);
         !QFileInfo(at).exists() && !QFileInfo(at).isSymLink(); at = QFileInfo(at).path()) {
        if (QFileInfo(at).path() == at)
            break;
        out.prepend(at);
    }
    return out;
}

struct PutBack {
    QStringList failed;   // one line per file: the path and why
    bool changed = false; // a target was changed before the failure
};

// Puts every entry back at its target (resolved), all or nothing as far as the disk allows:
// every copy is read, checked against its content name and written beside its place first;
// only when all are written are they renamed in (and the files that were not there removed).
// A full disk or a damaged copy thus stops before any target changed.
PutBack putBackAll(const QList<Entry>& entries, const QStringList& targets) {
    PutBack out;
    QList<StagedFile> staged(entries.size());
    QStringList madeFolders;
    const auto abandon = [&] {
        for (const StagedFile& file : staged)
            dropStaged(file);
        for (auto it = madeFolders.crbegin(); it != madeFolders.crend(); ++it)
            QDir().rmdir(*it);
    };
    for (qsizetype i = 0; i < entries.size() && out.failed.isEmpty(); ++i) {
        const Entry& entry = entries[i];
        const QString& target = targets[i];
        const auto fail = [&](const QString& why) {
            //: A file the revert could not put back, then why.
            out.failed
                << QCoreApplication::translate("gamebackup", "%1: %2").arg(shown(target), why);
        };
        const QFileInfo there(target);
        if (there.isDir() && !there.isSymLink()) {
            fail(QCoreApplication::translate("gamebackup", "a folder stands in its place"));
            break;
        }
        if (entry.copy.isEmpty())
            continue;
        QFile copy(entry.copy);
        if (!copy.open(QIODevice::ReadOnly)) {
            fail(copy.errorString());
            break;
        }
        const QByteArray bytes = copy.readAll();
        if (!entry.sha256.isEmpty() &&
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() !=
                entry.sha256.toLatin1()) {
            fail(QCoreApplication::translate("gamebackup", "its saved copy is damaged"));
            break;
        }
        const QStringList missing = missingFolders(there.absolutePath());
        if (!missing.isEmpty() && !QDir().mkpath(there.absolutePath())) {
            fail(QCoreApplication::translate("gamebackup", "cannot make its folder"));
            break;
        }
        madeFolders << missing;
        const int permissions =
            entry.permissions >= 0 ? entry.permissions : int(copy.permissions());
        const QDateTime modified =
            entry.modified.isValid() ? entry.modified : QFileInfo(entry.copy).lastModified();
        const CopyResult written =
            entry.link.isEmpty() ? stageReplacing(target, bytes, permissions, modified, &staged[i])
                                 : stageLink(target, entry.link, &staged[i]);
        if (!written.ok)
            fail(written.error);
    }
    if (!out.failed.isEmpty()) {
        abandon();
        return out;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString& target = targets[i];
        const QFileInfo there(target);
        QString why;
        if (entries[i].copy.isEmpty()) {
            // A link is removed itself, never what it leads to.
            if ((there.isSymLink() || there.isFile()) && !QFile::remove(target))
                why = QCoreApplication::translate("gamebackup", "cannot remove it");
        } else {
            const CopyResult renamed = commitStaged(staged[i]);
            if (renamed.ok)
                staged[i].temp.clear();
            else
                why = renamed.error;
        }
        if (!why.isEmpty()) {
            out.failed
                << QCoreApplication::translate("gamebackup", "%1: %2").arg(shown(target), why);
            for (const StagedFile& file : staged)
                dropStaged(file);
            return out;
        }
        out.changed = true;
        // A command stopped while it wrote left its part-written file beside the target;
        // putting the target back removes those too, so the folder is as it was.
        removeUnfinishedWrites({target});
    }
    return out;
}

QStringList targetsOf(const Change& change, const QString& game, const QString& root) {
    QStringList out;
    for (const Entry& entry : change.entries)
        out << targetOf(entry.original, game, root);
    return out;
}

// Whether the change named `folderName` (a backup folder's name) is marked put back.
bool isPutBack(const QList<Change>& all, const QString& folderName) {
    for (const Change& change : all)
        if (QFileInfo(change.folder).fileName() == folderName)
            return change.reverted;
    return false;
}

// Puts back what an unfinished revert's record holds (the files as they were before it) and
// removes the record. "" when done, else why not.
QString rollBack(const QString& root, const Change& record, const QString& gameDir) {
    const QString refused = refusal(root, record, gameDir);
    if (!refused.isEmpty())
        return refused;
    const PutBack put = putBackAll(record.entries, targetsOf(record, canonical(gameDir), root));
    if (!put.failed.isEmpty())
        return put.failed.join(QStringLiteral("; "));
    removeFolderOrLink(record.folder);
    removeUnreferenced(root, history(root));
    return {};
}

} // namespace

QStringList damagedFiles(const Change& change, QHash<QString, bool>* checked) {
    QHash<QString, bool> local;
    if (!checked)
        checked = &local;
    QStringList out;
    for (const Entry& entry : change.entries) {
        if (entry.copy.isEmpty())
            continue;
        const auto known = checked->constFind(entry.copy);
        bool sound = false;
        if (known != checked->cend()) {
            sound = *known;
        } else {
            QFile copy(entry.copy);
            const QFileInfo info(entry.copy);
            if (!info.isSymLink() && info.isFile() && copy.open(QIODevice::ReadOnly)) {
                if (entry.sha256.isEmpty()) {
                    sound = true; // an older copy: no content name to check it against
                } else {
                    QCryptographicHash hash(QCryptographicHash::Sha256);
                    sound = hash.addData(&copy) && copy.error() == QFileDevice::NoError &&
                            hash.result().toHex() == entry.sha256.toLatin1();
                }
            }
            checked->insert(entry.copy, sound);
        }
        if (!sound)
            out << entry.original;
    }
    return out;
}

QStringList putBack(const QString& root, const Change& change, const QString& gameDir) {
    const QString refused = refusal(root, change, gameDir);
    if (!refused.isEmpty())
        return {refused};
    return putBackAll(change.entries, targetsOf(change, canonical(gameDir), root)).failed;
}

QStringList finishUnfinished(const QString& root, const QString& gameDir) {
    QStringList out;
    const QList<Change> all = history(root);
    for (const Change& record : all) {
        if (!record.inProgress)
            continue;
        QString why;
        if (isPutBack(all, record.reverts)) {
            // Stopped after the change was marked put back: only the mark was left.
            if (!QFile::remove(QDir(record.folder).filePath(kInProgress)))
                why = QCoreApplication::translate("gamebackup", "cannot remove its mark");
        } else {
            why = rollBack(root, record, gameDir);
        }
        if (!why.isEmpty())
            out << QCoreApplication::translate(
                       "gamebackup", "%1 was stopped half-way and could not be undone: %2")
                       .arg(describe(record), why);
    }
    return out;
}

QString describe(const Change& change) {
    //: A change in the backups: the command that made it, then when ("Install of 2024-05-01 …").
    return QCoreApplication::translate("gamebackup", "%1 of %2")
        .arg(change.command, change.when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

QString refusal(const QString& root, const Change& change, const QString& gameDir) {
    const QString backup = QFileInfo(change.folder).fileName();
    const QString made = describe(change);
    const QString game = canonical(gameDir);
    if (game.isEmpty())
        return QCoreApplication::translate(
                   "gamebackup",
                   "The backup \"%1\" (%2) cannot be put back: the game folder %3 is not there.")
            .arg(backup, made, shown(gameDir));
    if (!change.game.isEmpty() && !sameFolder(change.game, gameDir))
        return QCoreApplication::translate("gamebackup",
                                           "The backup \"%1\" (%2) belongs to the game folder %3, "
                                           "not to the one in use (%4): nothing was put back.")
            .arg(backup, made, shown(change.game), shown(gameDir));
    for (const Entry& entry : change.entries) {
        if (targetOf(entry.original, game, root).isEmpty())
            return QCoreApplication::translate(
                       "gamebackup",
                       "The backup \"%1\" (%2) names %3, which is not inside the game folder in "
                       "use (%4): nothing was put back.")
                .arg(backup, made, shown(entry.original), shown(gameDir));
        // A copy that is not there at all is a damaged backup (damagedFiles), not a hostile one.
        const QFileInfo copy(entry.copy);
        const bool there = copy.exists() || copy.isSymLink();
        if (!entry.copy.isEmpty() && there && !trustedCopy(root, change, entry))
            return QCoreApplication::translate("gamebackup",
                                               "The backup \"%1\" (%2) was not put back: its copy "
                                               "of %3 is not a plain file of the backups folder.")
                .arg(backup, made, shown(entry.original));
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
        if (later.reverted || later.inProgress || undoesLaterCommand(later))
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
        return QCoreApplication::translate("gamebackup", "%1 was put back already.")
            .arg(describe(change));
    if (change.inProgress)
        return QCoreApplication::translate(
                   "gamebackup",
                   "%1 was stopped half-way: it is finished or undone at the next start.")
            .arg(describe(change));
    if (const std::optional<Change> later = laterChangeOfSameFiles(history(root), change))
        return QCoreApplication::translate("gamebackup",
                                           "%1 cannot be reverted: %2 changed the same files "
                                           "later. Revert that change first.")
            .arg(describe(change), describe(*later));
    return {};
}

RevertOutcome revert(const QString& root, const Change& change, const QString& gameDir,
                     const QString& command, const QStringList& leaveOut) {
    RevertOutcome out;
    out.refused = revertRefusal(root, change, gameDir);
    if (!out.refused.isEmpty())
        return out;
    QStringList damaged = damagedFiles(change);
    damaged.removeIf([&](const QString& original) { return leaveOut.contains(original); });
    if (!damaged.isEmpty()) {
        QStringList named;
        for (const QString& original : damaged)
            named << shown(original);
        out.refused = QCoreApplication::translate(
                          "gamebackup", "The backup \"%1\" (%2) was not put back: the saved "
                                        "copies of these files are damaged or missing: %3")
                          .arg(QFileInfo(change.folder).fileName(), describe(change),
                               named.join(QStringLiteral(", ")));
        return out;
    }
    const QString game = canonical(gameDir);
    QList<Entry> entries;
    QStringList targets;
    for (const Entry& entry : change.entries) {
        if (leaveOut.contains(entry.original)) {
            out.left << shown(entry.original);
            continue;
        }
        entries << entry;
        targets << targetOf(entry.original, game, root);
    }

    // The state the revert replaces is a change of its own, so it can be undone too. Its
    // record is written first, marked unfinished, and completed last: a revert stopped
    // half-way is finished or undone by finishUnfinished.
    Backup before(root, command);
    before.setGameFolder(gameDir);
    before.setReverts(QFileInfo(change.folder).fileName());
    before.setInProgress();
    before.replacesLinks(); // a link in a file's place is replaced, never written through
    QString error;
    if (!before.keep(targets, &error)) {
        out.refused = failureMessage(command, error);
        return out;
    }
    const PutBack put = putBackAll(entries, targets);
    QString failure = put.failed.join(Gp2PsoBas::CrLf);
    if (failure.isEmpty() && !QFile::rename(QDir(change.folder).filePath(kManifest),
                                            QDir(change.folder).filePath(kPutBack)))
        failure = QCoreApplication::translate("gamebackup", "cannot mark %1 as put back")
                      .arg(shown(change.folder));
    if (!failure.isEmpty()) {
        const std::optional<Change> record = readChange(before.folder());
        const QString undone =
            !put.changed ? QString()
            : record     ? rollBack(root, *record, gameDir)
                         : QCoreApplication::translate("gamebackup", "its record cannot be read");
        if (undone.isEmpty()) {
            before.discard();
            out.refused = QCoreApplication::translate("gamebackup", "%1 put nothing back: %2")
                              .arg(command, failure);
        } else {
            out.failed << put.failed
                       << QCoreApplication::translate(
                              "gamebackup", "The files changed so far are put back at the next "
                                            "start or Restore, once there is room: %1")
                              .arg(undone);
        }
        return out;
    }
    if (!before.finish(&error))
        std::fprintf(stderr, "%s\n", qPrintable(error)); // finishUnfinished completes it
    return out;
}

} // namespace gamebackup
