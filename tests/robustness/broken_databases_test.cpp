// Start-up on databases that are damaged, held by another program, or shared with a second
// window: the program ends or goes on with a message that says why, and never drops a file.
#include "platform/program_end.h"
#include "storage/engine.h"
#include "storage/make_database.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/main_window_fixture.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/masked_field.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <sqlite3.h>

using namespace pistaro;

namespace {

QByteArray randomBytes(int size, quint32 seed) {
    QRandomGenerator gen(seed);
    QByteArray out(size, '\0');
    for (char& c : out)
        c = char(gen.bounded(256));
    return out;
}

// One answer of SQLite itself, without the program's engine in between.
QString sqliteScalar(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    QString out;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return out;
}

// Another program holding `path` under an exclusive lock until it is released.
class LockHolder final {
public:
    explicit LockHolder(const QString& path) {
        process_.start(QStringLiteral(PSO_DB_LOCK_HOLDER), {path});
        locked_ = process_.waitForReadyRead(10000) && process_.readLine().trimmed() == "locked";
    }
    ~LockHolder() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(10000))
            process_.kill();
    }
    bool locked() const { return locked_; }

private:
    QProcess process_;
    bool locked_ = false;
};

} // namespace

class BrokenDatabasesTest final : public QObject {
    Q_OBJECT

    // Makes Maps.mdb as a first run does.
    void firstRun(MainWindowFixture& fx) {
        fx.start();
        fx.stop();
        QVERIFY(QFile::exists(fx.database("Maps.mdb")));
        fx.dialogs.shown.clear();
    }

    // Starts and expects the program to end with status 1.
    void startExpectingTheEnd(MainWindowFixture& fx) {
        try {
            fx.start();
            QFAIL("the program did not end");
        } catch (const ProgramEnded& e) {
            QCOMPARE(e.status, 1);
        }
        fx.frm.reset();
    }

