#include "gamedir/emulators.h"
#include "gamedir/exe_cmd.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tests/support/dos_programs.h"
#include "tests/support/files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// An executable shell script that, after `delay` seconds, writes its working directory and
// then each argument on a line of its own to `record`.
QString writeRecorder(const QString& path, const QString& record, const QString& delay = "0") {
    const QString script =
        QStringLiteral("#!/bin/sh\nsleep %1\n{ pwd; for a in \"$@\"; do printf '%s\\n' "
                       "\"$a\"; done; } > '%2.part'\nmv '%2.part' '%2'\n")
            .arg(delay, record);
    return writeProgram(path, script.toUtf8()) ? path : QString();
}

// What a recorder wrote: working directory first, then the arguments.
QStringList readRecord(const QString& record) {
    QFile f(record);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The start of a Windows program: an MZ header pointing at a "PE" signature.
void writeWindowsProgram(const QString& path) {
    QByteArray pe(0x100, '\0');
    pe.replace(0, 2, "MZ");
    pe[0x3C] = char(0x80);
    pe.replace(0x80, 4, QByteArray("PE\0\0", 4));
    QVERIFY(writeFile(path, pe));
}

// Restores the current directory when a test has changed it.
struct CurrentDirGuard {
    QString saved = QDir::currentPath();
    ~CurrentDirGuard() { QDir::setCurrent(saved); }
};

} // namespace

