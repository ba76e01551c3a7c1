// One command at a time: while the game (a script standing in for it) runs, what the user does
// to the main window starts nothing and is not replayed afterwards; a close waits for the game
// and what it left is stored first; a program that hangs can be stopped; one that ends
// abnormally is reported and not taken as a game played.
#include "app/status_window.h"
#include "app/waiting_bar.h"
#include "laptimes/ui/launcher.h"
#include "packs/ui/exporter.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/command_gate.h"
#include "platform/gamepath.h"
#include "tests/support/archive_maker.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/files.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/picture_tool.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

using namespace pistaro;

namespace {

const QByteArray kGameSetup(96, 'Z'); // what the stand-in game leaves in slot 2's setup

// The game (GP2.EXE, or `name`) as a script: leaves a setup for slot 2, then waits for tmp/go
// (or, with `hang`, forever) and ends as `ending` says.
void writeGame(MainWindowFixture& fx, const QString& ending, bool hang = false,
               const QString& name = QStringLiteral("GP2.EXE")) {
    const QString wait = hang ? QStringLiteral("while :; do sleep 0.1; done\n")
                              : QStringLiteral("i=0; while [ ! -f '%1/go' ] && [ $i -lt 600 ]; "
                                               "do sleep 0.05; i=$((i+1)); done\n")
                                    .arg(fx.tmp.path());
    const QString body = QStringLiteral("#!/bin/sh\n"
                                        "head -c 96 /dev/zero | tr '\\000' 'Z' | "
                                        "dd of=f1gstate.sav bs=1 seek=11346 conv=notrunc "
                                        "2>/dev/null\n") +
                         wait + ending + u'\n';
    const QString path = gamepath::join(fx.gameDir(), name);
    QFile::remove(path);
    QVERIFY(writeProgram(path, body.toUtf8()));
}

using testrows::param;
using testrows::setupOf;

// Runs `during` once an outside program is waited for, then `after` (if any) a moment later.
void whileWaiting(std::function<void()> during) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, during] {
        if (CommandGate::instance().waitingFor().isEmpty())
            return;
        poll->stop();
        poll->deleteLater();
        during();
    });
    poll->start();
}

void sendDrop(QWidget* target, const QString& archive, bool* enterAccepted) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(archive)});
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    *enterAccepted = enter.isAccepted();
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
}

} // namespace

class OneCommandAtATimeTest final : public QObject {
    Q_OBJECT
private slots:
    void inputDuringTheGame_data();
    void inputDuringTheGame();
    void abnormalEnds_data();
    void abnormalEnds();
    void exportWithAHangingPictureToolIsStopped();
};

void OneCommandAtATimeTest::inputDuringTheGame_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("closes");
    QTest::newRow("archive dropped") << "drop" << false;
    QTest::newRow("Export clicked") << "export" << false;
    QTest::newRow("F5 (Rescan)") << "f5" << false;
    QTest::newRow("Rescan clicked") << "rescan" << false;
    QTest::newRow("window closed") << "close" << true;
    QTest::newRow("Ctrl+Q") << "ctrlq" << true;
    QTest::newRow("Exit clicked") << "exit" << true;
}

void OneCommandAtATimeTest::inputDuringTheGame() {
    QFETCH(QString, action);
    QFETCH(bool, closes);
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    fx.bas.UseGp2Lap = false;
    writeGame(fx, QStringLiteral("exit 0"));
    const QString archive = fx.tmp.filePath(QStringLiteral("dropped.zip"));
    QVERIFY(archivemaker::write(archive, {{"dropped.dat", QByteArray(4000, 'd')}}));
    frm.Packs->SelectedPack->setEditText(QStringLiteral("kept while the game runs"));
    const qint64 launchesBefore = param(fx.bas, "Execution").toLongLong();
    fx.takeMessages();

    bool enterAccepted = false;
    bool visibleDuring = false;
    QString waitingShown;
    whileWaiting([&] {
        visibleDuring = frm.isVisible();
        waitingShown = frm.Waiting->isVisible() ? frm.Waiting->WaitingFor->text() : QString();
        if (action == QLatin1String("drop"))
            sendDrop(&frm, archive, &enterAccepted);
        else if (action == QLatin1String("export"))
            QTest::mouseClick(frm.Exporting->Export, Qt::LeftButton);
        else if (action == QLatin1String("f5"))
            QTest::keyClick(frm.Lists->File1, Qt::Key_F5);
        else if (action == QLatin1String("rescan"))
            QTest::mouseClick(frm.Packs->Import, Qt::LeftButton);
        else if (action == QLatin1String("close"))
            frm.close();
        else if (action == QLatin1String("ctrlq"))
            QTest::keyClick(frm.Lists->File1, Qt::Key_Q, Qt::ControlModifier);
        else if (action == QLatin1String("exit"))
            QTest::mouseClick(frm.Exit, Qt::LeftButton);
        // The game has not ended under it: the program did not unload.
        QVERIFY(!frm.unloaded());
        QVERIFY(writeFile(fx.tmp.filePath(QStringLiteral("go")), "go"));
    });
    QTest::mouseClick(frm.Launching->Command4, Qt::LeftButton);
    QVERIFY(visibleDuring);
    QCOMPARE(waitingShown, WaitingBar::waitingText(QStringLiteral("GP2")));
    QVERIFY(!frm.Waiting->isVisible());
    // The game's results are stored, closing or not (a close follows once events run again).
    QVERIFY(!frm.unloaded());
    QCOMPARE(param(fx.bas, "Execution"), QString::number(launchesBefore + 1));
    QVERIFY(!param(fx.bas, "Last Use").isEmpty());
    QCOMPARE(setupOf(fx.bas, 2), kGameSetup);

    // Whatever was done meanwhile is not replayed now.
    QTest::qWait(100);
    QVERIFY(!enterAccepted);
    QVERIFY(!QFile::exists(fx.circuit(QStringLiteral("dropped.dat"))));
    QVERIFY(!fx.dialogs.messages().contains(
        QStringLiteral("Nothing to export: no slot has a circuit or a menu picture waiting.")));
    QCOMPARE(frm.Packs->SelectedPack->currentText(), QStringLiteral("kept while the game runs"));

    QCOMPARE(fx.dialogs.messages().contains(
                 QStringLiteral("GP2 is running. Pistaro will close when it ends.")),
             closes);
    if (closes)
        QTRY_VERIFY(frm.unloaded());
    else
        QVERIFY(!frm.unloaded() && frm.isVisible());
}

