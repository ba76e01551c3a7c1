// A lap timer log full of binary garbage and a 10 MB line, logs with odd line ends, and a
// circuit whose file name is not UTF-8: the good lines and the file are still worked on, and
// no other file changes.
#include "laptimes/ui/log_import.h"
#include "packs/ui/exporter.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/gamepath.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/main_window_fixture.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

#include <filesystem>

using namespace pistaro;

class BrokenInputsTest final : public QObject {
    Q_OBJECT
private slots:
    void logWithGarbageAndAHugeLine() {
        MainWindowFixture fx;
        MainWindow& frm = fx.start();
        QRandomGenerator gen(7);
        QByteArray garbage(64 * 1024, '\0');
        for (char& c : garbage)
            c = char(gen.bounded(256));
        const QByteArray huge =
            "Track 03 loaded from slot file F1CT03.DAT" + QByteArray(10 << 20, 'x');
        const QByteArray log = garbage + "\r\n" +
                               "Track 04 loaded from slot file F1CT04.DAT\r\n"
                               "Country: Monaco\r\n"
                               "Mode: Unlimited practice\r\n" +
                               huge + "\r\n" + garbage + "\r\n  Lap 2, time 1:19.999\r\n" +
                               QByteArray(5000, '\0') + "\r\n";
        const QString logPath = gamepath::join(fx.gameDir(), "gp2lap.log");
        QVERIFY(writeFile(logPath, log));
        const auto before = filesnapshot::take(fx.gameDir());
        frm.show();

        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(frm.LapLog->GetGp2Lap, Qt::LeftButton);
        QVERIFY2(clock.elapsed() < 30000, "the import took too long");

        // The huge line names slot 3 at its start, so the lap after it is filed there.
        const QString interlagos3 = samplegame::originalName(3);
        QCOMPARE(testrows::track(fx.bas, interlagos3, "Practice Time")->toString(),
                 QStringLiteral("1:19.999"));
        QCOMPARE(fx.dialogs.messages(), QStringList{});
        QCOMPARE(filesnapshot::changed(before, filesnapshot::take(fx.gameDir())), QStringList{});
    }
    // Each line end a log may have been written with; a lone CR ends a line too.
    void logLineEnds_data() {
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
        QTest::newRow("CR CR LF") << QByteArray("\r\r\n");
    }
    void logLineEnds() {
        QFETCH(QByteArray, end);
        MainWindowFixture fx;
        MainWindow& frm = fx.start();
        const QByteArray log = "Track 04 loaded from slot file F1CT04.DAT" + end +
                               "Country: Monaco" + end + "Mode: Unlimited practice" + end +
                               "  Lap 2, time 1:19.999" + end;
        QVERIFY(writeFile(gamepath::join(fx.gameDir(), "gp2lap.log"), log));
        frm.show();
        QTest::mouseClick(frm.LapLog->GetGp2Lap, Qt::LeftButton);
        QCOMPARE(testrows::track(fx.bas, "Monte-Carlo", "Practice Time")->toString(),
                 QStringLiteral("1:19.999"));
    }

    // A circuit whose name on disk holds a byte that is no UTF-8 (Latin-1 "é"): it is listed
    // with the replacement character, read when selected, and renamed, deleted or exported.
    void circuitNameThatIsNoUtf8_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("rename") << "rename";
        QTest::newRow("delete") << "delete";
        QTest::newRow("assign and export") << "export";
    }
    void circuitNameThatIsNoUtf8() {
        QFETCH(QString, command);
        MainWindowFixture fx;
        const QByteArray bytes = readFile(fx.circuit("monza2001.dat"));
        const QByteArray raw = QFile::encodeName(fx.circuits()) + "/b\xe9ziers.dat";
        QVERIFY(std::filesystem::copy_file(
            QFile::encodeName(fx.circuit("monza2001.dat")).constData(), raw.constData()));
        // Qt cannot remove this name, so the test does.
        const auto removeRaw = qScopeGuard([&] { std::filesystem::remove(raw.constData()); });
        const auto onDisk = [&] { return std::filesystem::exists(raw.constData()); };
        MainWindow& frm = fx.start();
        CircuitTable* files = frm.Lists->File1;
        const QString shown = QStringLiteral("b\uFFFDziers.dat");
        const int row = files->indexOf(shown);
        QVERIFY2(row >= 0, "the circuit is not listed");
        files->setListIndex(row);
        QCOMPARE(frm.Panel->Track->text(), QStringLiteral("Monza 2001"));
        if (command == "rename") {
            fx.dialogs.answers << QStringLiteral("Beziers");
            frm.Lists->Rename->trigger();
            QCOMPARE(fx.dialogs.messages(), QStringList{});
            QVERIFY(!onDisk());
            QCOMPARE(readFile(fx.circuit("Beziers.Dat")), bytes);
        } else if (command == "delete") {
            fx.dialogs.answers << true;
            frm.Lists->Delete->trigger();
            QCOMPARE(fx.dialogs.messages(), QStringList{});
            QVERIFY(!onDisk());
            QCOMPARE(files->indexOf(shown), -1);
        } else if (command == "export") {
            frm.Slots->List1->setCurrentRow(4);
            frm.Packs->Change_Click();
            QCOMPARE(frm.Slots->lineUp().at(5).file, shown);
            fx.dialogs.answers << true;
            frm.Exporting->Export_Click();
            QCOMPARE(readFile(gamepath::join(fx.circuits(), "f1ct05.dat")), bytes);
            QVERIFY(onDisk());
        }
    }
};

QTEST_MAIN(BrokenInputsTest)
#include "broken_inputs_test.moc"
