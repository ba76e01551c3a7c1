#pragma once
// The backups folder as a whole: the kept changes in their order, the limits of what is kept,
// pruning and the clean-up at the start. Each distinct content is kept once, in <root>/contents
// under its SHA-256, shared by the backups that hold it.
#include "gamedir/backup_manifest.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace gamebackup {

// How much is kept: the newest changes up to a count and a total size of the contents. A
// setting of this machine (File > Setup Pistaro), not of a database.
struct Limits {
    int count = 20;
    qint64 megabytes = 200;
};
Limits limits();
void setLimits(const Limits& limits);

// Whether `name` is the name of a backup folder: "<yyyy-MM-dd hh-mm-ss> <command>".
bool isBackupFolderName(const QString& name);

// Every kept change under root, oldest first: the older backups by their time, then the others
// by their sequence number. Links and folders without a complete manifest are left out.
QList<Change> history(const QString& root);

// The bytes the kept changes take: each content once.
qint64 keptBytes(const QList<Change>& changes);

// Removes the oldest changes until the rest fit `limits`, never the folder `keep` (the one just
// made), then the contents no kept change refers to. Only real folders are removed: a link in
// the backups folder is removed as a link, never followed.
void prune(const QString& root, const QString& keep, const Limits& limits);

// At the start: removes backup folders without a complete manifest (a backup stopped before its
// first copy was noted), links in the place of backup folders, the contents no change refers to
// and the parts of contents whose writing was stopped.
void clearUnfinished(const QString& root);
// Tells history() the text of the manifest just written into `folder`, so it is not read back.
void noteWrittenManifest(const QString& folder, const QByteArray& text);

// Removes the files of the content store that no change of `kept` refers to: every such file,
// or only those of `only` (paths or names in the store) when it is not empty.
void removeUnreferenced(const QString& root, const QList<Change>& kept,
                        const QStringList& only = {});

// Removes the folder at `path` when it is a real folder, or the link itself when it is a link.
void removeFolderOrLink(const QString& path);

} // namespace gamebackup
