#include "gamedir/exe_cmd.h"
#include "tools/samplegame/sample_game.h"

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
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(QStringLiteral("#!/bin/sh\nsleep %1\n{ pwd; for a in \"$@\"; do printf '%s\\n' "
                           "\"$a\"; done; } > '%2.part'\nmv '%2.part' '%2'\n")
                .arg(delay, record)
                .toUtf8());
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return path;
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

// Restores the current directory when a test has changed it.
struct CurrentDirGuard {
    QString saved = QDir::currentPath();
    ~CurrentDirGuard() { QDir::setCurrent(saved); }
};

} // namespace

class ExeCmdTest final : public QObject {
    Q_OBJECT

private slots:
    void programThatCannotStartReturnsAtOnce_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("missing") << "/no/such/dir/gp2hipic.pif -d /x/f1pcsvga.bin";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("not executable") << "@plain";
    }
    void programThatCannotStartReturnsAtOnce() {
        QFETCH(QString, commandLine);
        QTemporaryDir tmp;
        const QString plain = tmp.filePath("plain.exe");
        QFile f(plain);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        QElapsedTimer clock;
        clock.start();
        ExeCmd::RunAndWait(commandLine.replace("@plain", plain));
        QVERIFY(clock.elapsed() < 5000);
    }

    // No quoting is added: a path with blanks reaches the program split at them, and runs
    // of blanks give no empty arguments.
    void argumentsAreSplitAtBlanks() {
        QTemporaryDir tmp;
        const QString record = tmp.filePath("record.txt");
        const QString tool = writeRecorder(tmp.filePath("gp2hipic.pif"), record);
        ExeCmd::RunAndWait(tool + " -u #3 /games/Grand Prix 2/Bitmaps/f1pcsvga.bin  tmp.bmp ");
        QCOMPARE(readRecord(record).mid(1), QStringList({"-u", "#3", "/games/Grand", "Prix",
                                                         "2/Bitmaps/f1pcsvga.bin", "tmp.bmp"}));
    }

    // A game folder with blanks still starts the game: the program is the shortest leading
    // run of words that names a file.
    void programInFolderWithBlanks() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath("Grand Prix 2"));
        const QString record = tmp.filePath("record.txt");
        const QString game = writeRecorder(tmp.filePath("Grand Prix 2/Gp2.exe"), record);
        ExeCmd::RunAndWait(game + " a b");
        QCOMPARE(readRecord(record).mid(1), QStringList({"a", "b"}));
    }

    void currentDirectoryIsInherited() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath("game dir"));
        const QString record = tmp.filePath("record.txt");
        const QString tool = writeRecorder(tmp.filePath("tool"), record);
        CurrentDirGuard guard;
        QVERIFY(QDir::setCurrent(tmp.filePath("game dir")));
        ExeCmd::RunAndWait(tool);
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
        ExeCmd::RunAndWait(tool + " done");
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
