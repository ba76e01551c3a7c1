#pragma once
// Paths inside the game folder. The game's names compare without regard to case, so every
// component is resolved against what exists: the exact name first, else a case-insensitive
// match. Relative parts may use '\' or '/'; results use the native separator.
#include <QHash>
#include <QString>

namespace gamepath {
// The folder listings one command resolves against, each read once: a command that resolves
// thousands of names in one folder then takes time in proportion to their number. A folder is
// listed only when a name in it is not found as given; from then on its listing answers.
// Entries the command itself makes are told with added(); the cache is dropped with the command.
class Listings {
public:
    // The name under `dir` standing for `name`, as join() finds it; "" when none.
    QString match(const QString& dir, const QString& name);
    // `path` was made (or replaced) since its folder was listed.
    void added(const QString& path);

private:
    struct Folder {
        QHash<QString, QString> exact;  // every name, as itself
        QHash<QString, QString> folded; // case-folded name -> first such name in sorted order
    };
    Folder& folder(const QString& dir);
    QHash<QString, Folder> folders_;
};

// Gp2Dir + relative parts, each component resolved against the file system. A component
// that matches nothing is kept as given (so the result names where a new file would go).
// For a write, the existing entry of any case is the one replaced: use this same result.
QString join(const QString& base, const QString& relative);
// The game's circuits folder: `gameDir` + "Circuits", without a trailing separator. The one
// place that names it.
QString circuitsFolder(const QString& gameDir);
// The wildcard of the circuit files in it, matched without regard to case.
inline QString circuitFiles() {
    return QStringLiteral("*.DAT");
}
// join() against the listings of `cache`.
QString join(const QString& base, const QString& relative, Listings& cache);
// How many times a folder has been listed to resolve a name since the program started, so a
// caller can check that a batch of names listed each folder at most once.
qint64 foldersListed();
// Resolves every component of an absolute or relative path as join() does.
QString resolve(const QString& path);
// The path with native separators and a trailing separator.
QString withTrailingSeparator(const QString& dir);
// The native separator as text ("\" on Windows, "/" elsewhere).
QString sep();
} // namespace gamepath
