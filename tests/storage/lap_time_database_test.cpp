// Opening and closing the lap time database: the settings row, the game folder check, the
// lap timer check, the first-start copies, the layout update and the damaged-file end.
#include "platform/gamepath.h"
#include "platform/program_end.h"
#include "storage/engine.h"
#include "storage/make_database.h"
#include "storage/settings_row.h"
#include "storage/ui/lap_time_database.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/main_window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace pistaro;
using testrows::setStoredParam;
using testrows::storedParam;

namespace {

// The main window without its start-up steps, so DbOpen runs alone.
LapTimeDatabase& settingsOf(MainWindowFixture& fx) {
    fx.frm = std::make_unique<MainWindow>(fx.bas);
    return *fx.frm->Setting;
}

} // namespace

class LapTimeDatabaseTest final : public QObject {
    Q_OBJECT
private slots:
    void storedFolderGetsItsSeparator();
    void missingLapTimerSwitchesItOff();
    void missingDatabaseIsMadeAndAsksForTheGame();
    void rejectedFoldersAreAskedAgainUntilCancel();
    void missingSettingsRowEndsTheProgram();
    void damagedDatabaseEndsAfterOneRepair();
    void oldLayoutIsUpdatedOnce_data();
    void oldLayoutIsUpdatedOnce();
    void firstStartCopiesTheOriginals();
    void closeWithoutOpenDatabaseDoesNothing();
};

void LapTimeDatabaseTest::storedFolderGetsItsSeparator() {
    MainWindowFixture fx;
    setStoredParam(fx.database(), QStringLiteral("Gp2 Directory"), withoutSeparator(fx.gameDir()));
    LapTimeDatabase& s = settingsOf(fx);
    s.DbOpen(QStringLiteral("pso.mdb"));
    QCOMPARE(fx.bas.Gp2Dir, fx.gameDir());
    QVERIFY(fx.dialogs.shown.isEmpty());
    QVERIFY(fx.bas.Db && fx.bas.ParamsRs && fx.bas.TracksRs);
    QCOMPARE(fx.bas.TracksRs->index(), QStringLiteral("Name"));
    QCOMPARE(fx.bas.DbVersion, kLapTimeDatabaseVersion);
    QVERIFY(fx.bas.QuickUpdate && fx.bas.CarSetupManagement);
    s.DbClose();
    QVERIFY(!fx.bas.Db && !fx.bas.ParamsRs && !fx.bas.TracksRs);
    QCOMPARE(storedParam(fx.database(), QStringLiteral("Gp2 Directory")).toString(), fx.gameDir());
    QCOMPARE(storedParam(fx.database(), QStringLiteral("Circuits Directory")).toString(),
             fx.gameDir() + QStringLiteral("Circuits") + gamepath::sep());
}

void LapTimeDatabaseTest::missingLapTimerSwitchesItOff() {
    samplegame::Options noTimer;
    noTimer.gp2lap = false;
    MainWindowFixture fx(noTimer);
    QVERIFY(storedParam(fx.database(), QStringLiteral("Use Gp2Lap")).toBool());
    LapTimeDatabase& s = settingsOf(fx);
    s.DbOpen(QStringLiteral("pso.mdb"));
    QVERIFY(!fx.bas.UseGp2Lap);
    s.DbClose();
    QVERIFY(!storedParam(fx.database(), QStringLiteral("Use Gp2Lap")).toBool());

    // An empty file is no lap timer either; a real one keeps the switch on.
    MainWindowFixture fx2;
    LapTimeDatabase& s2 = settingsOf(fx2);
    s2.DbOpen(QStringLiteral("pso.mdb"));
    QVERIFY(fx2.bas.UseGp2Lap);
    s2.DbClose();
    QVERIFY(writeFile(gamepath::join(fx2.gameDir(), QStringLiteral("Gp2Lap.exe")), {}));
    s2.DbOpen(QStringLiteral("pso.mdb"));
    QVERIFY(!fx2.bas.UseGp2Lap);
}

