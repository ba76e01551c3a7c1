// Backups of game files with real files: saving, putting back byte for byte (a file the
// command made is removed again), the newest of many, the limits of count and size with each
// content kept once, a backup that cannot be written, and the history of reverts.
#include "gamedir/backup_revert.h"
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "tests/support/files.h"
#include "tests/support/scratch_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class GameBackupTest final : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QTemporaryDir settings;
    QString game(const QString& name = {}) const { return tmp.filePath("game/" + name); }
    QString root() const { return tmp.filePath("app/backups"); }
    QStringList folders() const {
        return QDir(root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    bool revert(const gamebackup::Change& change, const QString& command = "Restore") {
        const gamebackup::RevertOutcome out = gamebackup::revert(root(), change, game(), command);
        if (!out.refused.isEmpty() || !out.failed.isEmpty())
            qWarning() << out.refused << out.failed;
        return out.refused.isEmpty() && out.failed.isEmpty();
    }

private slots:
    void initTestCase() { scratchsettings::use(settings.path()); }

    void init() {
        QVERIFY(QDir(tmp.path()).removeRecursively());
        QVERIFY(QDir().mkpath(tmp.filePath("game/Circuits")));
        gamebackup::setLimits({});
        gamebackup::noteGameFolder(root(), game());
    }

    void putsBackWhatTheCommandChangedRemovedAndMade() {
        QVERIFY(writeFile(game("GP2.EXE"), QByteArray(3000, '\x4d')));
        QVERIFY(writeFile(game("Circuits/f1ct03.dat"), "old slot 3"));
        const QDateTime when(QDate(2026, 12, 8), QTime(1, 2, 3));
        {
            gamebackup::Backup backup(root(), "Export", when);
            QString error;
            QVERIFY(backup.keep(
                {game("GP2.EXE"), game("Circuits/f1ct03.dat"), game("Circuits"), game("tmp.bmp")},
                &error));
            QCOMPARE(backup.folder(), root() + "/2026-12-08 01-02-03 Export");
            QCOMPARE(readFileOrMissing(backup.copyOf(game("Circuits/f1ct03.dat"))),
                     QByteArray("old slot 3"));
        }
        QVERIFY(writeFile(game("GP2.EXE"), QByteArray(3000, '\x00')));
        QVERIFY(QFile::remove(game("Circuits/f1ct03.dat")));
        QVERIFY(writeFile(game("tmp.bmp"), "made by the command"));
        // A second write of the made file, stopped half-way.
        QVERIFY(writeFile(game("tmp.bmp.writing-Ab12Cd"), "part"));

        const std::optional<gamebackup::Saved> saved = gamebackup::newest(root());
        QVERIFY(saved);
        QCOMPARE(saved->command, QStringLiteral("Export"));
        QCOMPARE(saved->when, when);
        QCOMPARE(saved->entries.size(), 3); // the folder is never saved
        QVERIFY(revert(*saved));
        QCOMPARE(readFileOrMissing(game("GP2.EXE")), QByteArray(3000, '\x4d'));
        QCOMPARE(readFileOrMissing(game("Circuits/f1ct03.dat")), QByteArray("old slot 3"));
        QVERIFY(!QFile::exists(game("tmp.bmp")));
        QVERIFY(!QFile::exists(game("tmp.bmp.writing-Ab12Cd")));
        // Put back once: the same change is not offered again; the revert is a change of its
        // own that holds what the revert replaced.
        QVERIFY(!gamebackup::newest(root()));
        const QList<gamebackup::Change> all = gamebackup::history(root());
        QCOMPARE(all.size(), 2);
        QVERIFY(all[0].reverted);
        QCOMPARE(all[1].command, QStringLiteral("Restore"));
        QCOMPARE(all[1].reverts, QFileInfo(saved->folder).fileName());
        QVERIFY(revert(all[1], "Revert Restore"));
        QCOMPARE(readFileOrMissing(game("GP2.EXE")), QByteArray(3000, '\x00'));
        QCOMPARE(readFileOrMissing(game("tmp.bmp")), QByteArray("made by the command"));
    }

    void sameSecondKeepsItsOrder() {
        QVERIFY(writeFile(game("a.dat"), "a"));
        const QDateTime when(QDate(2026, 1, 1), QTime(10, 0, 0));
        for (const char* command : {"Rename", "Delete", "Export"}) {
            gamebackup::Backup backup(root(), command, when);
            QVERIFY(backup.keep(game("a.dat"), nullptr));
        }
        QCOMPARE(gamebackup::newest(root())->command, QStringLiteral("Export"));
        QVERIFY(folders().contains("2026-01-01 10-00-00 Export"));
    }

    // A run that wrote the same bytes leaves no backup; one that changed a byte keeps its own.
    void unchangedRunLeavesNoBackup() {
        QVERIFY(writeFile(game("f1gstate.sav"), "state"));
        for (const QByteArray& after : {QByteArray("state"), QByteArray("statE")}) {
            gamebackup::Backup backup(root(), "Export Setups");
            QVERIFY(backup.keep(game("f1gstate.sav"), nullptr));
            QVERIFY(writeFile(game("f1gstate.sav"), after));
            backup.discardIfUnchanged();
            QCOMPARE(backup.folder().isEmpty(), after == "state");
        }
        QCOMPARE(gamebackup::history(root()).size(), 1);
        QCOMPARE(readFileOrMissing(gamebackup::newest(root())->entries.at(0).copy),
                 QByteArray("state"));
        QCOMPARE(QDir(root() + "/contents").entryList(QDir::Files).size(), 1);
    }

    // What a backup read or wrote before stands only while the file does: a file changed after
    // it was read ahead is read again, and a stored copy cut after this run wrote it is
    // written again.
    void earlierReadsStandOnlyWhileTheFileDoes_data() {
        QTest::addColumn<bool>("readAhead");
        QTest::newRow("read ahead, then changed") << true;
        QTest::newRow("stored copy cut") << false;
    }
    void earlierReadsStandOnlyWhileTheFileDoes() {
        QFETCH(bool, readAhead);
        const QByteArray first(200'000, 'a'), second(300'000, 'b');
        QVERIFY(writeFile(game("GP2.EXE"), first));
        QString error;
        if (readAhead) {
            gamebackup::Backup backup(root(), "Export");
            backup.readAhead({game("GP2.EXE")});
            QTest::qSleep(500); // ample time to read 200 KB: the change comes after the read
            QVERIFY(writeFile(game("GP2.EXE"), second));
            QVERIFY2(backup.keep(game("GP2.EXE"), &error), qPrintable(error));
            QCOMPARE(readFileOrMissing(backup.copyOf(game("GP2.EXE"))), second);
            return;
        }
        QString copy;
        {
            gamebackup::Backup backup(root(), "Export");
            QVERIFY2(backup.keep(game("GP2.EXE"), &error), qPrintable(error));
            copy = backup.copyOf(game("GP2.EXE"));
        }
        QVERIFY(writeFile(copy, first.left(1000)));
        gamebackup::Backup again(root(), "Export");
        QVERIFY2(again.keep(game("GP2.EXE"), &error), qPrintable(error));
        QCOMPARE(again.copyOf(game("GP2.EXE")), copy);
        QCOMPARE(readFileOrMissing(copy), first);
    }

    // Files kept in steps (the first unsynced) are one change, put back whole; a last keep of
    // nothing new still completes it.
    void keptInStepsIsOneChange_data() {
        QTest::addColumn<bool>("lastKeepsAFile");
        QTest::newRow("last step keeps a file") << true;
        QTest::newRow("last step keeps nothing") << false;
    }
    void keptInStepsIsOneChange() {
        QFETCH(bool, lastKeepsAFile);
        QVERIFY(writeFile(game("Circuits/f1ct01.dat"), "slot 1"));
        QVERIFY(writeFile(game("GP2.EXE"), "exe"));
        {
            gamebackup::Backup backup(root(), "Export");
            QString error;
            QVERIFY2(backup.keepForNow({game("Circuits/f1ct01.dat")}, &error), qPrintable(error));
            QVERIFY2(
                backup.keep(lastKeepsAFile ? QStringList{game("GP2.EXE")} : QStringList{}, &error),
                qPrintable(error));
        }
        QVERIFY(writeFile(game("Circuits/f1ct01.dat"), "new slot 1"));
        QVERIFY(writeFile(game("GP2.EXE"), "new exe"));
        const QList<gamebackup::Change> all = gamebackup::history(root());
        QCOMPARE(all.size(), 1);
        QCOMPARE(all[0].entries.size(), lastKeepsAFile ? 2 : 1);
        QVERIFY(revert(all[0]));
        QCOMPARE(readFileOrMissing(game("Circuits/f1ct01.dat")), QByteArray("slot 1"));
        QCOMPARE(readFileOrMissing(game("GP2.EXE")),
                 QByteArray(lastKeepsAFile ? "exe" : "new exe"));
    }

    void backupThatCannotBeWritten() {
        QVERIFY(writeFile(game("f1gstate.sav"), "state"));
        QVERIFY(QDir().mkpath(tmp.filePath("app")));
        QVERIFY(writeFile(root(), "a file where the folder belongs"));
        gamebackup::Backup backup(root(), "Export Setups");
        QString error;
        QVERIFY(!backup.keep(game("f1gstate.sav"), &error));
        QVERIFY2(error.contains("backups"), qPrintable(error));
        QCOMPARE(readFileOrMissing(root()), QByteArray("a file where the folder belongs"));
        QVERIFY(!gamebackup::newest(root()));
    }

    // Exports of the same files keep each content once; the oldest changes go when the count
    // or the size is passed, never the newest, and contents no change holds go with them.
    void limitsAndSharedContents_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("megabytes");
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("kept");
        QTest::newRow("20 of 25 by count") << 20 << 200 << 25 << 20;
        QTest::newRow("3 by count") << 3 << 200 << 25 << 3;
        // Each run adds one distinct 1 MiB content: 4 fit under 4.5 MB with the shared one.
        QTest::newRow("by size") << 50 << 5 << 12 << 4;
        QTest::newRow("one larger than the limit stays") << 20 << 1 << 3 << 1;
    }
    void limitsAndSharedContents() {
        QFETCH(int, count);
        QFETCH(int, megabytes);
        QFETCH(int, runs);
        QFETCH(int, kept);
        gamebackup::setLimits({count, megabytes});
        const QByteArray exe(512 * 1024, 'E');
        QVERIFY(writeFile(game("GP2.EXE"), exe));
        QList<qint64> sizes;
        for (int i = 0; i < runs; ++i) {
            QByteArray slot(1024 * 1024, char('a' + i % 26));
            slot.prepend(QByteArray::number(i));
            sizes << slot.size();
            QVERIFY(writeFile(game("Circuits/f1ct01.dat"), slot));
            gamebackup::Backup backup(root(), "Export");
            QString error;
            QVERIFY2(backup.keep({game("GP2.EXE"), game("Circuits/f1ct01.dat")}, &error),
                     qPrintable(error));
        }
        const QList<gamebackup::Change> all = gamebackup::history(root());
        QCOMPARE(all.size(), kept);
        QCOMPARE(all.last().entries.at(1).copy, gamebackup::newest(root())->entries.at(1).copy);
        QCOMPARE(readFileOrMissing(all.last().entries.at(1).copy),
                 readFileOrMissing(game("Circuits/f1ct01.dat")));
        // GP2.EXE once, and one slot content per kept change: nothing else in the store.
        QCOMPARE(QDir(root() + "/contents").entryList(QDir::Files).size(), kept + 1);
        qint64 expected = exe.size();
        for (qsizetype i = sizes.size() - kept; i < sizes.size(); ++i)
            expected += sizes[i];
        QCOMPARE(gamebackup::keptBytes(all), expected);
    }

    // Reverting an older change whose files a later one changed is refused, naming the later
    // one, until that one is reverted; a revert of it does not count.
    void olderChangeWaitsForTheLaterOne() {
        QVERIFY(writeFile(game("a.dat"), "1"));
        QVERIFY(writeFile(game("b.dat"), "b1"));
        const QDateTime t(QDate(2026, 1, 1), QTime(10, 0, 0));
        const auto run = [&](const char* command, const QStringList& files,
                             const QByteArray& content, int second) {
            gamebackup::Backup backup(root(), command, t.addSecs(second));
            QVERIFY(backup.keep(files, nullptr));
            for (const QString& f : files)
                QVERIFY(writeFile(f, content));
        };
        run("Export 1", {game("a.dat")}, "2", 0);
        run("Export 2", {game("b.dat")}, "b2", 1);
        run("Export 3", {game("a.dat")}, "3", 2);
        QList<gamebackup::Change> all = gamebackup::history(root());
        QCOMPARE(gamebackup::revertRefusal(root(), all[0], game()),
                 QStringLiteral("Export 1 of 2026-01-01 10:00:00 cannot be reverted: Export 3 of "
                                "2026-01-01 10:00:02 changed the same files later. Revert that "
                                "change first."));
        QVERIFY(revert(all[1], "Revert Export 2")); // other files: no wait
        QCOMPARE(readFileOrMissing(game("b.dat")), QByteArray("b1"));
        QVERIFY(revert(all[2]));
        QVERIFY(revert(all[0], "Revert Export 1"));
        QCOMPARE(readFileOrMissing(game("a.dat")), QByteArray("1"));
        all = gamebackup::history(root());
        QCOMPARE(all.size(), 6);
        // Restore's own changes are passed over; a History revert is a change of its own, the
        // newest one.
        const auto newest = gamebackup::newest(root());
        QVERIFY(newest);
        QCOMPARE(newest->command, QStringLiteral("Revert Export 1"));
    }
};

QTEST_GUILESS_MAIN(GameBackupTest)
#include "game_backup_test.moc"
