#pragma once
// Where a path really leads, judged against the folders the program may change: the game folder
// and the program folder. One rule for the commands (before their backup is taken) and for
// putting a backup back, so a link or a folder that leads elsewhere is refused by both alike.
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace insidefolders {

// What becomes of a link standing at the path itself.
enum class LastPart {
    Replaced, // the command replaces or removes the link: only its folders are judged
    Followed, // the command writes through the link: where it leads is judged too
};

// Judges the paths of one command. The game and program folders are resolved once, and each
// folder on the way to a path is looked at once (one lstat per part, links resolved where they
// stand), however many paths lie in it: a command judges many files in a few folders. What does
// not exist yet is looked at again each time, so a folder the command makes is seen.
class Judge {
public:
    Judge(const QString& gameDir, const QString& programDir);
    // A judge of the game folder `canonicalGame`, taken as it is given (already resolved).
    static Judge ofResolved(const QString& canonicalGame);

    // Why the command may not change `paths`: the first one that leads neither inside the game
    // folder nor to a file directly in the program folder (its own files, such as Packs.txt;
    // not the backups below it), named in the message; "" when all may be changed. Either
    // folder may be "".
    QString refusal(const QStringList& paths, LastPart last);

    // Where `path` lies once its folders are resolved (links and all), or "" when it is no
    // plain absolute path (no `.` or `..` parts) or does not lie inside the game folder. The
    // last part is resolved only when it is a link and `last` is Followed; a dangling link
    // there is replaced by whatever writes to it, so it is judged as the link itself.
    QString resolvedInside(const QString& path, LastPart last = LastPart::Replaced);

private:
    struct Folder {
        QString real;         // the canonical path; "" when it cannot be resolved
        bool isFolder = true; // false: a file (or a link to one) stands there
    };
    // `original` with its folders resolved; "" when it is no plain absolute path. `blocked`:
    // what stands at one of its folders is no folder, so nothing can be written there.
    QString resolved(const QString& original, LastPart last, bool* blocked);
    // What stands at `path` (clean, absolute), resolved; nullopt when nothing is there.
    std::optional<Folder> existing(const QString& path);

    QString gameDir_, game_, program_;
    QHash<QString, Folder> seen_; // existing folders by their path as given
};

// A Judge of one use: see Judge::resolvedInside.
QString resolvedInside(const QString& path, const QString& folder,
                       LastPart last = LastPart::Replaced);

// A Judge of one use: see Judge::refusal.
QString outsideRefusal(const QStringList& paths, const QString& gameDir, const QString& programDir,
                       LastPart last);

} // namespace insidefolders