void LapTimeDatabaseTest::missingDatabaseIsMadeAndAsksForTheGame() {
    MainWindowFixture fx;
    fx.dialogs.answers = {withoutSeparator(fx.gameDir())};
    LapTimeDatabase& s = settingsOf(fx);
    s.DbOpen(QStringLiteral("other.mdb"));
    const QString made = fx.database(QStringLiteral("other.mdb"));
    QVERIFY(QFile::exists(made));
    QCOMPARE(fx.bas.StatusText, QStringLiteral("Please wait, making database..."));
    // The new row names no folder of this machine: the first start asks where the game is,
    // then copies the game's own circuits to their track names.
    QCOMPARE(fx.dialogs.kinds, (QStringList{QStringLiteral("message"), QStringLiteral("pickFolder"),
                                            QStringLiteral("message")}));
    QCOMPARE(fx.dialogs.shown.at(0),
             QStringLiteral("Where is your GP2 folder?\r\n\r\nPistaro works on the circuits of "
                            "your Grand Prix 2 installation. In the next window, choose the "
                            "folder that holds GP2.EXE (File > Setup Pistaro changes it later). "
                            "Cancel ends Pistaro."));
    QCOMPARE(fx.dialogs.shown.at(1), QStringLiteral("Where is your GP2 folder?"));
    QCOMPARE(fx.dialogs.shown.at(2),
             QStringLiteral("Your original circuit files were copied under their track names."));
    QVERIFY(QFile::exists(fx.circuit(samplegame::originalName(7) + QStringLiteral(".dat"))));
    QCOMPARE(fx.bas.Gp2Dir, fx.gameDir());
    // Both are kept at once: a run killed now neither asks nor copies again.
    QCOMPARE(storedParam(made, QStringLiteral("Gp2 Directory")).toString(), fx.gameDir());
    QVERIFY(!storedParam(made, QStringLiteral("First Time")).toBool());
}

void LapTimeDatabaseTest::rejectedFoldersAreAskedAgainUntilCancel() {
    MainWindowFixture fx;
    setStoredParam(fx.database(), QStringLiteral("Gp2 Directory"),
                   fx.tmp.filePath(QStringLiteral("nogame")));
    fx.dialogs.answers = {fx.appDir(), QString()};
    LapTimeDatabase& s = settingsOf(fx);
    try {
        s.DbOpen(QStringLiteral("pso.mdb"));
        QFAIL("the program did not end");
    } catch (const ProgramEnded& e) {
        QCOMPARE(e.status, 0);
    }
    QCOMPARE(fx.dialogs.kinds,
             (QStringList{QStringLiteral("message"), QStringLiteral("pickFolder"),
                          QStringLiteral("message"), QStringLiteral("pickFolder")}));
    // Each message names the folder without GP2.EXE, the stored one first.
    const QString next = QStringLiteral(".\r\n\r\nIn the next window, choose the folder that "
                                        "holds GP2.EXE. Cancel ends Pistaro.");
    QCOMPARE(fx.dialogs.shown.at(0), QStringLiteral("There is no GP2.EXE in ") +
                                         fx.tmp.filePath(QStringLiteral("nogame")) + next);
    QCOMPARE(fx.dialogs.shown.at(2),
             QStringLiteral("There is no GP2.EXE in ") + fx.appDir() + next);
}

void LapTimeDatabaseTest::missingSettingsRowEndsTheProgram() {
    MainWindowFixture fx;
    {
        auto db = Database::open(fx.database());
        auto params = db->openTable(QStringLiteral("Parameters"));
        QVERIFY(settingsrow::seekRow(*params));
        params->deleteCurrent();
    }
    LapTimeDatabase& s = settingsOf(fx);
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, s.DbOpen(QStringLiteral("pso.mdb")));
    QCOMPARE(fx.dialogs.messages(), QStringList{QStringLiteral("Error while reading Parameters.")});
}

void LapTimeDatabaseTest::damagedDatabaseEndsAfterOneRepair() {
    MainWindowFixture fx;
    QVERIFY(writeFile(fx.database(), QByteArray(4096, 'x')));
    LapTimeDatabase& s = settingsOf(fx);
    try {
        s.DbOpen(QStringLiteral("pso.mdb"));
        QFAIL("the program did not end");
    } catch (const ProgramEnded& e) {
        QCOMPARE(e.status, 1);
    }
    QCOMPARE(fx.dialogs.messages(),
             QStringList{QStringLiteral("Database pso.mdb is damaged and could not be repaired.")});
    QVERIFY(!fx.bas.Db);
}

void LapTimeDatabaseTest::oldLayoutIsUpdatedOnce_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("sql"); // what the older layout lacked
    QTest::newRow("older layout") << 149 << QString();
    QTest::newRow("before the history")
        << 162 << QStringLiteral("DROP TABLE History; DROP TABLE \"Log Imports\"");
    QTest::newRow("before the log imports") << 163 << QStringLiteral("DROP TABLE \"Log Imports\"");
}

