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
    void aListingAheadServesOnlyTheFolderAsItWas_data();
    void aListingAheadServesOnlyTheFolderAsItWas();

private:
    // One folder per row of the listing ahead, settled (changed over a second ago) at the start.
    QTemporaryDir ahead_;
    bool aheadReady_ = false;
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

void FolderListingTest::aListingAheadServesOnlyTheFolderAsItWas_data() {
    QTest::addColumn<QString>("change"); // what happens to the folder around the listing
    QTest::addColumn<bool>("taken");
    QTest::newRow("unchanged") << "unchanged" << true;
    QTest::newRow("asked with a trailing separator") << "separator" << true;
    QTest::newRow("a file added after it") << "added" << false;
    QTest::newRow("a file removed after it") << "removed" << false;
    QTest::newRow("changed just before it") << "just changed" << false;
    QTest::newRow("a link among the files") << "link" << false;
    QTest::newRow("another folder asked") << "other folder" << false;
}

void FolderListingTest::aListingAheadServesOnlyTheFolderAsItWas() {
    QFETCH(QString, change);
    QFETCH(bool, taken);
    if (!aheadReady_) {
        for (const char* row : {"unchanged", "separator", "added", "removed", "just changed",
                                "link", "other folder"}) {
            const QString folder = ahead_.filePath(QString::fromLatin1(row));
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(writeFile(folder + "/a.dat", "a") && writeFile(folder + "/B.dat", "b"));
        }
        QCOMPARE(::symlink("a.dat", QFile::encodeName(ahead_.filePath("link/l.dat")).constData()),
                 0);
        QTest::qWait(1100); // a folder's times tell a change only once a tick has passed
        aheadReady_ = true;
    }
    const QString folder = ahead_.filePath(change);
    if (change == QLatin1String("just changed"))
        QVERIFY(writeFile(folder + "/c.dat", "c"));
    const QString pattern = QStringLiteral("*.dat");
    folderlisting::ListingAhead listing(
        change == QLatin1String("separator") ? folder + QLatin1Char('/') : folder, pattern);
    listing.wait();
    if (change == QLatin1String("added"))
        QVERIFY(writeFile(folder + "/c.dat", "c"));
    if (change == QLatin1String("removed"))
        QVERIFY(QFile::remove(folder + "/B.dat"));
    const QString asked =
        change == QLatin1String("other folder") ? ahead_.filePath("unchanged") : folder;
    const QStringList first = folderlisting::matchingFiles(asked, pattern);
    QCOMPARE(listing.taken(), taken);
    // Taken or not, the names are the folder's as it stands: a listing made now agrees.
    QCOMPARE(first, folderlisting::matchingFiles(asked, pattern));
}

QTEST_GUILESS_MAIN(FolderListingTest)
#include "folder_listing_test.moc"
