#include "health/folder_scan.h"

#include "health/facts_reader.h"
#include "platform/gamepath.h"

#include <optional>

namespace health {

void scanFolder(const QString& folder, const QStringList& names, const QString& gameDir,
                const QString& cacheFile, const circuitcolumns::CatalogueValues& catalogue,
                const ScanSteps& steps) {
    std::optional<Scanner> scanner;
    if (!gameDir.isEmpty())
        scanner.emplace(gameDir, folder, cacheFile);
    // Files removed or renamed since the names were listed are not found as given: the folder
    // is then listed once for the scan, not once for each of them.
    gamepath::Listings listings;
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names)
        paths << gamepath::join(folder, name, listings);
    // The files' facts are read ahead while the columns are read here.
    std::optional<FactsReader> ahead;
    if (scanner)
        ahead.emplace(scanner->cache(), names, paths);
    for (int i = 0; i < names.size(); ++i) {
        if (steps.cancelled && steps.cancelled())
            return;
        const QString& path = paths.at(i);
        circuitcolumns::Columns columns = circuitcolumns::readColumns(path, catalogue);
        QList<Problem> problems =
            scanner ? scanner->check(names.at(i), path, columns.kind, ahead->take(i))
                    : QList<Problem>();
        if (steps.rowRead)
            steps.rowRead(i, path, columns, problems, scanner ? &*scanner : nullptr);
    }
    if (!scanner)
        return;
    const QHash<int, Scanner::Duplicate> duplicates = scanner->duplicates();
    if (steps.duplicatesFound)
        steps.duplicatesFound(duplicates);
    scanner->saveCache(); // a cache that cannot be written only costs the next scan time
}

} // namespace health
