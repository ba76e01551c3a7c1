#include "app/check_command.h"

#include "health/facts_cache.h"
#include "health/folder_check.h"
#include "platform/ignore_step.h"
#include "platform/program_folders.h"
#include "platform/shown_text.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "storage/settings_row.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace pistaro {

namespace {

struct Stored {
    QString gameDir;
    circuitcolumns::CatalogueValues catalogue;
};

// What the lap time database of the program folder holds: the game folder and the original
// circuits (known by their length, as the browser knows them). Read only; a missing or broken
// database gives nothing.
Stored readStored(const QString& appDir) {
    Stored out;
    const QString path = QDir(appDir).filePath(QStringLiteral("pso.mdb"));
    if (!QFileInfo(path).isFile())
        return out;
    ignoreFailure("--check: reading the settings", [&] {
        std::unique_ptr<Database> db = Database::open(path);
        std::unique_ptr<Recordset> params = db->openTable(catalogue::Parameters);
        params->setIndex(catalogue::CodeIndex);
        if (settingsrow::seekRow(*params))
            out.gameDir = params->text(catalogue::Gp2Directory).trimmed();
        std::unique_ptr<Recordset> tracks = db->openTable(catalogue::Tracks);
        out.catalogue = circuitcolumns::readCatalogueValues(*tracks);
    });
    return out;
}

// One line on the console: a file name's line break or escape sequence is shown, never sent.
void print(std::FILE* to, const QString& line) {
    std::fprintf(to, "%s\n", shown::text(line).toLocal8Bit().constData());
}

} // namespace

int runCheck(const QString& exeDir, const QStringList& arguments) {
    const ProgramFolders folders = locateProgramFolders(exeDir, perUserDataFolder());
    const Stored stored = readStored(folders.appDir);
    const QString gameDir = arguments.isEmpty() ? stored.gameDir : arguments.first();
    if (gameDir.isEmpty()) {
        print(stderr, QCoreApplication::translate(
                          "CheckCommand", "No game folder given, and none is stored: pso --check "
                                          "<game folder>."));
        return 2;
    }
    // The cache lies in the program folder only; without one the check reads every file.
    const QString cacheFile =
        QFileInfo(folders.appDir).isDir() ? health::FactsCache::fileIn(folders.appDir) : QString();
    // The program's track packs are packs of the game folder it keeps, not of another one.
    const bool storedGame =
        !stored.gameDir.isEmpty() &&
        QFileInfo(gameDir).canonicalFilePath() == QFileInfo(stored.gameDir).canonicalFilePath();
    const QString packList =
        storedGame ? QDir(folders.appDir).filePath(QStringLiteral("Packs.txt")) : QString();
    const health::FolderCheck check = health::checkGameFolder(
        QDir::fromNativeSeparators(gameDir), cacheFile, stored.catalogue, packList);
    for (const QString& line : check.lines)
        print(stdout, line);
    print(check.readable ? stdout : stderr, check.summary());
    return check.exitStatus();
}

} // namespace pistaro
