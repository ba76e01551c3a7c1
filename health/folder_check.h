#pragma once
// The health check of a game folder's circuits as `pso --check` prints it: one line per
// problem ("<file>: <problem>") and a last line with the counts.
#include "trackfile/circuit_columns.h"

#include <QString>
#include <QStringList>

namespace health {

struct FolderCheck {
    bool readable = false; // false: the circuits folder could not be listed (error says why)
    QString error;
    int files = 0;
    int filesWithProblems = 0;
    int incompletePacks = 0; // track packs whose files are not all there
    QStringList lines;       // "<file>: <problem>", the files in the browser's order
    // 0 when nothing is wrong, 1 when something is, 2 when the folder cannot be read.
    int exitStatus() const { return !readable ? 2 : lines.isEmpty() ? 0 : 1; }
    QString summary() const;
};

// Checks the circuit files (*.DAT) of `gameDir`'s Circuits folder; `cacheFile` ("" for none)
// keeps the facts between runs; `catalogue` tells the game's originals by their length. The
// track packs `packList` (the program folder's Packs.txt) names are checked for missing files,
// each said in one line "<pack> (track pack): <what is missing>".
FolderCheck checkGameFolder(const QString& gameDir, const QString& cacheFile,
                            const circuitcolumns::CatalogueValues& catalogue,
                            const QString& packList = {});

} // namespace health
