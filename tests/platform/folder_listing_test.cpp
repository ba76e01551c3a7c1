// The files a program list shows: which entries of a folder count, their order, and the names
// that are no UTF-8 on disk.
#include "platform/folder_listing.h"
#include "platform/native_names.h"
#include "tests/support/files.h"

#include <QtTest>

#include <sys/stat.h>

class FolderListingTest final : public QObject {
    Q_OBJECT
private slots:
    void whichEntriesAreListed_data();
    void whichEntriesAreListed();
    void orderIgnoresCase();
};

void FolderListingTest::whichEntriesAreListed_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("listed");
    QTest::newRow("file") << "file" << QByteArray("a.dat") << true;
    QTest::newRow("pattern without case") << "file" << QByteArray("B.DAT") << true;
    QTest::newRow("other pattern") << "file" << QByteArray("a.txt") << false;
    QTest::newRow("hidden file") << "file" << QByteArray(".a.dat") << true;
    QTest::newRow("link to a file") << "file link" << QByteArray("l.dat") << true;
    QTest::newRow("link to nothing") << "dangling link" << QByteArray("l.dat") << true;
    QTest::newRow("pipe") << "fifo" << QByteArray("p.dat") << true;
    QTest::newRow("folder") << "folder" << QByteArray("f.dat") << false;
    QTest::newRow("link to a folder") << "folder link" << QByteArray("l.dat") << false;
    QTest::newRow("name in UTF-8") << "file" << QByteArray("Jerez \xc3\xa9t\xc3\xa9.dat") << true;
    QTest::newRow("control character") << "file" << QByteArray("a\x01\x7f.dat") << true;
    QTest::newRow("name not UTF-8") << "file" << QByteArray("b\xe9z.dat") << true;
    QTest::newRow("link not UTF-8 to a folder")
        << "folder link" << QByteArray("b\xe9z.dat") << false;
}

void FolderListingTest::whichEntriesAreListed() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, name);
    QFETCH(bool, listed);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/";
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target")));
    QVERIFY(writeFileByBytes(folder + "target/t.dat"));
    const QByteArray path = folder + name;
    if (kind == QLatin1String("file"))
        QVERIFY(writeFileByBytes(path));
    else if (kind == QLatin1String("folder"))
        QCOMPARE(::mkdir(path.constData(), 0755), 0);
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(path.constData(), 0644), 0);
    else
        QCOMPARE(::symlink(kind == QLatin1String("file link")     ? "target/t.dat"
                           : kind == QLatin1String("folder link") ? "target"
                                                                  : "missing",
                           path.constData()),
                 0);

    const QString shown = QFile::decodeName(name);
    const QStringList files = folderlisting::matchingFiles(dir.path(), QStringLiteral("*.dat"));
    QCOMPARE(files, listed ? QStringList{shown} : QStringList{});
    if (listed)
        QCOMPARE(nativenames::heldAsBytes(dir.filePath(shown)), QFile::encodeName(shown) != name);
}

void FolderListingTest::orderIgnoresCase() {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/";
    // Two names that show alike are offered once.
    for (const QByteArray& name :
         {QByteArray("b.dat"), QByteArray("a.dat"), QByteArray("C.dat"), QByteArray("A.dat"),
          QByteArray("a\xe9.dat"), QByteArray("a\xe8.dat")})
        QVERIFY(writeFileByBytes(folder + name));
    QCOMPARE(folderlisting::matchingFiles(dir.path(), QStringLiteral("*.DAT")),
             (QStringList{"A.dat", "a.dat", QFile::decodeName("a\xe9.dat"), "b.dat", "C.dat"}));
}

QTEST_GUILESS_MAIN(FolderListingTest)
#include "folder_listing_test.moc"
