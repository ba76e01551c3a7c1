#include "health/folder_check.h"

#include "health/circuit_health.h"
#include "health/folder_scan.h"
#include "packs/pack_folder.h"
#include "platform/folder_listing.h"
#include "platform/gamepath.h"
#include "platform/shown_text.h"

#include <QDir>
#include <QFileInfo>

namespace health {

QString FolderCheck::summary() const {
    if (!readable)
        return error;
    const auto counted = [](qsizetype n, const char* one, const char* many) {
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    QString text = counted(files, "circuit file", "circuit files") + QStringLiteral(" checked: ") +
                   counted(lines.size() - incompletePacks, "problem", "problems") +
                   QStringLiteral(" in ") + counted(filesWithProblems, "file", "files") +
                   QLatin1Char('.');
    if (incompletePacks > 0)
        text += incompletePacks == 1
                    ? QStringLiteral(" 1 track pack lacks files.")
                    : QStringLiteral(" %1 track packs lack files.").arg(incompletePacks);
    return text;
}

FolderCheck checkGameFolder(const QString& gameDir, const QString& cacheFile,
                            const circuitcolumns::CatalogueValues& catalogue,
                            const QString& packList) {
    FolderCheck out;
    const QString folder = gamepath::circuitsFolder(gameDir);
    const QFileInfo info(folder);
    if (!QFileInfo(gameDir).isDir() || !info.isDir() || !info.isReadable() ||
        !QDir(folder).isReadable()) {
        out.error = QStringLiteral("Cannot read the circuits folder ") + shown::path(folder) +
                    QStringLiteral(".");
        return out;
    }
    out.readable = true;
    const QString listed = folderlisting::listedFolder(folder);
    const QStringList names = folderlisting::matchingFiles(listed, QStringLiteral("*.DAT"));
    QList<QList<Problem>> problems;
    ScanSteps steps;
    steps.rowRead = [&problems](int, const QString&, circuitcolumns::Columns&,
                                QList<Problem>& found, Scanner*) { problems << found; };
    steps.duplicatesFound = [&problems](const QHash<int, Scanner::Duplicate>& duplicates) {
        for (auto it = duplicates.cbegin(); it != duplicates.cend(); ++it)
            problems[it.key()] << it->problem;
    };
    scanFolder(listed, names, gameDir, cacheFile, catalogue, steps);
    for (int i = 0; i < names.size(); ++i) {
        // The missing textures are named: the line is all a terminal shows of them.
        for (const Problem& p : std::as_const(problems.at(i)))
            out.lines << shown::text(names.at(i) + QStringLiteral(": ") + p.text +
                                     (p.fix == Problem::Fix::Textures
                                          ? QStringLiteral(" (") + p.detail + QStringLiteral(")")
                                          : QString()));
        if (!problems.at(i).isEmpty())
            ++out.filesWithProblems;
    }
    out.files = int(names.size());
    for (const QString& pack : packListNames(packList)) {
        const QString missing = missingPackSummary(folder, pack, missingPackFiles(folder, pack));
        if (missing.isEmpty())
            continue;
        out.lines << shown::text(pack + QStringLiteral(" (track pack): ") + missing);
        ++out.incompletePacks;
    }
    return out;
}

} // namespace health