    // Selecting a circuit after a start without Maps.mdb still fills the panel.
    void circuitsStillWork(MainWindowFixture& fx) {
        CircuitTable* files = fx.frm->Lists->File1;
        files->setListIndex(files->indexOf("monza2001.dat"));
        QCOMPARE(fx.frm->Panel->Track->text(), QStringLiteral("Monza 2001"));
    }

private slots:
    // Catalogues another program made or changed: what pso.def describes and is missing is
    // named and added; what cannot be mended ends the start with what is wrong; columns that
    // hide the row id do not lead the program to other rows.
    void foreignCatalogues_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("message"); // "" for none
        QTest::addColumn<bool>("ends");
        const QString lacks = "Database pso.mdb lacks what pso.def describes:\r\n\r\n";
        const QString upToDate = "\r\n\r\nIt is brought up to date now.";
        const QString refused = "Database pso.mdb does not have the layout pso.def describes "
                                "and cannot be used.\r\n\r\n";
        QTest::newRow("rowid column") << "ALTER TABLE Tracks ADD COLUMN rowid LONG; "
                                         "UPDATE Tracks SET rowid = 1000 - _rowid_"
                                      << QString() << false;
        QTest::newRow("no Tracks")
            << "DROP TABLE Tracks" << lacks + "table Tracks" + upToDate << false;
        QTest::newRow("no Name index")
            << "DROP INDEX \"pk|Tracks|Name\"" << lacks + "index Tracks.Name" + upToDate << false;
        QTest::newRow("view") << "DROP TABLE Tracks; CREATE VIEW Tracks AS SELECT 1 AS Name"
                              << refused + "Tracks is a view, not a table" << true;
        QTest::newRow("without rowid")
            << "DROP TABLE Tracks; CREATE TABLE Tracks (Name TEXT(30) PRIMARY KEY) WITHOUT ROWID"
            << refused + "Table 'Tracks' has no row id the program can use (a table WITHOUT "
                         "ROWID, or columns named rowid, _rowid_ and oid)."
            << true;
        QTest::newRow("Name index over Country")
            << "DROP INDEX \"pk|Tracks|Name\"; CREATE INDEX Name ON Tracks (Country)"
            << refused + "index Tracks.Name is over Country, not Name" << true;
        // A newer program's database is not "brought up to date" to this one's layout.
        QTest::newRow("newer layout")
            << "UPDATE Parameters SET Version = 999; DROP TABLE History"
            << "Database pso.mdb has layout version 999, made by a newer Pistaro; this one knows "
               "versions up to " +
                   QString::number(kLapTimeDatabaseVersion) +
                   ". The database was not opened and is left as it is."
            << true;
    }
    void foreignCatalogues() {
        QFETCH(QString, sql);
        QFETCH(QString, message);
        QFETCH(bool, ends);
        MainWindowFixture fx;
        QVERIFY(testrows::runSql(fx.database(), sql));
        if (ends) {
            const QByteArray before = readFile(fx.database());
            startExpectingTheEnd(fx);
            QCOMPARE(fx.dialogs.messages(), QStringList{message});
            QCOMPARE(readFile(fx.database()), before);
            // Nothing was made beside it either (no copy, no backup).
            QCOMPARE(QDir(fx.appDir()).entryList({"pso.mdb*"}), QStringList{"pso.mdb"});
            return;
        }
        fx.start();
        QCOMPARE(fx.dialogs.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(testrows::track(fx.bas, "Monte-Carlo", "Country")->toString(),
                 QStringLiteral("Monaco"));
        QCOMPARE(testrows::track(fx.bas, "Adelaide", "Slot")->toInt(), 16);
        fx.stop();
        // The next start finds nothing to say.
        fx.dialogs.shown.clear();
        fx.start();
        QCOMPARE(fx.dialogs.messages(), QStringList{});
        fx.stop();
    }

    // The database named on the command line is a file of the program folder.
    void commandLineNamesOutsideTheProgramFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("up") << "../pso.mdb";
        QTest::newRow("absolute") << "/tmp/elsewhere.mdb";
        QTest::newRow("sub folder") << "sub/season.mdb";
        QTest::newRow("backslash") << "..\\season.mdb";
        QTest::newRow("dots inside") << "a..b.mdb";
    }
    void commandLineNamesOutsideTheProgramFolder() {
        QFETCH(QString, name);
        MainWindowFixture fx;
        const auto before = filesnapshot::take(fx.tmp.path());
        try {
            fx.start({name});
            QFAIL("the program did not end");
        } catch (const ProgramEnded& e) {
            QCOMPARE(e.status, 1);
        }
        fx.frm.reset();
        QCOMPARE(fx.dialogs.messages(),
                 QStringList{"Database '" + name +
                             "' must be a plain file name, without folders or '..'."});
        QCOMPARE(filesnapshot::changed(before, filesnapshot::take(fx.tmp.path())), QStringList{});
    }

    void mainDatabaseOfRandomBytesEndsTheStartAndIsKept() {
        MainWindowFixture fx;
        const QByteArray junk = randomBytes(8192, 1);
        QVERIFY(writeFile(fx.database(), junk));
        const auto before = filesnapshot::take(fx.appDir());
        startExpectingTheEnd(fx);
        QCOMPARE(fx.dialogs.messages(),
                 QStringList{"Database pso.mdb is damaged and could not be repaired."});
        QCOMPARE(filesnapshot::changed(before, filesnapshot::take(fx.appDir())), QStringList{});
    }

    void mapsDatabaseOfRandomBytesIsKeptAndTheRunGoesOn() {
        MainWindowFixture fx;
        firstRun(fx);
        const QByteArray junk = randomBytes(8192, 2);
        QVERIFY(writeFile(fx.database("Maps.mdb"), junk));
        fx.start();
        const QStringList messages = fx.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith("Couldn't open " +
                                        QDir::toNativeSeparators(fx.database("Maps.mdb")) +
                                        ".\r\n\r\nUnrecognized database format"),
                 qPrintable(messages[0]));
        QVERIFY(messages[0].endsWith("Menu pictures are neither shown nor kept in this run."));
        circuitsStillWork(fx);
        fx.stop();
        QCOMPARE(readFile(fx.database("Maps.mdb")), junk);
        QVERIFY(!QFile::exists(fx.database("Maps.mdb") + ".damaged"));
    }

    // A database file whose header reads but whose Tracks index is damaged is rebuilt at
    // start-up (and by the update of an old layout); the damaged file stays beside it.
    void damagedCatalogueIsRebuiltAndTheDamagedFileKept_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("current layout") << kLapTimeDatabaseVersion;
        QTest::newRow("old layout") << 149;
    }
    void damagedCatalogueIsRebuiltAndTheDamagedFileKept() {
        QFETCH(int, version);
        MainWindowFixture fx;
        const QString db = fx.database();
        {
            auto d = Database::open(db);
            auto params = d->openTable("Parameters");
            params->setIndex("Code");
            params->seek("=", 1);
            params->edit();
            params->setValue("Version", version);
            params->update();
        }
        const QString rows = sqliteScalar(db, "SELECT count(*) FROM Tracks");
        QVERIFY(rows.toInt() > 0);
        const int root = sqliteScalar(db, "SELECT rootpage FROM sqlite_master WHERE type = 'index' "
                                          "AND tbl_name = 'Tracks' LIMIT 1")
                             .toInt();
        const int pageSize = sqliteScalar(db, "PRAGMA page_size").toInt();
        QVERIFY(root > 1 && pageSize > 0);
        QByteArray bytes = readFile(db);
        QVERIFY(bytes.size() >= qint64(root) * pageSize);
        bytes.replace(qint64(root - 1) * pageSize, pageSize, QByteArray(pageSize, '\xA5'));
        QVERIFY(writeFile(db, bytes));
        QVERIFY(sqliteScalar(db, "PRAGMA quick_check") != "ok");
        const auto game = filesnapshot::take(fx.gameDir());

        fx.start();
        // An update says where the file it updated is kept (after its repair).
        QCOMPARE(fx.dialogs.messages(),
                 version == kLapTimeDatabaseVersion
                     ? QStringList{}
                     : QStringList{QString("Database pso.mdb was brought up to date (layout "
                                           "version %1 to %2).\r\n\r\nThe file as it was is "
                                           "kept as %3.v%1.")
                                       .arg(QString::number(version),
                                            QString::number(kLapTimeDatabaseVersion),
                                            QDir::toNativeSeparators(db))});
        QCOMPARE(fx.bas.DbVersion, kLapTimeDatabaseVersion);
        QVERIFY(fx.bas.TracksRs);
        circuitsStillWork(fx);
        fx.stop();
        QCOMPARE(sqliteScalar(db, "PRAGMA quick_check"), QStringLiteral("ok"));
        QVERIFY(sqliteScalar(db, "SELECT count(*) FROM Tracks").toInt() >= rows.toInt());
        // The kept file is the damaged one as it was: nothing is written into a database
        // before its update.
        QCOMPARE(readFile(db + ".damaged"), bytes);
        QCOMPARE(filesnapshot::changed(game, filesnapshot::take(fx.gameDir())), QStringList{});
    }

    void lockedByAnotherProgram_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("catalogue") << "pso.mdb";
        QTest::newRow("menu pictures") << "Maps.mdb";
    }
    void lockedByAnotherProgram() {
        QFETCH(QString, file);
        MainWindowFixture fx;
        firstRun(fx);
        const QString path = fx.appDir() + "/" + file;
        const QByteArray before = readFile(path);
        {
            LockHolder holder(path);
            QVERIFY(holder.locked());
            if (file == "pso.mdb") {
                startExpectingTheEnd(fx);
                QCOMPARE(fx.dialogs.messages(),
                         QStringList{"Error while reading Parameters.\r\n\r\nThe database '" +
                                     QDir::toNativeSeparators(path) +
                                     "' is in use by another user."});
            } else {
                fx.start();
                QCOMPARE(fx.dialogs.messages(),
                         QStringList{"Couldn't open " + QDir::toNativeSeparators(path) +
                                     ".\r\n\r\nThe database '" + QDir::toNativeSeparators(path) +
                                     "' is in use by another user.\r\n\r\n"
                                     "Menu pictures are neither shown nor kept in this run."});
                circuitsStillWork(fx);
                fx.stop();
            }
        }
        QCOMPARE(readFile(path), before);
        QCOMPARE(sqliteScalar(path, "PRAGMA quick_check"), QStringLiteral("ok"));
    }

    // Two windows on one catalogue: what one stores the other reads, and both close cleanly.
    void secondWindowOnTheSameDatabase() {
        MainWindowFixture fx;
        MainWindow& first = fx.start();
        HeadlessProgram program2(fx.appDir());
        Gp2PsoBas& bas2 = program2.bas;
        MainWindow* second = &program2.start();
        QVERIFY(bas2.Db && bas2.TracksRs && bas2.MapsRs);
        QCOMPARE(bas2.Gp2Dir, fx.gameDir());

        first.Lists->File1->setListIndex(first.Lists->File1->indexOf("monza2001.dat"));
        setMaskedDigits(first.Panel->RTime, "123456");
        first.Panel->UpdateRecord();
        second->Lists->File1->setListIndex(second->Lists->File1->indexOf("monza2001.dat"));
        QCOMPARE(maskedDigits(second->Panel->RTime), QStringLiteral("123456"));
        setMaskedDigits(second->Panel->QTime, "111111");
        second->Panel->UpdateRecord();

        program2.stop();
        fx.stop();
        QCOMPARE(fx.dialogs.messages(), QStringList{});
        QCOMPARE(program2.dialogs.messages(), QStringList{});
        QCOMPARE(sqliteScalar(fx.database(), "PRAGMA quick_check"), QStringLiteral("ok"));
        auto db = Database::open(fx.database());
        auto tracks = db->openTable("Tracks");
        tracks->setIndex("Name");
        tracks->seek("=", "Monza 2001");
        QVERIFY(!tracks->noMatch());
        QCOMPARE(tracks->text("Race Time"), QStringLiteral("1:23.456"));
        QCOMPARE(tracks->text("Qualifying Time"), QStringLiteral("1:11.111"));
    }
};

QTEST_MAIN(BrokenDatabasesTest)
#include "broken_databases_test.moc"
