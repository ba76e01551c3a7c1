// The launcher on a real main window, with shell scripts standing in for the game and the lap
// timer: they note what they saw when they ran, so the order of the steps around them shows.
#include "app/launch_command.h"
#include "gamedir/emulators.h"
#include "gamedir/game_backup.h"
#include "laptimes/statistics_text.h"
#include "laptimes/ui/launcher.h"
#include "packs/pack_name.h"
#include "platform/gamepath.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "storage/settings_row.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/dos_programs.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/picture_tool.h"
#include "trackfile/ui/track_info_panel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace pistaro;

namespace {

const QByteArray kGameSetup(96, 'Z'); // what the game leaves in slot 2's setup

QString gameFile(MainWindowFixture& fx, const QString& name) {
    return gamepath::join(fx.gameDir(), name);
}

// An executable shell script standing in for `name` in the game folder. It appends `tag` to
// tmp/order, notes its folder, the game folder's listing, the database and the state file as
// they were, writes the game's setup for slot 2 and runs `more`.
void writeStandIn(MainWindowFixture& fx, const QString& name, const QString& tag,
                  const QString& more = {}) {
    const QString t = fx.tmp.path();
    const QString body =
        QStringLiteral("#!/bin/sh\n"
                       "echo %1 >> '%2/order'\n"
                       "pwd -P > '%2/cwd'\n"
                       "ls > '%2/listing'\n"
                       "cp '%3/pso.mdb' '%2/db_during.mdb'\n"
                       "cp f1gstate.sav '%2/state_during.sav'\n"
                       "head -c 96 /dev/zero | tr '\\000' 'Z' | "
                       "dd of=f1gstate.sav bs=1 seek=11346 conv=notrunc 2>/dev/null\n")
            .arg(tag, t, fx.appDir()) +
        more;
    const QString path = gameFile(fx, name);
    QFile::remove(path);
    QVERIFY(writeProgram(path, body.toUtf8()));
}

QString tmpText(MainWindowFixture& fx, const QString& name) {
    return QString::fromUtf8(readFile(fx.tmp.filePath(name))).trimmed();
}

void setParam(Gp2PsoBas& bas, const QString& field, const QVariant& value) {
    QVERIFY(settingsrow::seekRow(*bas.ParamsRs));
    bas.ParamsRs->edit();
    bas.ParamsRs->setValue(field, value);
    bas.ParamsRs->update();
}

using testrows::param;
using testrows::setupOf;

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

// A saved track pack "Season 98" whose slot n holds the original circuit of slot 17 - n,
// less the slot files of `lacking`.
void writePack(const QString& circuits, const QList<int>& lacking = {}) {
    QVERIFY(QDir(circuits).mkpath("Season 98"));
    for (int slot = 1; slot <= 16; ++slot)
        if (!lacking.contains(slot))
            QVERIFY(QFile::copy(
                circuits + QStringLiteral("/f1ct%1.dat").arg(17 - slot, 2, 10, QChar('0')),
                circuits + QStringLiteral("/Season 98/f1ct%1.dat").arg(slot, 2, 10, QChar('0'))));
}

const QRegularExpression kStamp(QStringLiteral("^\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d$"));

} // namespace

class LauncherTest final : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
private slots:
    void initTestCase() { dosprograms::useScratchHome(home_.path()); }
    void dos_lap_timer_writes_the_log_that_is_imported();
    void missing_emulator_stops_before_anything_is_counted();
    void game_alone_keeps_the_old_log_and_moves_setups_around_it();
    void lap_timer_run_imports_its_log();
    void missing_game_is_told_and_log_window_shows_statistics();
    void launch_from_the_command_line_data();
    void launch_from_the_command_line();
    void play_from_the_desktop_with_a_pack_and_the_cd();
};

