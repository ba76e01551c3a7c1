// Replacing a file beside and by rename, as every writer does, and the message that tells why
// the export's copy failed.
#include "packs/copy_failure_message.h"
#include "platform/replace_file.h"
#include "tests/support/files.h"
#include "tests/support/small_disk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {} // namespace

class ReplaceFileTest final : public QObject {
    Q_OBJECT
private slots:
    void replacesCreatesAndKeepsItself() {
        QTemporaryDir tmp;
        const QString a = tmp.filePath("a.dat"), b = tmp.filePath("b.dat");
        QVERIFY(writeFile(a, "new contents"));
        QVERIFY(writeFile(b, "old and longer contents"));
        QVERIFY(copyOver(a, b).ok);
        QCOMPARE(readFile(b), QByteArray("new contents"));

        const QString created = tmp.filePath("created.dat");
        QVERIFY(copyOver(a, created).ok);
        QCOMPARE(readFile(created), QByteArray("new contents"));

        // The same file under another name: truncating the target would empty the source.
        QVERIFY(QFile::link(a, tmp.filePath("link.dat")));
        QVERIFY(copyOver(tmp.filePath("link.dat"), a).ok);
        QVERIFY(copyOver(a, a).ok);
        QCOMPARE(readFile(a), QByteArray("new contents"));
    }