class ExeCmdTest final : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        dosprograms::useScratchHome(home_.path());
    }

    // Told why, at once, and nothing started.
    void programThatCannotStartIsReported_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << "/no/such/dir/gp2hipic.pif"
                                 << "there is no such file";
        QTest::newRow("script without run bit") << "@/plain.exe"
                                                << "not a program this system can run";
        QTest::newRow("text file") << "@/notes.txt"
                                   << "not a program this system can run";
        QTest::newRow("PIF naming nothing there") << "@/gp2hipic.pif"
                                                  << "the DOS program it names is not there";
        QTest::newRow("PIF naming a program outside its folder")
            << "@/sub/evil.pif"
            << "the DOS program it names is not there";
    }
    void programThatCannotStartIsReported() {
        QFETCH(QString, program);
        QFETCH(QString, why);
        QTemporaryDir tmp;
        QVERIFY(writeFile(tmp.filePath("plain.exe"), "#!/bin/sh\n"));
        QVERIFY(writeFile(tmp.filePath("notes.txt"), "notes"));
        dosprograms::writePif(tmp.filePath("gp2hipic.pif"), "NOTHERE.EXE");
        // A program of this system that would run as it is, one folder above the PIF.
        QVERIFY(writeProgram(tmp.filePath("evil.exe"), "#!/bin/sh\ntouch \"$0.ran\"\n"));
        QVERIFY(QDir(tmp.path()).mkpath("sub"));
        dosprograms::writePif(tmp.filePath("sub/evil.pif"), "..\\EVIL.EXE");
        program.replace("@", tmp.path());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ExeCmd::RunAndWait(program, {"-d"}, tmp.path()).error,
                 "Cannot start " + QDir::toNativeSeparators(program) + ": " + why);
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!QFile::exists(tmp.filePath("evil.exe.ran")));
    }

    // A path with blanks reaches the program as one argument; empty arguments stay.
    void argumentsArePassedAsAList() {
        QTemporaryDir tmp;
        const QString record = tmp.filePath("record.txt");
        const QString tool = writeRecorder(tmp.filePath("gp2hipic.pif"), record);
        const QStringList args{"-u", "#3", "/games/Grand Prix 2/Bitmaps/f1pcsvga.bin", "", "a  b"};
        QCOMPARE(ExeCmd::RunAndWait(tool, args, tmp.path()).error, QString());
        QCOMPARE(readRecord(record).mid(1), args);
    }

    void programInFolderWithBlanks() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath("Grand Prix 2"));
        const QString record = tmp.filePath("record.txt");
        const QString game = writeRecorder(tmp.filePath("Grand Prix 2/Gp2.exe"), record);
        QCOMPARE(ExeCmd::RunAndWait(game, {"a", "b"}, tmp.filePath("Grand Prix 2")).error,
                 QString());
        QCOMPARE(readRecord(record).mid(1), QStringList({"a", "b"}));
    }

    // Through the real DOS emulator: a DOS program in a game folder with blanks gets its path
    // argument as a DOS path on drive C:, and the emulator has ended when the call returns.
    void dosProgramInAGameFolderWithBlanks() {
        QTemporaryDir tmp;
        const QString game = tmp.filePath("Grand Prix 2");
        QVERIFY(QDir(game).mkpath("Bitmaps"));
        dosprograms::install("mkfile", game + "/MkFile.exe");
        // A tool runs without the game's CD image and full screen, even when they are set.
        emulators::setCdImage(tmp.filePath("no such.iso"));
        emulators::setDosFullScreen(true);
        QElapsedTimer clock;
        clock.start();
        const QString error = ExeCmd::RunAndWait(game + "/MkFile.exe", {game + "/Bitmaps/made.txt"},
                                                 game, {tmp.path()})
                                  .error;
        qInfo("the emulator ran for %lld ms", clock.elapsed());
        emulators::setCdImage({});
        emulators::setDosFullScreen(false);
        QCOMPARE(error, QString());
        QCOMPARE(QDir(game + "/Bitmaps").entryList(QDir::Files), QStringList{"MADE.TXT"});
        const QByteArray conf = readFile(tmp.filePath("dosbox-tools.conf"));
        QVERIFY(conf.contains("fullscreen=false\n"));
        QVERIFY(!conf.contains("imgmount"));
        // A name DOS cannot hold is refused, not guessed.
        QCOMPARE(ExeCmd::RunAndWait(game + "/MkFile.exe", {game + "/Bitmaps/made later.txt"}, game,
                                    {tmp.path()})
                     .error,
                 "Cannot start MkFile.exe: the name \"made later.txt\" has no DOS (8.3) form");
        // A game folder holding '%' would reach the emulator as another folder: refused, so a
        // run that never happened is not taken for one.
        const QString percent = tmp.filePath("GP2 100%");
        QVERIFY(QDir(percent).mkpath("Bitmaps"));
        dosprograms::install("mkfile", percent + "/MkFile.exe");
        QCOMPARE(ExeCmd::RunAndWait(percent + "/MkFile.exe", {percent + "/Bitmaps/made.txt"},
                                    percent, {tmp.path()})
                     .error,
                 "Cannot start MkFile.exe: the folder " + percent +
                     " holds a percent sign (%), which the DOS emulator reads as a variable");
        QCOMPARE(QDir(percent + "/Bitmaps").entryList(QDir::Files), QStringList{});
    }

    // The game reads its CD from D:, an image the machine settings name, through the real
    // emulator started with the configuration file pso wrote; a set image that cannot be read
    // stops the game before the emulator starts.
    void gameFindsItsCdImage_data() {
        QTest::addColumn<QString>("image"); // in the scratch folder
        QTest::addColumn<QString>("sheet"); // the .cue's text; "" for none
        QTest::addColumn<QString>("error"); // after "Cannot start Gp2.exe: "; "" when it runs
        const QString cue = "FILE \"%1\" BINARY\n  TRACK 01 MODE1/2048\n    INDEX 01 00:00:00\n";
        QTest::newRow("iso") << "gp2.iso"
                             << ""
                             << "";
        QTest::newRow("cue sheet with its track file") << "gp2.cue" << cue.arg("gp2.iso") << "";
        QTest::newRow("cue sheet naming a missing file")
            << "gp2.cue" << cue.arg("Grand Prix 2.bin")
            << "the CD image @/gp2.cue names @/Grand Prix 2.bin, which is not there";
        QTest::newRow("image not there") << "gone.iso"
                                         << ""
                                         << "the CD image @/gone.iso is not there";
    }
    void gameFindsItsCdImage() {
        QFETCH(QString, image);
        QFETCH(QString, sheet);
        QFETCH(QString, error);
        QTemporaryDir tmp;
        const QString game = tmp.filePath("Grand Prix 2");
        QVERIFY(QDir(tmp.path()).mkpath("Grand Prix 2"));
        QVERIFY(QDir(tmp.path()).mkpath("cd"));
        QVERIFY(QDir(tmp.path()).mkpath("pso"));
        QVERIFY(writeFile(tmp.filePath("cd/GP2CD.TXT"), "the game's CD\r\n"));
        dosprograms::makeIso(tmp.filePath("cd"), tmp.filePath("gp2.iso"));
        if (!sheet.isEmpty())
            QVERIFY(writeFile(tmp.filePath(image), sheet.toUtf8()));
        dosprograms::install("cdread", game + "/Gp2.exe");
        emulators::setCdImage(tmp.filePath(image));
        emulators::setDosFullScreen(false);
        const QString pso = tmp.filePath("pso");
        const ExeCmd::RunResult run = ExeCmd::RunAndWait(game + "/Gp2.exe", {}, game, {pso, true});
        emulators::setCdImage({});
        if (!error.isEmpty()) {
            QCOMPARE(run.error, "Cannot start Gp2.exe: " + error.replace("@", tmp.path()));
            QVERIFY(!run.started);
            QVERIFY(!QFile::exists(pso + "/dosbox-game.conf"));
            return;
        }
        QVERIFY2(run.ok(), qPrintable(run.problem("GP2")));
        QCOMPARE(readFile(game + "/FROMCD.TXT"), QByteArray("the game's CD\r\n"));
        // The settings GP2 relies on, as DOSBox reads them.
        const QStringList conf = QString::fromUtf8(readFile(pso + "/dosbox-game.conf")).split('\n');
        for (const QString& line :
             QStringList{"fullscreen=false", "machine=svga_s3", "cycles=max", "sbtype=sb16",
                         "sbbase=220", "irq=7", "dma=1", "hdma=5"})
            QVERIFY2(conf.contains(line), qPrintable(line));
        const qsizetype autoexec = conf.indexOf("[autoexec]");
        QVERIFY(autoexec > 0);
        QCOMPARE(conf.mid(autoexec + 1),
                 (QStringList{"mount C \"" + game + "\"",
                              "imgmount D \"" + tmp.filePath(image) + "\" -t iso", "C:", "cd \\",
                              "GP2.EXE", "exit", ""}));
    }

    // A Windows program goes to the Windows emulator with its path arguments converted by the
    // winepath beside it (both stand-ins here).
    void windowsProgramThroughWine() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath("wine bin"));
        const QString record = tmp.filePath("record.txt");
        const QString wine = writeRecorder(tmp.filePath("wine bin/wine"), record);
        QVERIFY(writeProgram(tmp.filePath("wine bin/winepath"),
                             "#!/bin/sh\nprintf 'Z:%s\\n' \"$2\"\n"));
        writeWindowsProgram(tmp.filePath("Tool.exe"));
        emulators::setWindowsEmulator(wine);
        const QString failed = ExeCmd::RunAndWait(tmp.filePath("Tool.exe"),
                                                  {"-x", tmp.filePath("a b.bmp")}, tmp.path())
                                   .error;
        emulators::setWindowsEmulator({});
        QCOMPARE(failed, QString());
        QCOMPARE(readRecord(record).mid(1),
                 (QStringList{tmp.filePath("Tool.exe"), "-x", "Z:" + tmp.filePath("a b.bmp")}));
    }

    void missingEmulatorsAreNamed() {
        QTemporaryDir tmp;
        dosprograms::install("mkfile", tmp.filePath("Gp2Lap.exe"));
        writeWindowsProgram(tmp.filePath("Setup.exe"));
        emulators::setDosEmulator(tmp.filePath("no-dosbox"));
        emulators::setWindowsEmulator("no-such-wine");
        const QString dos = ExeCmd::RunAndWait(tmp.filePath("Gp2Lap.exe"), {}, tmp.path()).error;
        const QString windows = ExeCmd::RunAndWait(tmp.filePath("Setup.exe"), {}, tmp.path()).error;
        emulators::setDosEmulator("dosbox");
        emulators::setWindowsEmulator({});
        QCOMPARE(dos, "Gp2Lap.exe is a DOS program: install DOSBox (for example with \"apt "
                      "install dosbox\") or name an emulator in File > Setup Pistaro.");
        QCOMPARE(windows, "Setup.exe is a Windows program: install Wine (for example with \"apt "
                          "install wine\").");
    }

    // The emulator is started with the configuration file alone; one that fails is named.
    void failingEmulatorIsNamed() {
        QTemporaryDir tmp;
        dosprograms::install("mkfile", tmp.filePath("Gp2.exe"));
        const QString record = tmp.filePath("record.txt");
        QVERIFY(writeProgram(tmp.filePath("dosbox"),
                             QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\nexit 3\n")
                                 .arg(record)
                                 .toUtf8()));
        emulators::setDosEmulator(tmp.filePath("dosbox"));
        const ExeCmd::RunResult run =
            ExeCmd::RunAndWait(tmp.filePath("Gp2.exe"), {}, tmp.path(), {tmp.path(), true});
        emulators::setDosEmulator("dosbox");
        QCOMPARE(run.problem("GP2"), "GP2 could not be run: DOSBox ended with exit status 3");
        QCOMPARE(readRecord(record), (QStringList{"-conf", tmp.filePath("dosbox-game.conf")}));
    }

    void currentDirectoryIsInherited() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath("game dir"));
        const QString record = tmp.filePath("record.txt");
        const QString tool = writeRecorder(tmp.filePath("tool"), record);
        CurrentDirGuard guard;
        QVERIFY(QDir::setCurrent(tmp.filePath("game dir")));
        QCOMPARE(ExeCmd::RunAndWait(tool, {}, tmp.path()).error, QString());
        const QStringList lines = readRecord(record);
        QCOMPARE(lines.size(), 1); // no arguments
        QCOMPARE(QDir(lines.first()).canonicalPath(),
                 QDir(tmp.filePath("game dir")).canonicalPath());
    }

    // Returns only once the program has ended, and timers keep running meanwhile.
    void waitsForTheEndAndKeepsTimersRunning() {
        QTemporaryDir tmp;
        const QString record = tmp.filePath("record.txt");
        const QString tool = writeRecorder(tmp.filePath("slow"), record, "0.4");
        bool timerFired = false;
        QTimer::singleShot(50, [&] { timerFired = true; });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ExeCmd::RunAndWait(tool, {"done"}, tmp.path()).error, QString());
        QVERIFY(clock.elapsed() >= 400);
        QCOMPARE(readRecord(record).mid(1), QStringList({"done"}));
        QVERIFY(timerFired);
    }

    void startDetachedDoesNotWait() {
        QTemporaryDir tmp;
        const QString record = tmp.filePath("record.txt");
        const QString tool = writeRecorder(tmp.filePath("editor"), record, "0.3");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(ExeCmd::StartDetached(tool, {"print spl"}, ExeCmd::NormalWindow));
        QVERIFY(clock.elapsed() < 300);
        QVERIFY(!QFile::exists(record));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QCOMPARE(readRecord(record).mid(1), QStringList({"print spl"}));
        QVERIFY(!ExeCmd::StartDetached(tmp.filePath("missing"), {}, ExeCmd::NormalWindow));
    }

    // The checksum tool gets the path as one argument and runs from the program folder; the
    // run is known until it has ended.
    void sumfixGetsPathAsOneArgumentAndIsTracked() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath("app dir"));
        QVERIFY(QDir(tmp.path()).mkpath("Circuits"));
        const QString appDir = tmp.filePath("app dir");
        const QString record = tmp.filePath("record.txt");
        writeRecorder(QDir(appDir).filePath("sumfix"), record, "0.4");
        const QString file = tmp.filePath("Circuits/Long Name Track.dat");
        const QString other = tmp.filePath("Circuits/monza2001.dat");
        QVERIFY(ExeCmd::StartSumfix(appDir, file));
        QVERIFY(ExeCmd::SumfixRunningOn(file));
        QVERIFY(!ExeCmd::SumfixRunningOn(other));
        ExeCmd::WaitForSumfix(file);
        QVERIFY(!ExeCmd::SumfixRunningOn(file));
        const QStringList lines = readRecord(record);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(QDir(lines.first()).canonicalPath(), QDir(appDir).canonicalPath());
        QCOMPARE(lines.at(1), file);
    }

    void missingSumfixIsReported() {
        QTemporaryDir tmp;
        QVERIFY(!ExeCmd::StartSumfix(tmp.path(), tmp.filePath("x.dat")));
        QVERIFY(!ExeCmd::SumfixRunningOn(tmp.filePath("x.dat")));
    }

    // With the real checksum tool: the trailer of a file in a folder with blanks is mended.
    void realSumfixMendsTheChecksum() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath("Grand Prix 2/Circuits"));
        const QString file = tmp.filePath("Grand Prix 2/Circuits/f1ct01.dat");
        QByteArray good = samplegame::circuit(samplegame::originalLength(1));
        QByteArray bad = good;
        bad[bad.size() - 1] = char(~bad.at(bad.size() - 1));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bad), bad.size());
        f.close();
        QVERIFY(ExeCmd::StartSumfix(PSO_APPDIR, file));
        ExeCmd::WaitForSumfix(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == good);
    }
};

QTEST_GUILESS_MAIN(ExeCmdTest)
#include "exe_cmd_test.moc"