// The update keeps every setting and every edit of an original track, adds what the layout
// lacked, and keeps the file as it was where the message says.
void LapTimeDatabaseTest::oldLayoutIsUpdatedOnce() {
    QFETCH(int, version);
    QFETCH(QString, sql);
    MainWindowFixture fx;
    if (!sql.isEmpty())
        QVERIFY(testrows::runSql(fx.database(), sql));
    setStoredParam(fx.database(), QStringLiteral("Version"), version);
    for (const char* off : {"Use Gp2Lap", "Quick Update", "Car Setup Management"})
        setStoredParam(fx.database(), QString::fromLatin1(off), false);
    const QList<std::pair<QString, QVariant>> edits = {
        {"Race Time", "1:23.456"}, {"Country", "Italia"}, {"Laps", 12}, {"Author", "Me"}};
    {
        auto db = Database::open(fx.database());
        auto t = db->openTable(QStringLiteral("Tracks"));
        t->setIndex(QStringLiteral("Name"));
        t->seek(QStringLiteral("="), QStringLiteral("Monza"));
        t->edit();
        for (const auto& [field, value] : edits)
            t->setValue(field, value);
        t->update();
    }
    const QByteArray before = readFile(fx.database());
    LapTimeDatabase& s = settingsOf(fx);
    s.DbOpen(QStringLiteral("pso.mdb"));
    QCOMPARE(fx.bas.StatusText, QStringLiteral("Please wait, updating database..."));
    QCOMPARE(fx.bas.DbVersion, kLapTimeDatabaseVersion);
    const QString backup = fx.database() + QStringLiteral(".v%1").arg(version);
    QCOMPARE(readFileOrMissing(backup), before);
    QCOMPARE(
        fx.dialogs.messages(),
        QStringList{QStringLiteral("Database pso.mdb was brought up to date (layout version "
                                   "%1 to %2).\r\n\r\nThe file as it was is kept as %3.")
                        .arg(QString::number(version), QString::number(kLapTimeDatabaseVersion),
                             QDir::toNativeSeparators(backup))});
    QVERIFY(!fx.bas.UseGp2Lap && !fx.bas.QuickUpdate && !fx.bas.CarSetupManagement);
    fx.bas.TracksRs->seek(QStringLiteral("="), QStringLiteral("Monza"));
    for (const auto& [field, value] : edits)
        QCOMPARE(fx.bas.TracksRs->value(field).toString(), value.toString());
    for (const char* table : {"History", "Log Imports"})
        QVERIFY2(fx.bas.Db->tableExists(QString::fromLatin1(table)), table);
    s.DbClose();
    QVERIFY(!storedParam(fx.database(), QStringLiteral("Quick Update")).toBool());

    // Up to date now: the next opening neither updates nor says anything.
    fx.takeMessages();
    s.DbOpen(QStringLiteral("pso.mdb"));
    QVERIFY(fx.dialogs.shown.isEmpty());
    QCOMPARE(QDir(fx.appDir()).entryList({QStringLiteral("pso.mdb.*")}),
             QStringList{QFileInfo(backup).fileName()});
}

void LapTimeDatabaseTest::firstStartCopiesTheOriginals() {
    MainWindowFixture fx;
    setStoredParam(fx.database(), QStringLiteral("First Time"), true);
    // A stale file of that name is replaced.
    const QString target = fx.circuit(QStringLiteral("Monte-Carlo.dat"));
    QVERIFY(writeFile(target, "old"));
    LapTimeDatabase& s = settingsOf(fx);
    s.DbOpen(QStringLiteral("pso.mdb"));
    QCOMPARE(fx.dialogs.messages(),
             QStringList{QStringLiteral(
                 "Your original circuit files were copied under their track names.")});
    for (int slot : {1, 4, 16}) {
        QFile original(fx.circuit(QStringLiteral("f1ct%1.dat").arg(slot, 2, 10, QLatin1Char('0'))));
        QFile copy(fx.circuit(samplegame::originalName(slot) + QStringLiteral(".dat")));
        QVERIFY2(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly),
                 qPrintable(copy.fileName()));
        QCOMPARE(copy.readAll(), original.readAll());
    }
    s.DbClose();
    QVERIFY(!storedParam(fx.database(), QStringLiteral("First Time")).toBool());

    // The next opening copies nothing.
    QFile::remove(target);
    fx.takeMessages();
    s.DbOpen(QStringLiteral("pso.mdb"));
    QVERIFY(!QFile::exists(target));
    QVERIFY(fx.dialogs.shown.isEmpty());
}

void LapTimeDatabaseTest::closeWithoutOpenDatabaseDoesNothing() {
    MainWindowFixture fx;
    LapTimeDatabase& s = settingsOf(fx);
    s.DbClose();
    QVERIFY(!fx.bas.Db);
    s.DbOpen(QStringLiteral("pso.mdb"));
    s.DbClose();
    s.DbClose(); // a second close is harmless
    QCOMPARE(storedParam(fx.database(), QStringLiteral("Gp2 Directory")).toString(), fx.gameDir());
}

QTEST_MAIN(LapTimeDatabaseTest)
#include "lap_time_database_test.moc"
