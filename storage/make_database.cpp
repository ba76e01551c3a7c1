#include "storage/make_database.h"

#include "platform/ignore_step.h"
#include "platform/program_end.h"
#include "platform/replace_file.h"
#include "storage/catalogue_names.h"
#include "storage/definition_file.h"
#include "storage/definition_text.h"
#include "storage/gp2psobas.h"
#include "storage/record_lookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <filesystem>
#include <stdexcept>
#include <system_error>

using namespace catalogue;

namespace {

// The engine's general sort order and its encrypt option, as new databases are made with.
const QString kLocale = QStringLiteral(";LANGID=0x0809;CP=1252;COUNTRY=0");
constexpr int kEncryptOption = 2;

struct Circuit {
    const char* name;
    const char* country;
    int size; // bytes of the game's circuit file
    int laps;
    int length; // metres
    int slot;
};

// The game's own circuits, written in this order (slot 16 first).
constexpr Circuit kCircuits[16] = {
    {"Adelaide", "Australia", 44586, 81, 3780, 16},
    {"Suzuka", "Japan", 35730, 53, 5859, 15},
    {"Jerez", "Europe", 33059, 69, 4428, 14},
    {"Estoril", "Portugal", 37263, 71, 4350, 13},
    {"Monza", "Italy", 41038, 53, 5800, 12},
    {"Spa-Francorchamps", "Belgium", 45598, 44, 6940, 11},
    {"Hungaroring", "Hungary", 34956, 77, 3968, 10},
    {"Hockenheim", "Germany", 31876, 45, 6802, 9},
    {"Silverstone", "Great Britain", 38617, 60, 5153, 8},
    {"Magny Cours", "France", 31767, 72, 4271, 7},
    {"Gilles Villeneuve", "Canada", 34392, 69, 4430, 6},
    {"Barcelona", "Spain", 34061, 65, 4747, 5},
    {"Monte-Carlo", "Monaco", 58290, 78, 3328, 4},
    {"Imola", "San Marino", 37678, 61, 5040, 3},
    {"TI Circuit Aida", "Pacific", 32506, 83, 3723, 2},
    {"Interlagos", "Brazil", 32406, 71, 4325, 1},
};

[[noreturn]] void endWith(Gp2PsoBas& bas, const QString& message) {
    bas.dialogs->message(message);
    endProgram(1);
}

// What an error while making the database leads to: the step is skipped (what it would add is
// there already), or on a field line whose table is missing that table is made with the field.
// Any other error ends the program after a message.
enum class Next { Skip, MakeTable };

Next handle(Gp2PsoBas& bas, const DbError& e, bool onFieldLine) {
    switch (e.number) {
    case dberr::FileNotFound:
        endWith(bas, QCoreApplication::translate("MakeDatabase", "Arquivo não encontrado !"));
    case dberr::PermissionDenied:
        endWith(bas, QCoreApplication::translate(
                         "MakeDatabase",
                         "Arquivo está em uso. Feche todos os programas e tente novamente !"));
    case dberr::AlreadyExists:
    case dberr::FieldDefinedTwice:
    case dberr::PrimaryKeyExists:
    case dberr::IndexExists:
    case dberr::TableExists:
    case dberr::AlreadyInCollection:
        return Next::Skip;
    case dberr::Locked:
        endWith(bas, QCoreApplication::translate("MakeDatabase", "Database is in use."));
    case dberr::ItemNotFound:
        if (onFieldLine)
            return Next::MakeTable;
        break;
    default:
        break;
    }
    endWith(bas, QCoreApplication::translate("MakeDatabase", "ERROR : %1 - %2")
                     .arg(e.number)
                     .arg(e.description));
}

// Runs one step of the making; an engine error in it is skipped or ends the program.
template <class F> void skippingErrors(Gp2PsoBas& bas, F&& step) {
    try {
        step();
    } catch (const DbError& e) {
        handle(bas, e, false);
    }
}

// Puts `from` in the place of `to` in one step: `to` is the old file or the new one, never
// missing, whenever the program stops.
void replaceFile(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData(),
                            error);
    if (error)
        throw std::runtime_error("cannot put " + from.toStdString() + " in place of " +
                                 to.toStdString() + ": " + error.message());
}

