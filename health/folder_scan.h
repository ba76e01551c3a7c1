#pragma once
// The one scan of a circuits folder: each file's columns and, with a game folder, its problems,
// then the files with the same track data as others. The circuit browser's reader and
// `pso --check` both run it; what they do with a row is theirs.
#include "health/circuit_health.h"
#include "trackfile/circuit_columns.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace health {

struct ScanSteps {
    // Asked before each file: true stops the scan (no duplicates, no cache written).
    std::function<bool()> cancelled;
    // Each file in the order of `names`: its path, its columns and its problems so far, and the
    // scanner that checked it (nullptr without a game folder), which knows its track data.
    std::function<void(int row, const QString& path, circuitcolumns::Columns& columns,
                       QList<Problem>& problems, Scanner* scanner)>
        rowRead;
    // Once every file is read (with a game folder): the rows with a twin, their problem and
    // the first row of their group.
    std::function<void(const QHash<int, Scanner::Duplicate>& duplicates)> duplicatesFound;
};

// Scans `names` of `folder` (the listed spelling of the circuits folder). Without a game folder
// (`gameDir` "") only the columns are read. `cacheFile` ("" for none) keeps the facts.
void scanFolder(const QString& folder, const QStringList& names, const QString& gameDir,
                const QString& cacheFile, const circuitcolumns::CatalogueValues& catalogue,
                const ScanSteps& steps);

} // namespace health