void LauncherTest::game_alone_keeps_the_old_log_and_moves_setups_around_it() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    fx.bas.UseGp2Lap = false;
    fx.bas.RenameLogFile = true;
    fx.bas.DeleteLogFile = true;
    QByteArray stored(96, '\0');
    for (int i = 0; i < 96; ++i)
        stored[i] = char(i * 7);
    testrows::setTrack(fx.bas, samplegame::originalName(1), "Car Setup Information", stored);
    const QByteArray oldLog = readFile(gameFile(fx, "gp2lap.log"));
    QVERIFY(!oldLog.isEmpty());
    // The game writes a log of its own; without the lap timer nobody imports it.
    writeStandIn(
        fx, QStringLiteral("GP2.EXE"), QStringLiteral("game"),
        QStringLiteral("printf 'Track 03 loaded from slot\\r\\nMode: Unlimited practice\\r\\n"
                       "Lap 1, time 1:11.111\\r\\n' > gp2lap.log\n"));
    writeStandIn(fx, QStringLiteral("Gp2Lap.exe"), QStringLiteral("gp2lap"));

    QTest::mouseClick(frm.Launching->Command4, Qt::LeftButton);

    QCOMPARE(tmpText(fx, "order"), QStringLiteral("game"));
    QCOMPARE(tmpText(fx, "cwd"), QDir(fx.gameDir()).canonicalPath());
    QCOMPARE(QDir::currentPath(), QDir(fx.appDir()).absolutePath());
    // Before the game: setups out, the launch counted, the old log kept and none left.
    QCOMPARE(readFile(fx.tmp.filePath("state_during.sav")).mid(11250, 96), stored);
    {
        auto db = Database::open(fx.tmp.filePath("db_during.mdb"));
        auto params = db->openTable(QStringLiteral("Parameters"));
        params->setIndex(QStringLiteral("Code"));
        QCOMPARE(param(*params, "Execution"), QStringLiteral("1"));
        QCOMPARE(param(*params, "Last Use"), QString());
    }
    const QStringList listing = tmpText(fx, "listing").split(u'\n');
    QVERIFY(listing.contains(QStringLiteral("Lt000001.log")));
    QVERIFY(!listing.contains(QStringLiteral("gp2lap.log")));
    QCOMPARE(readFile(gameFile(fx, "Lt000001.log")), oldLog);
    // After it: the game's setups in, no log import, the statistics written.
    QCOMPARE(setupOf(fx.bas, 2), kGameSetup);
    QCOMPARE(testrows::track(fx.bas, samplegame::originalName(3), "Practice Time")->toString(),
             QString());
    QVERIFY(!topLevel("Recording") || !topLevel("Recording")->isVisible());
    QCOMPARE(param(fx.bas, "Execution"), QStringLiteral("1"));
    const QString first = param(fx.bas, "First Use");
    QVERIFY2(kStamp.match(first).hasMatch(), qPrintable(first));
    QCOMPARE(param(fx.bas, "Last Use"), first);

    // A second launch: "First Use" stays; a kept log of the next number (from another
    // database, say) is not overwritten, the log moves on to the next free number.
    setParam(fx.bas, "First Use", QStringLiteral("01-01-2020 10:00:00"));
    QVERIFY(writeFile(gameFile(fx, "lt000002.LOG"), "kept by another database"));
    const QByteArray gameLog = readFile(gameFile(fx, "gp2lap.log"));
    QTest::mouseClick(frm.Launching->Command4, Qt::LeftButton);
    QCOMPARE(param(fx.bas, "Execution"), QStringLiteral("2"));
    QCOMPARE(param(fx.bas, "First Use"), QStringLiteral("01-01-2020 10:00:00"));
    QVERIFY(kStamp.match(param(fx.bas, "Last Use")).hasMatch());
    QCOMPARE(readFile(gameFile(fx, "lt000002.LOG")), QByteArray("kept by another database"));
    QCOMPARE(readFile(gameFile(fx, "Lt000003.log")), gameLog);
    QCOMPARE(tmpText(fx, "order"), QStringLiteral("game\ngame"));
}