// Removes a scratch database a stopped run left, with its journal: a journal left beside a
// new file of the same name would be played back into it.
void removeScratch(const QString& path) {
    QFile::remove(path + QStringLiteral("-journal"));
    QFile::remove(path);
}

// Compacts the file into a scratch copy beside it and puts the copy in its place once it
// opens. The database keeps its name all the way: a run stopped half-way leaves the old file
// or the compacted one, never none. The scratch copy is ours alone, so one a stopped run left
// is removed; a "tmp99.mdb" that older runs moved the database to is left alone.
void compactInPlace(const QString& path, const QString& aside) {
    removeScratch(aside);
    try {
        Database::compact(path, aside);
        Database::open(aside)->close();
        replaceFile(aside, path);
    } catch (...) {
        removeScratch(aside);
        throw;
    }
}

// Backup, repair and (unless the update compacts into a copy anyway) compaction of an
// existing file; each step may fail without harm.
void refreshExisting(const QDir& dir, const QString& name, bool compact) {
    const QString path = dir.filePath(name);
    if (!QFileInfo::exists(path))
        return;
    ignoreFailure("backup to tmp.bak", [&] {
        const QString backup = dir.filePath(QStringLiteral("tmp.bak"));
        QFile::remove(backup);
        if (!QFile::copy(path, backup))
            throw std::runtime_error("cannot copy the database to tmp.bak");
    });
    ignoreFailure("database repair", [&] { Database::repair(path); });
    if (compact)
        ignoreFailure("database compaction",
                      [&] { compactInPlace(path, path + QStringLiteral(".compact")); });
}

// The fields the definition file added in this run, so that the default rows fill only what
// is new and leave what the player set.
class NewFields {
public:
    void add(const QString& table, const QString& field) { keys_.insert(key(table, field)); }
    bool has(const QString& table, const QString& field) const {
        return keys_.contains(key(table, field));
    }

private:
    // Field and table names compare without regard to case.
    static QString key(const QString& table, const QString& field) {
        return table.toCaseFolded() + QLatin1Char('|') + field.toCaseFolded();
    }
    QSet<QString> keys_;
};

// Making a database is a few dozen small transactions, each on a connection of its own. They
// are not synced to disk one by one (the old file is in tmp.bak, a new one holds nothing yet);
// the finished file is synced once at the end.
std::unique_ptr<Database> openForMaking(const QString& path) {
    return Database::open(path, Database::Sync::Deferred);
}

void addField(Gp2PsoBas& bas, const QString& path, const deffile::Item& item, NewFields& added) {
    bas.status->setLine2(item.field.name);
    bas.status->pump();
    skippingErrors(bas, [&] {
        auto db = openForMaking(path);
        try {
            db->appendField(item.table, item.field);
            added.add(item.table, item.field.name);
        } catch (const DbError& e) {
            if (handle(bas, e, true) == Next::MakeTable)
                skippingErrors(bas, [&] {
                    db->createTable(item.table, item.field);
                    added.add(item.table, item.field.name);
                });
        }
        db->close();
    });
}

void addIndex(Gp2PsoBas& bas, const QString& path, const deffile::Item& item) {
    skippingErrors(bas, [&] {
        auto db = openForMaking(path);
        db->appendIndex(item.table, item.index);
        db->close();
    });
}

void buildFromDefinition(Gp2PsoBas& bas, const QString& path, const QString& definition,
                         NewFields& added) {
    QStringList lines;
    skippingErrors(bas, [&] { lines = deffile::readLines(definition); });
    deffile::Reader reader;
    for (const QString& line : lines) {
        const auto item = reader.feed(line);
        if (!item)
            continue;
        switch (item->kind) {
        case deffile::Item::Kind::Field:
            addField(bas, path, *item, added);
            break;
        case deffile::Item::Kind::Index:
            addIndex(bas, path, *item);
            break;
        case deffile::Item::Kind::BadLine:
            handle(bas, DbError(deffile::kBadLine, item->problem()), false);
        }
    }
}

