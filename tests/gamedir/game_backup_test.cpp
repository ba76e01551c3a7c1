// Backups of game files with real files: saving, putting back byte for byte (a file the
// command made is removed again), the newest of many, keeping 20, and a backup that cannot be
// written.
#include "gamedir/game_backup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

} // namespace

class GameBackupTest final : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QString game(const QString& name) const { return tmp.filePath("game/" + name); }
    QString root() const { return tmp.filePath("app/backups"); }

private slots:
    void init() {
        QVERIFY(QDir(tmp.path()).removeRecursively());
        QVERIFY(QDir().mkpath(tmp.filePath("game/Circuits")));
    }

    void putsBackWhatTheCommandChangedRemovedAndMade() {
        QVERIFY(write(game("GP2.EXE"), QByteArray(3000, '\x4d')));
        QVERIFY(write(game("Circuits/f1ct03.dat"), "old slot 3"));
        const QDateTime when(QDate(2026, 12, 8), QTime(1, 2, 3));
        gamebackup::Backup backup(root(), "Export", when);
        QString error;
        QVERIFY(backup.keep(
            {game("GP2.EXE"), game("Circuits/f1ct03.dat"), game("Circuits"), game("tmp.bmp")},
            &error));
        QCOMPARE(backup.folder(), root() + "/2026-12-08 01-02-03 Export");
        QCOMPARE(read(backup.copyOf(game("Circuits/f1ct03.dat"))), QByteArray("old slot 3"));

        QVERIFY(write(game("GP2.EXE"), QByteArray(3000, '\x00')));
        QVERIFY(QFile::remove(game("Circuits/f1ct03.dat")));
        QVERIFY(write(game("tmp.bmp"), "made by the command"));
        // A second write of the made file, stopped half-way.
        QVERIFY(write(game("tmp.bmp.writing-Ab12Cd"), "part"));

        const std::optional<gamebackup::Saved> saved = gamebackup::newest(root());
        QVERIFY(saved);
        QCOMPARE(saved->command, QStringLiteral("Export"));
        QCOMPARE(saved->when, when);
        QCOMPARE(saved->entries.size(), 3); // the folder is never saved
        QCOMPARE(gamebackup::restore(*saved), QStringList());
        QCOMPARE(read(game("GP2.EXE")), QByteArray(3000, '\x4d'));
        QCOMPARE(read(game("Circuits/f1ct03.dat")), QByteArray("old slot 3"));
        QVERIFY(!QFile::exists(game("tmp.bmp")));
        QVERIFY(!QFile::exists(game("tmp.bmp.writing-Ab12Cd")));
        // Put back once: the same change is not offered again.
        QVERIFY(!gamebackup::newest(root()));
    }

    void newestOfManyAndOnlyTwentyKept() {
        QVERIFY(write(game("f1gstate.sav"), "state"));
        QVERIFY(QDir().mkpath(root() + "/my notes")); // not a backup: left alone
        const QDateTime start(QDate(2026, 1, 1), QTime(10, 0, 0));
        // Three in the same second, then one a second.
        for (int i = 0; i < 25; ++i) {
            gamebackup::Backup backup(root(), "Delete", start.addSecs(qMax(0, i - 2)));
            QVERIFY(write(game("f1gstate.sav"), "state " + QByteArray::number(i)));
            QString error;
            QVERIFY2(backup.keep(game("f1gstate.sav"), &error), qPrintable(error));
        }
        QStringList folders = QDir(root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), 21);
        QVERIFY(folders.contains("my notes"));
        QVERIFY(!folders.contains("2026-01-01 10-00-02 Delete"));
        QVERIFY(folders.contains("2026-01-01 10-00-03 Delete"));
        const std::optional<gamebackup::Saved> saved = gamebackup::newest(root());
        QVERIFY(saved);
        QCOMPARE(saved->folder, root() + "/2026-01-01 10-00-22 Delete");
        QCOMPARE(read(saved->entries.at(0).copy), QByteArray("state 24"));
    }

    void sameSecondKeepsItsOrder() {
        QVERIFY(write(game("a.dat"), "a"));
        const QDateTime when(QDate(2026, 1, 1), QTime(10, 0, 0));
        for (const char* command : {"Rename", "Delete", "Export"}) {
            gamebackup::Backup backup(root(), command, when);
            QVERIFY(backup.keep(game("a.dat"), nullptr));
        }
        QCOMPARE(gamebackup::newest(root())->command, QStringLiteral("Export"));
    }

    // A run that wrote the same bytes leaves no backup; one that changed a byte keeps its own.
    void unchangedRunLeavesNoBackup() {
        QVERIFY(write(game("f1gstate.sav"), "state"));
        for (const QByteArray& after : {QByteArray("state"), QByteArray("statE")}) {
            gamebackup::Backup backup(root(), "Export Setups");
            QVERIFY(backup.keep(game("f1gstate.sav"), nullptr));
            QVERIFY(write(game("f1gstate.sav"), after));
            backup.discardIfUnchanged();
            QCOMPARE(backup.folder().isEmpty(), after == "state");
        }
        QCOMPARE(QDir(root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        QCOMPARE(read(gamebackup::newest(root())->entries.at(0).copy), QByteArray("state"));
    }

    void backupThatCannotBeWritten() {
        QVERIFY(write(game("f1gstate.sav"), "state"));
        QVERIFY(QDir().mkpath(tmp.filePath("app")));
        QVERIFY(write(root(), "a file where the folder belongs"));
        gamebackup::Backup backup(root(), "Export Setups");
        QString error;
        QVERIFY(!backup.keep(game("f1gstate.sav"), &error));
        QVERIFY2(error.contains("backups"), qPrintable(error));
        QCOMPARE(read(root()), QByteArray("a file where the folder belongs"));
        QVERIFY(!gamebackup::newest(root()));
    }
};

QTEST_GUILESS_MAIN(GameBackupTest)
#include "game_backup_test.moc"