void LauncherTest::lap_timer_run_imports_its_log() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    frm.show();
    fx.bas.UseGp2Lap = true;
    fx.bas.RenameLogFile = false;
    fx.bas.DeleteLogFile = true;
    setParam(fx.bas, "Time Running Gp2", 100);
    const QString selected = fx.circuit(QStringLiteral("monza2001.dat"));
    fx.bas.SelectedFile = selected;
    writeStandIn(fx, QStringLiteral("GP2.EXE"), QStringLiteral("game"));
    writeStandIn(fx, QStringLiteral("Gp2Lap.exe"), QStringLiteral("gp2lap"),
                 QStringLiteral("sleep 1\n"
                                "printf 'Track 03 loaded from slot file F1CT03.DAT\\r\\n"
                                "Country: San Marino\\r\\nMode: Unlimited practice\\r\\n"
                                "  Lap 1, time 1:22.333\\r\\n' > gp2lap.log\n"));

    QTest::mouseClick(frm.Launching->Command4, Qt::LeftButton);

    QCOMPARE(tmpText(fx, "order"), QStringLiteral("gp2lap"));
    const QStringList listing = tmpText(fx, "listing").split(u'\n');
    QVERIFY(!listing.contains(QStringLiteral("gp2lap.log")));
    QVERIFY(listing.filter(QRegularExpression(QStringLiteral("^Lt\\d+\\.log$"))).isEmpty());
    QCOMPARE(setupOf(fx.bas, 2), kGameSetup);
    QCOMPARE(testrows::track(fx.bas, samplegame::originalName(3), "Practice Time")->toString(),
             QStringLiteral("1:22.333"));
    QVERIFY(param(fx.bas, "Time Running Gp2").toLongLong() >= 101);
    QCOMPARE(param(fx.bas, "Execution"), QStringLiteral("1"));
    QCOMPARE(fx.bas.CurrentFile, selected);
    QCOMPARE(frm.Panel->Track->text(), QStringLiteral("Monza 2001"));

    // The record window waits for its Ok beside the main window, which stays on screen.
    QWidget* recording = topLevel("Recording");
    QVERIFY(recording && recording->isVisible());
    QCOMPARE(recording->findChild<QListWidget*>("List1")->count(), 2);
    QVERIFY(frm.isVisible());
    QTest::mouseClick(recording->findChild<QPushButton*>("Ok"), Qt::LeftButton);
    QVERIFY(frm.isVisible());
}

// The real lap timer is a DOS program: through the emulator it writes the log into the game
// folder, and the times it holds are recorded.
void LauncherTest::dos_lap_timer_writes_the_log_that_is_imported() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    fx.bas.UseGp2Lap = true;
    fx.bas.RenameLogFile = false;
    fx.bas.DeleteLogFile = true;
    const QString timer = gameFile(fx, "Gp2Lap.exe");
    QVERIFY(QFile::remove(timer));
    dosprograms::install("laplog", timer); // a COM image with an .exe name
    frm.Launching->Launch();
    QVERIFY(fx.dialogs.messages().isEmpty());
    QCOMPARE(testrows::track(fx.bas, samplegame::originalName(3), "Practice Time")->toString(),
             QStringLiteral("1:22.333"));
    QCOMPARE(param(fx.bas, "Execution"), QStringLiteral("1"));
    if (QWidget* recording = topLevel("Recording"))
        QTest::mouseClick(recording->findChild<QPushButton*>("Ok"), Qt::LeftButton);
}

// With no DOS emulator the player is told what to install, and nothing is counted, moved or
// imported.
void LauncherTest::missing_emulator_stops_before_anything_is_counted() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    fx.bas.UseGp2Lap = false;
    const QByteArray state = readFile(gameFile(fx, "f1gstate.sav"));
    emulators::setDosEmulator(fx.tmp.filePath("no-emulator"));
    frm.Launching->Launch();
    emulators::setDosEmulator(QStringLiteral("dosbox"));
    QCOMPARE(fx.dialogs.messages(),
             QStringList{"GP2.EXE is a DOS program: install DOSBox (for example with \"apt "
                         "install dosbox\") or name an emulator in File > Setup Pistaro."});
    QCOMPARE(param(fx.bas, "Execution"), QString());
    QCOMPARE(param(fx.bas, "Last Use"), QString());
    QCOMPARE(readFile(gameFile(fx, "f1gstate.sav")), state);
    QCOMPARE(QDir::currentPath(), QDir(fx.appDir()).absolutePath());
}

