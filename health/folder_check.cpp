#include "health/folder_check.h"

#include "health/circuit_health.h"
#include "health/folder_scan.h"
#include "packs/pack_folder.h"
#include "platform/command_summary.h"
#include "platform/folder_listing.h"
#include "platform/gamepath.h"
#include "platform/shown_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace health {

QString FolderCheck::summary() const {
    if (!readable)
        return error;
    //: The check's summary: "12 circuit files checked: 3 problems in 2 files."
    QString text =
        QCoreApplication::translate("health", "%1 checked: %2 in %3.")
            .arg(countOf(files,
                         //: Counted in the check's summary, after the number.
                         QCoreApplication::translate("health", "circuit file"),
                         QCoreApplication::translate("health", "circuit files")),
                 countOf(lines.size() - incompletePacks,
                         //: Counted in the check's summary, after the number.
                         QCoreApplication::translate("health", "problem"),
                         QCoreApplication::translate("health", "problems")),
                 countOf(filesWithProblems,
                         //: Counted in the check's summary, after the number.
                         QCoreApplication::translate("health", "file"),
                         QCoreApplication::translate("health", "files")));
    if (incompletePacks > 0)
        text += incompletePacks == 1
                    ? QCoreApplication::translate("health", " 1 track pack lacks files.")
                    : QCoreApplication::translate("health", " %1 track packs lack files.")
                          .arg(incompletePacks);
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
        out.error = QCoreApplication::translate("health", "Cannot read the circuits folder %1.")
                        .arg(shown::path(folder));
        return out;
    }
    out.readable = true;
    const QString listed = folderlisting::listedFolder(folder);
    const QStringList names = folderlisting::matchingFiles(listed, gamepath::circuitFiles());
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
            //: A line of the check: a circuit file, then its problem (and the missing textures).
            out.lines << shown::text(
                p.fix == Problem::Fix::Textures
                    ? QCoreApplication::translate("health", "%1: %2 (%3)")
                          .arg(names.at(i), p.text, p.detail)
                    : QCoreApplication::translate("health", "%1: %2").arg(names.at(i), p.text));
        if (!problems.at(i).isEmpty())
            ++out.filesWithProblems;
    }
    out.files = int(names.size());
    for (const QString& pack : packListNames(packList)) {
        const QString missing = missingPackSummary(folder, pack, missingPackFiles(folder, pack));
        if (missing.isEmpty())
            continue;
        out.lines << shown::text(
            QCoreApplication::translate("health", "%1 (track pack): %2").arg(pack, missing));
        ++out.incompletePacks;
    }
    return out;
}

} // namespace health
