#pragma once
// Where a path really leads, judged against the folders the program may change: the game folder
// and the program folder. One rule for the commands (before their backup is taken) and for
// putting a backup back, so a link or a folder that leads elsewhere is refused by both alike.
#include <QString>
#include <QStringList>

namespace insidefolders {

// What becomes of a link standing at the path itself.
enum class LastPart {
    Replaced, // the command replaces or removes the link: only its folders are judged
    Followed, // the command writes through the link: where it leads is judged too
};

// Where `path` lies once its folders are resolved (links and all), or "" when it is no plain
// absolute path (no `.` or `..` parts) or does not lie inside `folder` (a canonical path). The
// last part is resolved only when it is a link and `last` is Followed; a dangling link there is
// replaced by whatever writes to it, so it is judged as the link itself.
QString resolvedInside(const QString& path, const QString& folder,
                       LastPart last = LastPart::Replaced);

// Why a command may not change `paths`: the first one that leads neither inside `gameDir` nor
// to a file directly in `programDir` (its own files, such as Packs.txt; not the backups below
// it), named in the message; "" when all may be changed. Either folder may be "".
QString outsideRefusal(const QStringList& paths, const QString& gameDir, const QString& programDir,
                       LastPart last);

} // namespace insidefolders