// A game that is not there is said so, and no launch is counted.
void LauncherTest::missing_game_is_told_and_log_window_shows_statistics() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    fx.bas.UseGp2Lap = false;
    const QString game = gameFile(fx, "GP2.EXE");
    QVERIFY(QFile::remove(game));
    setParam(fx.bas, "Execution", QVariant());
    setParam(fx.bas, "Time Running Gp2", 3599);
    frm.Launching->Launch();
    QCOMPARE(fx.dialogs.messages(),
             QStringList{"Cannot start " + QDir::toNativeSeparators(fx.gameDir() + "Gp2.exe") +
                         ": there is no such file"});
    QCOMPARE(param(fx.bas, "Execution"), QString());
    QCOMPARE(param(fx.bas, "Time Running Gp2"), QStringLiteral("3599"));
    QCOMPARE(param(fx.bas, "Last Use"), QString());

    const QString stamp = QStringLiteral("02-03-2024 10:11:12");
    setParam(fx.bas, "Execution", 1);
    setParam(fx.bas, "First Use", stamp);
    setParam(fx.bas, "Last Use", stamp);

    auto shown = [&frm] {
        QStringList texts;
        QTimer::singleShot(0, [&texts] {
            QWidget* log = QApplication::activeModalWidget();
            if (!log || log->objectName() != QLatin1String("Log"))
                return;
            for (const char* name : {"Times", "FirstUse", "LastUse", "TotalUse"})
                texts << log->findChild<QLabel*>(name)->text();
            QTest::mouseClick(log->findChild<QPushButton*>("Ok"), Qt::LeftButton);
        });
        frm.FileLog->trigger();
        return texts;
    };
    QCOMPARE(shown(), (QStringList{"1", " " + stamp, " " + stamp, "0:59:59"}));
    setParam(fx.bas, "Time Running Gp2", 3600);
    setParam(fx.bas, "First Use", QVariant());
    QCOMPARE(shown(), (QStringList{"1", " ", " " + stamp, "1:00:00"}));
}

// `pso --launch [--pack NAME]` on a loaded, unshown window: the pack written into the game
// (with the backup) before the lap timer runs, or the run stopped with a message.
void LauncherTest::launch_from_the_command_line_data() {
    QTest::addColumn<QStringList>("arguments"); // after --launch
    QTest::addColumn<QList<int>>("lacking");    // slots the saved pack lacks
    QTest::addColumn<QString>("message");       // the start of the one message; "" for none
    QTest::addColumn<bool>("packed");           // the pack is in the game when it runs
    QTest::newRow("the game as it is") << QStringList{} << QList<int>{} << "" << false;
    QTest::newRow("with a pack") << QStringList{"--pack", " Season 98 "} << QList<int>{} << ""
                                 << true;
    // Export's news waits for the game's end: no box stands before the game.
    QTest::newRow("with a pack, without gp2hipic")
        << QStringList{"--pack", "Season 98"} << QList<int>{}
        << "after the game: Gp2 was updated in part." << true;
    QTest::newRow("a database name after the pack")
        << QStringList{"--pack", "Season 98", "pso.mdb"} << QList<int>{} << "" << true;
    QTest::newRow("a pack that lacks circuits")
        << QStringList{"--pack", "Season 98"} << QList<int>{5, 9}
        << "The Track Pack 'Season 98' lacks circuits, so GP2 was not started. Missing from this "
           "Track Pack: slots 5, 9"
        << false;
    QTest::newRow("no such pack") << QStringList{"--pack", "Season 99"} << QList<int>{}
                                  << "The Track Pack 'Season 99' was not found" << false;
    QTest::newRow("a path, not a pack name")
        << QStringList{"--pack", "../Season 98"} << QList<int>{} << packNameRefusal("../Season 98")
        << false;
    QTest::newRow("no name after --pack")
        << QStringList{"--pack"} << QList<int>{} << "Use: pso --launch" << false;
    QTest::newRow("an option pso does not know")
        << QStringList{"--pak", "Season 98"} << QList<int>{} << "Use: pso --launch" << false;
}