    void replacesBesideKeepingPermissions() {
        // The old file is never cut and rewritten: another name of it keeps the old contents,
        // which is what a copy killed half-way leaves under the target's name too.
        QTemporaryDir tmp;
        const QString a = tmp.filePath("a.dat"), b = tmp.filePath("b.dat");
        QVERIFY(writeFile(a, "new contents"));
        QVERIFY(writeFile(b, "old contents"));
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile(b).setPermissions(mode));
        QCOMPARE(::link(QFile::encodeName(b).constData(),
                        QFile::encodeName(tmp.filePath("old.dat")).constData()),
                 0);
        QVERIFY(copyOver(a, b).ok);
        QCOMPARE(readFile(b), QByteArray("new contents"));
        QCOMPARE(readFile(tmp.filePath("old.dat")), QByteArray("old contents"));
        QCOMPARE(QFile(b).permissions() & ~(QFile::ReadUser | QFile::WriteUser), mode);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files),
                 (QStringList{"a.dat", "b.dat", "old.dat"}));
    }

    void batchReplacesOnlyWhenCommitted() {
        // Written beside their places as they come; none is in place before commit, and a
        // batch given up leaves the old files and no part of the new ones.
        QTemporaryDir tmp;
        const QString a = tmp.filePath("a.dat"), b = tmp.filePath("b.dat");
        QVERIFY(writeFile(tmp.filePath("new.dat"), "new"));
        QVERIFY(writeFile(a, "old a"));
        QVERIFY(writeFile(b, "old b"));
        {
            ReplaceBatch given;
            QVERIFY(given.copyOver(tmp.filePath("new.dat"), a, 1).ok);
            QCOMPARE(readFile(a), QByteArray("old a"));
        }
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files),
                 (QStringList{"a.dat", "b.dat", "new.dat"}));
        // What a run killed before its renames left: gone with the commit, beside its own
        // targets only.
        QVERIFY(writeFile(tmp.filePath("A.DAT.writing-Zq9x1k"), "part"));
        QVERIFY(writeFile(tmp.filePath("c.dat.writing-abcdef"), "part"));
        ReplaceBatch batch;
        QVERIFY(batch.copyOver(tmp.filePath("new.dat"), a, 1).ok);
        QVERIFY(batch.copyOver(tmp.filePath("new.dat"), b, 2).ok);
        QVERIFY(!batch.copyOver(tmp.filePath("missing.dat"), b, 3).ok);
        QCOMPARE(readFile(b), QByteArray("old b"));
        QVERIFY(batch.commit().isEmpty());
        QCOMPARE(readFile(a), QByteArray("new"));
        QCOMPARE(readFile(b), QByteArray("new"));
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files),
                 (QStringList{"a.dat", "b.dat", "c.dat.writing-abcdef", "new.dat"}));
    }

    void unreadableSourceLeavesTheTarget() {
        QTemporaryDir tmp;
        const QString b = tmp.filePath("b.dat");
        QVERIFY(writeFile(b, "kept"));
        const CopyResult r = copyOver(tmp.filePath("missing.dat"), b);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(r.block, CopyBlock::None);
        QCOMPARE(readFile(b), QByteArray("kept"));
    }

    void folderInTheWayIsReadOnly() {
        QTemporaryDir tmp;
        QVERIFY(writeFile(tmp.filePath("a.dat"), "x"));
        QVERIFY(QDir(tmp.path()).mkdir("f1ct03.dat"));
        const CopyResult r = copyOver(tmp.filePath("a.dat"), tmp.filePath("f1ct03.dat"));
        QVERIFY(!r.ok);
        QCOMPARE(r.block, CopyBlock::ReadOnly);
        QCOMPARE(r.error, QString::fromLocal8Bit(strerror(EISDIR)));
    }

    void runningProgramIsInUse() {
        // A program that runs cannot be written (ETXTBSY): the busy case the user can end.
        QTemporaryDir tmp;
        const QString program = tmp.filePath("f1ct05.dat");
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), program));
        QVERIFY(
            QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcess running;
        running.start(program, {QStringLiteral("30")});
        QVERIFY(running.waitForStarted());
        QVERIFY(writeFile(tmp.filePath("a.dat"), "x"));
        const CopyResult r = copyOver(tmp.filePath("a.dat"), program);
        running.kill();
        running.waitForFinished();
        QVERIFY(!r.ok);
        QCOMPARE(r.block, CopyBlock::InUse);
    }

    void fullDiskKeepsTheOldFile() {
        // A write small enough for any buffer must still be seen to fail, before the rename.
        SmallDisk disk(256 * 1024);
        if (!disk.mounted())
            QSKIP("no tmpfs could be mounted (it needs root): the full-disk case was not run");
        QTemporaryDir tmp;
        const QString source = tmp.filePath("new.txt"), target = disk.path() + "/Packs.txt";
        QVERIFY(writeFile(source, "new list\r\n"));
        QVERIFY(writeFile(target, "old list\r\n"));
        QVERIFY(disk.fill());
        ReplaceOptions keepTime;
        keepTime.keepSourceTime = true;
        const QList<CopyResult> results{writeReplacing(target, "new list\r\n"),
                                        copyOver(source, target),
                                        copyReplacing(source, target, keepTime)};
        for (const CopyResult& r : results) {
            QVERIFY(!r.ok);
            QCOMPARE(r.error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
            QCOMPARE(readFile(target), QByteArray("old list\r\n"));
            QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
                     (QStringList{".filler", "Packs.txt"}));
        }
    }

    void failureCause_data() {
        QTest::addColumn<int>("block");
        QTest::addColumn<QString>("cause");
        QTest::newRow("read only") << int(CopyBlock::ReadOnly)
                                   << "These slots were not changed: their files are read only. "
                                      "Change the file attributes and export again.";
        QTest::newRow("in use") << int(CopyBlock::InUse)
                                << "These slots were not changed: their files are in use. Close "
                                   "any other application and export again.";
        QTest::newRow("other") << int(CopyBlock::None)
                               << "These slots were not changed: their files could not be written.";
    }
    void failureCause() {
        QFETCH(int, block);
        QFETCH(QString, cause);
        const CopyResult r{false, QStringLiteral("Permission denied"), CopyBlock(block)};
        QCOMPARE(copyFailureCause(r), cause);
    }
};

QTEST_GUILESS_MAIN(ReplaceFileTest)
#include "replace_file_test.moc"
