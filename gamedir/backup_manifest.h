#pragma once
// The manifest of one backup folder (manifest.txt; "manifest put back.txt" once reverted): the
// command, when it ran, its place in the order of the backups, the game folder it belongs to
// and one line per kept file. Older versions wrote only the command, the local time and lines
// `file <copy in the folder> <original>`; those folders are still read.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace gamebackup {

// One file of a backup: `copy` is "" when the file was not there before the command.
struct Entry {
    QString original;
    QString copy;       // the saved bytes: in the content store, or in the folder (older ones)
    QString sha256;     // the content's name in the store (hex); "" for an older copy
    QDateTime modified; // the file's time when it was kept; invalid when not noted
    int permissions = -1;
    QString link; // the text of the symbolic link that stood at `original`; "" for a file
};

// One kept change.
struct Change {
    QString folder;
    QString command;
    QDateTime when;          // local time
    QDateTime utc;           // invalid for older backups
    qint64 sequence = -1;    // the order of the backups; -1 for older ones (before every other)
    QString game;            // the game folder the files belong to; "" for older backups
    QString reverts;         // the folder name of the change this one undid, "" for a command's
    bool reverted = false;   // put back already
    bool inProgress = false; // a revert's record whose revert has not finished (kInProgress)
    QList<Entry> entries;
};
using Saved = Change;

inline const QString kManifest = QStringLiteral("manifest.txt");
inline const QString kPutBack = QStringLiteral("manifest put back.txt");
inline const QString kContents = QStringLiteral("contents"); // the content store's folder
// In a revert's folder while the revert runs: made before its manifest, removed when done.
inline const QString kInProgress = QStringLiteral("revert unfinished");

// The change a backup folder holds; nullopt when its manifest is missing or lists no file (its
// first copy never finished). The copies of store entries lie in <root>/contents.
std::optional<Change> readChange(const QString& folder);
// The change a manifest's `text` describes, as readChange gives it (inProgress is not looked
// at).
std::optional<Change> changeOfText(const QString& folder, const QByteArray& text, bool reverted);

// The manifest's text for `change` (folder and reverted are not written).
QByteArray manifestText(const Change& change);

// Whether `name` is a content's name in the store: 64 lower-case hex digits.
bool isContentName(const QString& name);

} // namespace gamebackup
