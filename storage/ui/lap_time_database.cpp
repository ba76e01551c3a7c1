#include "storage/ui/lap_time_database.h"

#include "gamedir/game_dir.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/program_end.h"
#include "platform/replace_file.h"
#include "platform/shown_text.h"
#include "storage/catalogue_check.h"
#include "storage/catalogue_names.h"
#include "storage/database_names.h"
#include "storage/definition_text.h"
#include "storage/make_database.h"
#include "storage/open_database.h"
#include "storage/record_lookup.h"
#include "storage/settings_row.h"
#include "storage/ui/setup_dialog.h"
#include "trackfile/circuit_catalogue.h"
#include "ui/window_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QWidget>

#include <stdexcept>

namespace pistaro {

namespace {
// Databases of an older layout are brought up to date when opened (what a newer version
// added is made then) and the player is told where the file as it was is kept; one of a newer
// layout is refused untouched.
constexpr int kCurrentLayout = kLapTimeDatabaseVersion;

[[noreturn]] void endWith(Gp2PsoBas& bas, const QString& message) {
    bas.dialogs->message(message);
    endProgram(1);
}

// A folder as messages show it: native separators, no separator at its end.
QString shownFolder(QString folder) {
    folder = QDir::toNativeSeparators(folder);
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}
} // namespace

LapTimeDatabase::LapTimeDatabase(WindowServices& services, QWidget* parent)
    : QObject(parent), services_(services) {
    setObjectName(QStringLiteral("Settings"));
}

SetupDialog* LapTimeDatabase::setupDialog() {
    if (!setup_)
        setup_ = new SetupDialog(services_.bas(), services_.window());
    return setup_;
}

void LapTimeDatabase::FileSetup_Click() {
    setupDialog()->exec();
}

void LapTimeDatabase::DbOpen(const QString& name) {
    Gp2PsoBas& bas = services_.bas();
    // Opening another database replaces the one open now.
    release();
    // Making and repairing happen at most once each in one DbOpen, and so does the update:
    // a database the update could not raise is used as it is, but only when it has what
    // pso.def describes in a shape the engine can use. Nothing is written into the file
    // before the update: it is kept as it was.
    dbopen::Policy allowed;
    for (const bool updated : {false, true}) {
        allowed = openCatalogue(name, allowed);
        bool found = false;
        ignoreFailure("DbOpen: finding the settings row", [&] {
            found =
                settingsrow::seekRow(catalogue::requireOpen(bas.ParamsRs, catalogue::Parameters));
        });
        if (!found)
            endWith(bas,
                    tr("Error while reading Parameters.") +
                        (openFailure_.isEmpty() ? QString() : Gp2PsoBas::CrLf2 + openFailure_));
        readSettings();
        // Not even the settings are written back into a layout this program does not know.
        if (bas.DbVersion > kCurrentLayout) {
            release();
            endWith(bas, newerLayoutRefusal(name, bas.DbVersion));
        }
        if (!needsUpdate(name, updated))
            break;
        release();
        update(name);
    }
    bool firstTime = false;
    ignoreFailure("DbOpen: reading First Time",
                  [&] { firstTime = bas.ParamsRs->boolean(catalogue::FirstTime); });
    requireGameFolder(firstTime);
    checkLapTimer();
    if (firstTime) {
        copyOriginalCircuits();
        ignoreFailure("DbOpen: noting the first start done", [&] {
            settingsrow::storeFirstStartDone(settingsrow::currentRow(bas.ParamsRs));
        });
    }
}

// Whether the open database is to be brought up to date: an older layout is, once; one that
// lacks what pso.def describes is, after saying so. One that cannot be used ends the program.
bool LapTimeDatabase::needsUpdate(const QString& name, bool updated) {
    Gp2PsoBas& bas = services_.bas();
    if (bas.DbVersion < kCurrentLayout && !updated)
        return true;
    const CatalogueFaults faults = catalogueFaults();
    if (faults.none())
        return false;
    if (updated || !faults.unusable.isEmpty()) {
        release();
        endWith(bas, tr("Database %1 does not have the layout pso.def describes and cannot be "
                        "used.")
                             .arg(shown::text(name)) +
                         Gp2PsoBas::CrLf2 + faults.all().join(Gp2PsoBas::CrLf));
    }
    bas.dialogs->message(tr("Database %1 lacks what pso.def describes:").arg(shown::text(name)) +
                         Gp2PsoBas::CrLf2 + faults.missing.join(Gp2PsoBas::CrLf) +
                         Gp2PsoBas::CrLf2 + tr("It is brought up to date now."));
    return true;
}

// Brings the closed database up to date (in a copy that replaces it once complete) and says
// where the file as it was is kept; a failed update leaves it as it was and says why.
void LapTimeDatabase::update(const QString& name) {
    Gp2PsoBas& bas = services_.bas();
    const int from = bas.DbVersion;
    bas.StatusText = tr("Please wait, updating database...");
    try {
        const QString backup = MakeDatabase(bas, name);
        if (!backup.isEmpty())
            bas.dialogs->message(
                tr("Database %1 was brought up to date (layout version %2 to %3).")
                    .arg(shown::text(name), QString::number(from),
                         QString::number(kCurrentLayout)) +
                Gp2PsoBas::CrLf2 +
                tr("The file as it was is kept as %1.").arg(QDir::toNativeSeparators(backup)));
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        reportIgnoredFailure("DbOpen: updating the database", e.what());
        bas.dialogs->message(
            tr("Database %1 could not be brought up to date and is left as it was.")
                .arg(shown::text(name)) +
            Gp2PsoBas::CrLf2 + QString::fromStdString(e.what()));
    }
}

// How the open database differs from pso.def; nothing when pso.def cannot be read (making
// or updating a database then says so) or the check itself fails.
CatalogueFaults LapTimeDatabase::catalogueFaults() {
    Gp2PsoBas& bas = services_.bas();
    CatalogueFaults faults;
    ignoreFailure("DbOpen: checking the tables", [&] {
        if (!bas.Db)
            throw std::runtime_error("no database open");
        const QString definition = QDir(bas.AppDir).filePath(QStringLiteral("pso.def"));
        faults = checkCatalogue(*bas.Db, deffile::parse(deffile::readLines(definition)));
    });
    return faults;
}

// Opens the file and its two tables under what `allowed` still permits, and returns what is
// left of it. A file whose header reads but whose tables are damaged is repaired as well. A
// database that could not be made or repaired ends the program with a message; any other
// failure leaves no database open, and the settings row is then missing.
dbopen::Policy LapTimeDatabase::openCatalogue(const QString& name, dbopen::Policy allowed) {
    Gp2PsoBas& bas = services_.bas();
    allowed = openFile(name, allowed);
    if (openRecordsets() || !allowed.repair)
        return allowed;
    release();
    const QString path = dbopen::pathOf(bas, name, allowed);
    ignoreFailure("DbOpen: repairing the database", [&] { Database::repair(path); });
    allowed.repair = false;
    allowed = openFile(name, allowed);
    openRecordsets();
    return allowed;
}

dbopen::Policy LapTimeDatabase::openFile(const QString& name, dbopen::Policy allowed) {
    Gp2PsoBas& bas = services_.bas();
    openFailure_.clear();
    dbopen::Result opened = dbopen::open(bas, name, allowed);
    switch (opened.failure) {
    case dbopen::Failure::None:
        bas.Db = std::move(opened.db);
        break;
    case dbopen::Failure::NotMade:
        endWith(bas, tr("Database %1 could not be made.").arg(shown::text(name)) +
                         (opened.reason.isEmpty() ? QString() : Gp2PsoBas::CrLf2 + opened.reason));
    case dbopen::Failure::NotRepaired:
        endWith(bas,
                tr("Database %1 is damaged and could not be repaired.").arg(shown::text(name)));
    case dbopen::Failure::NotOpened:
        reportIgnoredFailure("DbOpen: opening the database", qPrintable(opened.reason));
        openFailure_ = opened.reason;
        break;
    }
    return opened.left(allowed);
}

// False when a table of the open database turned out to be damaged.
bool LapTimeDatabase::openRecordsets() {
    Gp2PsoBas& bas = services_.bas();
    bool intact = true;
    const auto open = [&](std::unique_ptr<Recordset>& rs, const QString& table,
                          const QString& index) {
        if (!bas.Db)
            throw std::runtime_error("no database open");
        try {
            rs = bas.Db->openTable(table);
            rs->setIndex(index);
        } catch (const DbError& e) {
            if (e.number == dberr::UnrecognizedFormat)
                intact = false;
            throw;
        }
    };
    ignoreFailure("DbOpen: opening Parameters",
                  [&] { open(bas.ParamsRs, catalogue::Parameters, catalogue::CodeIndex); });
    ignoreFailure("DbOpen: opening Tracks",
                  [&] { open(bas.TracksRs, catalogue::Tracks, catalogue::NameIndex); });
    return intact;
}

void LapTimeDatabase::readSettings() {
    Gp2PsoBas& bas = services_.bas();
    Recordset& params = *bas.ParamsRs;
    settingsrow::mirror(settingsrow::read(params), bas);
    ignoreFailure("DbOpen: reading Gp2 Directory",
                  [&] { bas.Gp2Dir = params.text(catalogue::Gp2Directory).trimmed(); });
    bas.DbVersion = 0;
    ignoreFailure("DbOpen: reading Version",
                  [&] { bas.DbVersion = int(params.number(catalogue::Version)); });
}

// Asks for the game folder until the one chosen holds GP2.EXE, and keeps it at once, so a run
// that ends early does not ask again. Without a game the program has nothing to work on:
// cancelling ends it.
void LapTimeDatabase::requireGameFolder(bool firstTime) {
    Gp2PsoBas& bas = services_.bas();
    if (IsGp2Dir(bas))
        return;
    //: Ends the messages that ask for the game folder, after a space.
    const QString cancelEnds = tr(" Cancel ends Pistaro.");
    const auto noGameIn = [&](const QString& folder) {
        return tr("There is no GP2.EXE in %1.").arg(shownFolder(folder)) + Gp2PsoBas::CrLf2 +
               tr("In the next window, choose the folder that holds GP2.EXE.") + cancelEnds;
    };
    // A new database names no folder of this machine yet: a first step, not a fault.
    if (firstTime)
        bas.dialogs->message(
            tr("Where is your GP2 folder?") + Gp2PsoBas::CrLf2 +
            tr("Pistaro works on the circuits of your Grand Prix 2 installation. In "
               "the next window, choose the folder that holds GP2.EXE (File > Setup "
               "Pistaro changes it later).") +
            cancelEnds);
    else
        bas.dialogs->message(noGameIn(bas.Gp2Dir));
    for (;;) {
        const QString chosen =
            BrowseForFolder(*bas.dialogs, tr("Where is your GP2 folder?"), setupDialog());
        if (chosen.isEmpty())
            endProgram(0);
        bas.Gp2Dir = chosen;
        if (IsGp2Dir(bas))
            break;
        bas.dialogs->message(noGameIn(bas.Gp2Dir));
    }
    ignoreFailure("DbOpen: keeping the game folder", [&] {
        settingsrow::storeGameFolder(settingsrow::currentRow(bas.ParamsRs), bas.Gp2Dir);
    });
}

void LapTimeDatabase::checkLapTimer() {
    Gp2PsoBas& bas = services_.bas();
    if (!bas.UseGp2Lap)
        return;
    bas.UseGp2Lap = hasLapTimer(bas.Gp2Dir);
}

// The first start keeps a copy of each original slot file under its track name, so the
// originals stay at hand once packs have replaced the slot files.
void LapTimeDatabase::copyOriginalCircuits() {
    Gp2PsoBas& bas = services_.bas();
    bool lastCopied = false;
    for (int slot = 1; slot <= 16; ++slot) {
        lastCopied = false;
        ignoreFailure("DbOpen: copying an original circuit", [&] {
            const QString source = gamepath::join(
                bas.Gp2Dir,
                QStringLiteral("Circuits/F1CT%1.DAT").arg(slot, 2, 10, QLatin1Char('0')));
            const CircuitInfo circuit = catalogue::readCircuit(bas, source);
            if (!circuit.original)
                return;
            const QString& track = circuit.track;
            if (!dbnames::isPlainFileName(track) || track.contains(QLatin1String("..")))
                throw std::runtime_error("the track name is no plain file name");
            const QString target = gamepath::join(bas.Gp2Dir, QStringLiteral("Circuits/") + track +
                                                                  QStringLiteral(".dat"));
            if (QFileInfo(target).canonicalFilePath() == QFileInfo(source).canonicalFilePath())
                throw std::runtime_error("the circuit already carries its track name");
            // Written beside and renamed: a copy that fails leaves the file there whole.
            QString error;
            if (!copyReplacing(source, target, &error))
                throw std::runtime_error(notWrittenMessage(target, error).toStdString());
            lastCopied = slot == 16;
        });
    }
    if (lastCopied)
        bas.dialogs->message(
            tr("Your original circuit files were copied under their track names."));
}

void LapTimeDatabase::DbClose() {
    Gp2PsoBas& bas = services_.bas();
    if (bas.ParamsRs)
        ignoreFailure("DbClose: saving the settings", [&] {
            if (settingsrow::seekRow(*bas.ParamsRs))
                settingsrow::storeAtClose(*bas.ParamsRs, bas.Gp2Dir, bas.UseGp2Lap);
        });
    release();
}

// Closes the recordsets and the database without writing anything.
void LapTimeDatabase::release() {
    Gp2PsoBas& bas = services_.bas();
    if (bas.ParamsRs)
        ignoreFailure("closing Parameters", [&] { bas.ParamsRs->close(); });
    if (bas.TracksRs)
        ignoreFailure("closing Tracks", [&] { bas.TracksRs->close(); });
    if (bas.Db)
        ignoreFailure("closing the database", [&] { bas.Db->close(); });
    bas.ParamsRs.reset();
    bas.TracksRs.reset();
    bas.Db.reset();
}

} // namespace pistaro