bool hasField(const Database& db, const QString& table, const QString& field) {
    for (const FieldDef& f : db.fields(table))
        if (f.name.compare(field, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Writes a default into a row: a new row takes them all (those its table has), a row that
// was there only into the fields this run added. What the player set (a switch, a circuit's
// country) stays.
class Defaults {
public:
    Defaults(Database& db, Recordset& rs, const QString& table, bool newRow, const NewFields& added)
        : db_(db), rs_(rs), table_(table), newRow_(newRow), added_(added) {}
    void set(const QString& field, const QVariant& value) {
        if (newRow_ ? hasField(db_, table_, field) : added_.has(table_, field))
            rs_.setValue(field, value);
    }

private:
    Database& db_;
    Recordset& rs_;
    const QString& table_;
    bool newRow_;
    const NewFields& added_;
};

// A new settings row names the game folder in use, so a database made while the program runs
// does not ask for it again. Without one the program is starting for the first time: the row
// names the usual folder and "First Time" has the game's own circuits copied once. The row
// is stamped with this program's layout version.
void writeCatalogueDefaults(Database& db, const QString& gp2Dir, const NewFields& added) {
    auto params = db.openTable(Parameters);
    const bool newSettings = !seekKey(*params, CodeIndex, 1);
    if (newSettings) {
        params->addNew();
        params->setValue(Code, 1);
        if (hasField(db, Parameters, FirstTime))
            params->setValue(FirstTime, gp2Dir.isEmpty());
    } else {
        params->edit();
    }
    Defaults settings(db, *params, Parameters, newSettings, added);
    settings.set(Gp2Directory, gp2Dir.isEmpty() ? QStringLiteral("C:\\Gp2") : gp2Dir);
    settings.set(UseGp2Lap, true);
    settings.set(QuickUpdate, true);
    settings.set(CarSetupManagement, true);
    params->setValue(Version, kLapTimeDatabaseVersion);
    params->update();

    auto tracks = db.openTable(Tracks);
    for (const Circuit& c : kCircuits) {
        const QString name = QString::fromLatin1(c.name);
        const bool newRow = !seekName(*tracks, name);
        if (newRow) {
            tracks->addNew();
            tracks->setValue(Name, name);
        } else {
            tracks->edit();
        }
        Defaults row(db, *tracks, Tracks, newRow, added);
        row.set(Country, QString::fromLatin1(c.country));
        row.set(Size, c.size);
        row.set(Laps, c.laps);
        row.set(Length, c.length);
        row.set(Slot, c.slot);
        row.set(Original, true);
        row.set(Event, QStringLiteral("Formula 1"));
        row.set(Author, QStringLiteral("Microprose"));
        row.set(Description, QStringLiteral("1994 Version"));
        tracks->update();
    }
    tracks->close();
    params->close();
}

// The layout version a lap time database file holds; 0 when it cannot be read (no settings
// row, no "Version", not a database).
int storedVersion(const QString& path) {
    int version = 0;
    ignoreFailure("reading the layout version", [&] {
        auto db = Database::open(path);
        if (!db->tableExists(Parameters))
            return;
        auto params = db->openTable(Parameters);
        if (seekKey(*params, CodeIndex, 1) && hasField(*db, Parameters, Version))
            version = int(params->number(Version));
    });
    return version;
}

// Where the file as it was before an update is kept: "<name>.v<version>" beside it, or
// "<name>.old" for a file whose version could not be read; "-2", "-3" ... when a backup of an
// earlier update holds that name.
QString backupPathFor(const QString& path, int version) {
    const QString base =
        path + (version > 0 ? QStringLiteral(".v%1").arg(version) : QStringLiteral(".old"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = base + QStringLiteral("-%1").arg(n);
    return candidate;
}

// Keeps `path` as it is under `backup`: a second name of the same file where the file system
// allows it (nothing is copied, and the update's rename leaves it the old file), else a copy
// that is on the device before the update replaces the original.
void keepAsBackup(const QString& path, const QString& backup) {
    std::error_code error;
    std::filesystem::create_hard_link(QFile::encodeName(path).constData(),
                                      QFile::encodeName(backup).constData(), error);
    if (!error)
        return;
    QString why;
    if (!copyReplacing(path, backup, &why))
        throw std::runtime_error(notWrittenMessage(backup, why).toStdString());
}

// The copy an existing lap time database is updated in; a copy a stopped run left is ours
// alone and made again. An error that ends the program (the file held, no database) does so.
void copyForUpdate(Gp2PsoBas& bas, const QString& path, const QString& work) {
    removeScratch(work);
    try {
        Database::compact(path, work);
    } catch (const DbError& e) {
        removeScratch(work);
        handle(bas, e, false);
        throw;
    }
}

// Puts the finished copy in place of the database. The old file is kept as the backup when
// `backup` is not empty; a failure leaves the database as it was and removes the copy.
void putUpdateInPlace(const QString& work, const QString& path, const QString& backup) {
    try {
        // The copy is to replace the only up-to-date file: it goes to the device first.
        Database::open(work)->sync();
        if (!backup.isEmpty())
            keepAsBackup(path, backup);
        try {
            replaceFile(work, path);
        } catch (...) {
            if (!backup.isEmpty())
                QFile::remove(backup);
            throw;
        }
    } catch (...) {
        removeScratch(work);
        throw;
    }
}

// Copies the menu pictures of the catalogue's tracks into "Maps". A catalogue without the
// picture fields (they were moved to "Maps" long ago), or none at all, has nothing to copy.
// A name "Maps" holds already keeps its row.
void fillMaps(const QString& mapsPath, const QString& cataloguePath) {
    if (!QFileInfo::exists(cataloguePath))
        return;
    auto source = Database::open(cataloguePath);
    const QString& table = Tracks;
    const QString &pic1 = MenuPicture, &pic2 = MenuPicture2;
    if (!source->tableExists(table))
        return;
    const bool has1 = hasField(*source, table, pic1);
    const bool has2 = hasField(*source, table, pic2);
    if (!has1 && !has2)
        return;
    auto maps = openForMaking(mapsPath);
    auto mapsRs = maps->openTable(Maps);
    mapsRs->setIndex(NameIndex);
    auto tracks = source->openTable(table);
    tracks->setIndex(NameIndex);
    for (tracks->moveFirst(); !tracks->eof(); tracks->moveNext()) {
        const QString name = tracks->text(Name);
        const QString p1 = has1 ? tracks->text(pic1) : QString();
        const QString p2 = has2 ? tracks->text(pic2) : QString();
        if (name.isEmpty() || (p1.isEmpty() && p2.isEmpty()))
            continue;
        if (seekName(*mapsRs, name))
            continue;
        mapsRs->addNew();
        mapsRs->setValue(Name, name);
        mapsRs->setValue(pic1, p1);
        mapsRs->setValue(pic2, p2);
        mapsRs->update();
    }
}

// Every way of making or updating writes beside the database; a folder that refuses it is
// said with the system's own reason.
void requireWritableFolder(const QString& folder) {
    QFile probe(QDir(folder).filePath(
        QStringLiteral(".pso-write-check-%1").arg(QCoreApplication::applicationPid())));
    if (probe.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        probe.close();
        probe.remove();
        return;
    }
    QString reason = probe.errorString();
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    throw std::runtime_error(QCoreApplication::translate("MakeDatabase", "cannot write %1: %2")
                                 .arg(QDir::toNativeSeparators(folder), reason)
                                 .toStdString());
}

} // namespace

QString newerLayoutRefusal(const QString& name, int version) {
    return QCoreApplication::translate(
               "MakeDatabase", "Database %1 has layout version %2, made by a newer "
                               "Pistaro; this one "
                               "knows versions up to %3. The database was not opened and is left "
                               "as it is.")
        .arg(name, QString::number(version), QString::number(kLapTimeDatabaseVersion));
}

QString MakeDatabase(Gp2PsoBas& bas, const QString& name) {
    requireWritableFolder(bas.AppDir);
    const QDir dir(bas.AppDir);
    const QString path = dir.filePath(name);
    const bool maps = name == QLatin1String("Maps.mdb");
    const bool fresh = !QFileInfo::exists(path);
    const bool inCopy = !fresh && !maps;
    const int oldVersion = inCopy ? storedVersion(path) : 0;
    if (oldVersion > kLapTimeDatabaseVersion)
        throw std::runtime_error(newerLayoutRefusal(name, oldVersion).toStdString());

    NullStatus noWindow;
    StatusSink* const shown = bas.status;
    if (!bas.status)
        bas.status = &noWindow;
    // However it ends (a message that ends the program included), the window goes away.
    struct Restore {
        Gp2PsoBas& bas;
        StatusSink* status;
        ~Restore() {
            bas.status->hideStatus();
            bas.status = status;
        }
    } restore{bas, shown};

    StatusSink& status = *bas.status;
    status.showStatus();
    status.setLine1(bas.StatusText);
    status.setLine2(QString());
    status.pump();

    const QString definition =
        dir.filePath(maps ? QStringLiteral("maps.def") : QStringLiteral("pso.def"));

    refreshExisting(dir, name, !inCopy);

    // A new database is made under a scratch name and takes its own name once it is complete:
    // a run stopped half-way leaves no database that looks made but lacks tables or rows, and
    // the next start makes it again. An existing lap time database is brought up to date in a
    // compacted copy that replaces it once complete, so a stopped or failed update leaves the
    // file as it was and the next start updates it again. Maps.mdb, whose update only
    // adds, is still updated in place.
    QString work = path;
    if (fresh) {
        work = path + QStringLiteral(".new");
        removeScratch(work);
    } else if (inCopy) {
        work = path + QStringLiteral(".update");
        copyForUpdate(bas, path, work);
    }

    try {
        // Creating an existing database fails with AlreadyExists: it is then brought up to date.
        skippingErrors(bas, [&] { Database::create(work, kLocale, kEncryptOption)->close(); });
        NewFields added;
        buildFromDefinition(bas, work, definition, added);

        if (!maps) {
            status.setLine2(
                QCoreApplication::translate("MakeDatabase", "Updating original tracks info..."));
            skippingErrors(bas, [&] {
                auto db = openForMaking(work);
                writeCatalogueDefaults(*db, bas.Gp2Dir, added);
                db->close();
            });
            status.setLine2(QCoreApplication::translate("MakeDatabase", "Done."));
        } else {
            status.setLine2(QCoreApplication::translate("MakeDatabase", "Updating maps info..."));
            skippingErrors(bas, [&] { fillMaps(work, dir.filePath(bas.DbName)); });
            status.setLine2(QCoreApplication::translate("MakeDatabase", "Done."));
        }
    } catch (...) {
        // A failed update (a full disk ends the program) leaves no half-updated copy beside
        // the database; the next start begins again from the file as it was. A half-made new
        // database stays as `<name>.new` to be looked at; the next start makes it anew.
        if (inCopy)
            removeScratch(work);
        throw;
    }
    QString backup;
    if (inCopy) {
        if (oldVersion < kLapTimeDatabaseVersion)
            backup = backupPathFor(path, oldVersion);
        putUpdateInPlace(work, path, backup);
    } else {
        ignoreFailure("sync of the made database", [&] { Database::open(work)->sync(); });
    }
    if (fresh)
        ignoreFailure("putting the made database in place", [&] { replaceFile(work, path); });
    status.hideStatus();
    return backup;
}
