#include "health/folder_scan.h"

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
    for (int i = 0; i < names.size(); ++i) {
        if (steps.cancelled && steps.cancelled())
            return;
        const QString path = gamepath::join(folder, names.at(i), listings);
        circuitcolumns::Columns columns = circuitcolumns::readColumns(path, catalogue);
        QList<Problem> problems =
            scanner ? scanner->check(names.at(i), path, columns.kind) : QList<Problem>();
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