void LauncherTest::launch_from_the_command_line() {
    QFETCH(QStringList, arguments);
    QFETCH(QList<int>, lacking);
    QFETCH(QString, message);
    QFETCH(bool, packed);
    MainWindowFixture fx;
    const bool afterGame = message.startsWith(QLatin1String("after the game: "));
    if (afterGame)
        message.remove(0, 16);
    else
        picturetool::install(fx.appDir());
    QStringList beforeGame; // the messages shown while the game had not run
    fx.dialogs.onMessage = [&](const QString& text) {
        if (!QFile::exists(fx.tmp.filePath("order")))
            beforeGame << text;
    };
    writePack(fx.circuits(), lacking);
    const QByteArray slot3 = readFile(fx.circuit("f1ct03.dat"));
    const LaunchRequest request = parseLaunch(arguments);
    MainWindow& frm = fx.start(request.rest);
    fx.bas.UseGp2Lap = true;
    writeStandIn(fx, QStringLiteral("Gp2Lap.exe"), QStringLiteral("gp2lap"),
                 QStringLiteral("cp Circuits/f1ct03.dat '%1/slot3'\n").arg(fx.tmp.path()));
    int status = 2;
    if (request.error.isEmpty())
        status = launchGame(frm, request.pack);
    else
        fx.dialogs.message(request.error); // as runLaunch shows it
    const QStringList messages = fx.dialogs.messages();
    fx.dialogs.onMessage = nullptr;
    QVERIFY(!frm.isVisible());
    if (afterGame) {
        QCOMPARE(beforeGame, QStringList());
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(message), qPrintable(messages.first()));
        QCOMPARE(status, 0);
    } else if (!message.isEmpty()) {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(message), qPrintable(messages.first()));
        QVERIFY(status != 0);
        QVERIFY(!QFile::exists(fx.tmp.filePath("order"))); // the game never ran
        QCOMPARE(readFile(fx.circuit("f1ct03.dat")), slot3);
        return;
    } else {
        QCOMPARE(messages, QStringList{});
    }
    QCOMPARE(status, 0);
    QCOMPARE(tmpText(fx, "order"), QStringLiteral("gp2lap"));
    const QByteArray raced = readFile(fx.tmp.filePath("slot3"));
    QCOMPARE(raced, packed ? readFile(fx.circuit("Season 98/f1ct03.dat")) : slot3);
    QCOMPARE(bool(gamebackup::newest(gamebackup::backupsFolder(fx.bas))), packed);
    QCOMPARE(param(fx.bas, "Execution"), QStringLiteral("1"));
    if (QWidget* recording = topLevel("Recording"))
        QTest::mouseClick(recording->findChild<QPushButton*>("Ok"), Qt::LeftButton);
}

// The desktop's "Play GP2" with a pack, as a real process on the sample game: the pack is in
// the slots, and the lap timer (a DOS stand-in) reads the CD image as D: in the real emulator.
void LauncherTest::play_from_the_desktop_with_a_pack_and_the_cd() {
    QTemporaryDir dir;
    samplegame::Options options;
    options.log = false;
    const sampleapp::Folders folders =
        sampleapp::prepareWithGame(dir.path(), PSO_APPDIR, options, PSO_SUMFIX);
    const QString pso = QDir(folders.app).filePath("pso");
    QVERIFY(QFile::copy(QStringLiteral(PSO_APPDIR "/pso"), pso));
    picturetool::install(folders.app);
    const QString circuits = folders.game + "Circuits";
    writePack(circuits);
    QVERIFY(writeFile(folders.app + "/Packs.txt", "Season 98\r\n"));
    const QString timer = folders.game + "Gp2Lap.exe";
    QVERIFY(QFile::remove(timer));
    dosprograms::install("cdread", timer);
    {
        auto db = Database::open(folders.app + "/pso.mdb");
        auto params = db->openTable(catalogue::Parameters);
        params->setIndex(catalogue::CodeIndex);
        QVERIFY(settingsrow::seekRow(*params));
        params->edit();
        params->setValue("Use Gp2Lap", true);
        params->update();
    }
    QVERIFY(QDir(dir.path()).mkpath("cd"));
    QVERIFY(writeFile(dir.filePath("cd/GP2CD.TXT"), "GP2 CD\r\n"));
    dosprograms::makeIso(dir.filePath("cd"), dir.filePath("gp2.iso"));
    emulators::setCdImage(dir.filePath("gp2.iso"));

    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(pso, {"--launch", "--pack", "Season 98"});
    const bool ended = p.waitForFinished(120000);
    emulators::setCdImage({});
    if (!ended)
        p.kill();
    QVERIFY2(ended, "pso --launch waited: a message box is open");
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(readFile(folders.game + "FROMCD.TXT"), QByteArray("GP2 CD\r\n"));
    for (int slot : {1, 3, 16}) {
        const QString name = QStringLiteral("f1ct%1.dat").arg(slot, 2, 10, QChar('0'));
        QCOMPARE(readFile(circuits + "/" + name), readFile(circuits + "/Season 98/" + name));
    }
}

QTEST_MAIN(LauncherTest)
#include "launcher_test.moc"