void OneCommandAtATimeTest::abnormalEnds_data() {
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("hang");
    QTest::addColumn<QString>("told");
    QTest::newRow("exit status") << "exit 3" << false << "GP2 failed (exit status 3)";
    QTest::newRow("crash") << "kill -SEGV $$" << false << "GP2 stopped abnormally";
    QTest::newRow("stopped") << "" << true << "GP2 was stopped";
    QTest::newRow("stopped, deaf to terminate")
        << "" << true << "GP2 was stopped"; // killed after the grace time (see below)
    QTest::newRow("lap timer fails at once")
        << "exit 1" << false << "GP2Lap failed (exit status 1)";
}

void OneCommandAtATimeTest::abnormalEnds() {
    QFETCH(QString, ending);
    QFETCH(bool, hang);
    QFETCH(QString, told);
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    frm.show();
    const bool timer = QString::fromLatin1(QTest::currentDataTag()).contains(QLatin1String("lap"));
    fx.bas.UseGp2Lap = timer;
    fx.bas.RenameLogFile = true;
    fx.bas.DeleteLogFile = true;
    const QString log = gamepath::join(fx.gameDir(), QStringLiteral("gp2lap.log"));
    const QByteArray logBefore = readFile(log);
    QVERIFY(!logBefore.isEmpty());
    writeGame(fx, ending, hang, timer ? QStringLiteral("Gp2Lap.exe") : QStringLiteral("GP2.EXE"));
    if (QString::fromLatin1(QTest::currentDataTag()).contains(QLatin1String("deaf"))) {
        const QString path = gamepath::join(fx.gameDir(), QStringLiteral("GP2.EXE"));
        QByteArray body = readFile(path);
        body.replace("#!/bin/sh\n", "#!/bin/sh\ntrap '' TERM\n");
        QVERIFY(writeFile(path, body));
    }
    const QString runningBefore = param(fx.bas, "Time Running Gp2");
    const QString launchesBefore = param(fx.bas, "Execution");
    const QByteArray setupBefore = setupOf(fx.bas, 2);
    fx.takeMessages();
    if (hang)
        whileWaiting([&] { QTest::mouseClick(frm.Waiting->StopProgram, Qt::LeftButton); });
    else
        QVERIFY(writeFile(fx.tmp.filePath(QStringLiteral("go")), "go"));
    QTest::mouseClick(frm.Launching->Command4, Qt::LeftButton);

    QCOMPARE(fx.dialogs.messages(), QStringList{told});
    // Not a game played: nothing counted, nothing taken from the game.
    QCOMPARE(param(fx.bas, "Execution").toLongLong(), launchesBefore.toLongLong());
    QCOMPARE(param(fx.bas, "Time Running Gp2"), runningBefore);
    QCOMPARE(setupOf(fx.bas, 2), setupBefore);
    // The old lap log is where it was, neither kept under a number nor deleted.
    QCOMPARE(readFile(log), logBefore);
    QVERIFY(QDir(fx.gameDir()).entryList({QStringLiteral("Lt*.log")}).isEmpty());
    QVERIFY(!CommandGate::instance().busy());
}

// gp2hipic hangs during an Export: the Status window's Stop ends it, and the Export says so
// instead of reporting the game updated.
void OneCommandAtATimeTest::exportWithAHangingPictureToolIsStopped() {
    MainWindowFixture fx;
    StatusWindow status;
    fx.bas.status = &status;
    picturetool::install(fx.appDir());
    const QString tool = QDir(fx.appDir()).filePath(QStringLiteral("gp2hipic.pif"));
    QVERIFY(writeProgram(tool, "#!/bin/sh\nwhile :; do sleep 0.1; done\n"));
    MainWindow& frm = fx.start();
    frm.show();
    CircuitLists& lists = *frm.Lists;
    SlotList& slotList = *frm.Slots;
    lists.File1->setListIndex(lists.File1->indexOf(QStringLiteral("monza2001.dat")));
    slotList.List1->setCurrentRow(6);
    frm.Packs->Change_Click();
    QVERIFY(slotList.lineUp().at(7).changed);
    fx.takeMessages();
    fx.dialogs.answers << true;

    bool stopShown = false;
    whileWaiting([&] {
        stopShown = status.stopButton()->isVisible() && frm.isVisible();
        QTest::mouseClick(status.stopButton(), Qt::LeftButton);
    });
    QTest::mouseClick(frm.Exporting->Export, Qt::LeftButton);
    QVERIFY(stopShown);
    QCOMPARE(fx.dialogs.messages(), QStringList{QStringLiteral("gp2hipic was stopped")});
    QVERIFY(slotList.lineUp().at(7).changed); // still to be exported
    QVERIFY(!status.stopButton()->isVisible());
}

QTEST_MAIN(OneCommandAtATimeTest)
#include "one_command_at_a_time_test.moc"
