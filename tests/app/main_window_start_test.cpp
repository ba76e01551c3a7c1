// Starting the real program: the main window on the sample game, a database named on the
// command line, and the pso process itself with Qt's own options before the name.
#include "packs/slot_entry.h"
#include "packs/ui/slot_list.h"
#include "storage/engine.h"
#include "storage/make_database.h"
#include "storage/ui/database_list.h"
#include "tests/support/files.h"
#include "tests/support/main_window_fixture.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/circuit_table_model.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace pistaro;

class MainWindowStartTest final : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheStoredGameFolder() {
        MainWindowFixture fx;
        MainWindow& frm = fx.start();
        QVERIFY2(fx.dialogs.shown.isEmpty(), qPrintable(fx.dialogs.shown.join(" | ")));
        QCOMPARE(fx.bas.Gp2Dir, fx.gameDir());
        QListWidget* slotList = frm.Slots->List1;
        QCOMPARE(slotList->count(), kSlotCount);
        // Name in 30 columns, one blank, the country; the laps ride along as item data.
        QCOMPARE(slotList->item(6)->text(),
                 QStringLiteral("07 Magny Cours                    France"));
        QCOMPARE(slotList->item(6)->data(Qt::UserRole).toInt(), 72);
        QCOMPARE(frm.Databases->DbCombo->currentText(), QStringLiteral("pso.mdb"));
        QVERIFY(frm.Lists->File1->count() > kSlotCount);
        QCOMPARE(QDir::current().absolutePath(), QDir(fx.appDir()).absolutePath());
    }

    // The saved packs of Packs.txt are in the Packs column from the first read on, and the
    // start reads the circuits once: nothing it leaves queued reads them all again.
    void theStartReadsTheCircuitsOnceWithTheirPacks() {
        MainWindowFixture fx;
        QFile slot(fx.circuit(QStringLiteral("f1ct07.dat")));
        QVERIFY(slot.open(QIODevice::ReadOnly));
        const QByteArray circuit = slot.readAll();
        QVERIFY(writeFile(fx.circuit(QStringLiteral("used.dat")), circuit));
        QVERIFY(writeFile(fx.circuit(QStringLiteral("Season 98/f1ct07.dat")), circuit));
        QVERIFY(writeFile(fx.appDir() + QStringLiteral("/Packs.txt"), "Season 98\r\n"));
        MainWindow& frm = fx.start();
        CircuitTable* table = frm.Lists->File1;
        QSignalSpy relisted(table->model(), &QAbstractItemModel::modelReset);
        QTRY_VERIFY_WITH_TIMEOUT(table->columnsRead(), 10000);
        QTest::qWait(20);
        const int row = table->indexOf(QStringLiteral("used.dat"), Qt::CaseSensitive);
        QVERIFY(row >= 0);
        QCOMPARE(table->model()->index(row, CircuitTableModel::Packs).data().toString(),
                 QStringLiteral("Season 98"));
        QCOMPARE(relisted.count(), 0);
    }

    void namedDatabaseIsMadeBeforeAnythingIsRead() {
        MainWindowFixture fx;
        const QString path = fx.appDir() + QStringLiteral("/league.mdb");
        QVERIFY(!QFile::exists(path));
        // The new database names no game folder yet: the start asks for it once.
        fx.dialogs.answers = {fx.gameDir()};
        MainWindow& frm = fx.start({QStringLiteral("league.mdb")});
        QVERIFY(QFile::exists(path));
        QCOMPARE(fx.bas.DbName, QStringLiteral("league.mdb"));
        QCOMPARE(fx.bas.Gp2Dir, fx.gameDir());
        QCOMPARE(frm.Databases->DbCombo->currentText(), QStringLiteral("league.mdb"));
        QVERIFY(frm.Databases->DbCombo->findText(QStringLiteral("league.mdb")) >= 0);
        // Made from pso.def: its tables, and the settings row of the current layout.
        QVERIFY(fx.bas.TracksRs);
        QCOMPARE(fx.bas.DbVersion, kLapTimeDatabaseVersion);
        fx.stop();
        auto db = Database::open(path);
        QVERIFY(db->tableExists(QStringLiteral("Tracks")));
        auto params = db->openTable(QStringLiteral("Parameters"));
        QCOMPARE(params->value(QStringLiteral("Gp2 Directory")).toString(), fx.gameDir());
        // The standard database was not touched for it.
        auto standard = Database::open(fx.appDir() + QStringLiteral("/pso.mdb"));
        QCOMPARE(standard->openTable(QStringLiteral("Parameters"))
                     ->value(QStringLiteral("Gp2 Directory"))
                     .toString(),
                 fx.gameDir());
    }

    // The real process: "-platform offscreen" belongs to Qt, "league.mdb" to the program.
    void qtOptionsAreNotTakenForTheDatabaseName() {
        MainWindowFixture fx;
        const QString pso = fx.appDir() + QStringLiteral("/pso");
        QVERIFY(QFile::copy(QStringLiteral(PSO_APPDIR "/pso"), pso));
        QProcess child;
        child.setWorkingDirectory(fx.tmp.path());
        child.start(pso, {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                          QStringLiteral("league.mdb")});
        QVERIFY(child.waitForStarted());
        const QString made = fx.appDir() + QStringLiteral("/league.mdb");
        // It waits in the game folder question (league.mdb names none); it is killed there.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(made), 30000);
        child.kill();
        child.waitForFinished();
        QVERIFY(!QFile::exists(fx.appDir() + QStringLiteral("/-platform")));
        QVERIFY(!QFile::exists(fx.appDir() + QStringLiteral("/offscreen")));
    }
};

QTEST_MAIN(MainWindowStartTest)
#include "main_window_start_test.moc"
