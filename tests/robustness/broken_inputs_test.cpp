// A lap timer log full of binary garbage and a 10 MB line: the import keeps the times of the
// good lines around them and changes no file.
#include "tests/support/catalogue_rows.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/main_window_fixture.h"
#include "laptimes/ui/log_import.h"
#include "platform/gamepath.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

class BrokenInputsTest final : public QObject {
    Q_OBJECT
private slots:
    void logWithGarbageAndAHugeLine() {
        MainWindowFixture fx;
        Gp2PsoFrm& frm = fx.start();
        QRandomGenerator gen(7);
        QByteArray garbage(64 * 1024, '\0');
        for (char& c : garbage)
            c = char(gen.bounded(256));
        const QByteArray huge = "Track 03 loaded from slot file F1CT03.DAT" + QByteArray(10 << 20, 'x');
        const QByteArray log = garbage + "\r\n" +
                               "Track 04 loaded from slot file F1CT04.DAT\r\n"
                               "Country: Monaco\r\n"
                               "Mode: Unlimited practice\r\n" +
                               huge + "\r\n" + garbage +
                               "\r\n  Lap 2, time 1:19.999\r\n" + QByteArray(5000, '\0') + "\r\n";
        const QString logPath = gamepath::join(fx.gameDir(), "gp2lap.log");
        QVERIFY(testrows::writeFile(logPath, log));
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
};

QTEST_MAIN(BrokenInputsTest)
#include "broken_inputs_test.moc"
