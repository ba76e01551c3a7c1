// Where the program writes: its own folder when that holds its data and can be written, else
// the per-user folder, seeded from the installed files.
#include "platform/program_folders.h"
#include "tests/support/files.h"

#include <QtTest>

#include <unistd.h>

namespace {

// Writes `bytes` to `path`, making the folders on the way.
void writeMakingFolders(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

void setTime(const QString& path, const QDateTime& time) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(time, QFileDevice::FileModificationTime));
}

QString n(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

} // namespace

class ProgramFoldersTest final : public QObject {
    Q_OBJECT
private slots:
    void layouts_data();
    void layouts();
    void seedsAndRefreshes();
    void seedFailureIsReported();
};

void ProgramFoldersTest::layouts_data() {
    QTest::addColumn<QString>("exe");      // folder of pso, under the scratch root
    QTest::addColumn<QStringList>("data"); // files made under the scratch root
    QTest::addColumn<bool>("readOnly");    // the exe folder cannot be written
    QTest::addColumn<QString>("appDir");   // "user" for the per-user folder
    QTest::addColumn<QString>("dataDir");
    QTest::newRow("build folder") << "AppDir" << QStringList{"AppDir/pso.def"} << false << "AppDir"
                                  << "AppDir";
    QTest::newRow("installed") << "usr/bin" << QStringList{"usr/share/pistaro/pso.def"} << false
                               << "user"
                               << "usr/share/pistaro";
    QTest::newRow("read-only portable copy")
        << "portable" << QStringList{"portable/pso.def"} << true << "user"
        << "portable";
    // A copy beside pso wins over an installed tree next to it.
    QTest::newRow("portable copy inside a prefix")
        << "usr/bin" << QStringList{"usr/bin/pso.def", "usr/share/pistaro/pso.def"} << false
        << "usr/bin"
        << "usr/bin";
}

void ProgramFoldersTest::layouts() {
    QFETCH(QString, exe);
    QFETCH(QStringList, data);
    QFETCH(bool, readOnly);
    QFETCH(QString, appDir);
    QFETCH(QString, dataDir);
    if (readOnly && geteuid() == 0)
        QSKIP("root writes into any folder");
    QTemporaryDir root;
    const QString exeDir = root.filePath(exe);
    QVERIFY(QDir().mkpath(exeDir));
    for (const QString& f : data)
        writeMakingFolders(root.filePath(f), "definitions");
    if (readOnly)
        QVERIFY(QFile(exeDir).setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    const QString user = root.filePath(QStringLiteral("home/.local/share/pistaro"));
    const ProgramFolders f = locateProgramFolders(exeDir, user);
    if (readOnly)
        QFile(exeDir).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(f.appDir, appDir == QLatin1String("user") ? n(user) : n(root.filePath(appDir)));
    QCOMPARE(f.perUser, appDir == QLatin1String("user"));
    QCOMPARE(f.dataDir, n(root.filePath(dataDir)));
    QCOMPARE(f.exeDir, n(exeDir));
    QVERIFY(QDir(exeDir).entryList(QDir::Files | QDir::Hidden).size() <= 1); // no probe left
}

void ProgramFoldersTest::seedsAndRefreshes() {
    QTemporaryDir root;
    const QString share = root.filePath(QStringLiteral("share"));
    const QString user = root.filePath(QStringLiteral("user/pistaro"));
    const QDateTime built = QDateTime::currentDateTime().addDays(-10);
    for (const char* name : kSeedFiles) {
        writeMakingFolders(share + u'/' + QLatin1String(name), QByteArray("v1 ") + name);
        setTime(share + u'/' + QLatin1String(name), built);
    }
    writeMakingFolders(share + QStringLiteral("/help/help.htm"), "help");
    ProgramFolders f{user, share, root.path(), true};

    QString error;
    QVERIFY2(seedUserFolder(f, &error), qPrintable(error));
    QCOMPARE(readFile(user + QStringLiteral("/na2.bmp")), QByteArray("v1 na2.bmp"));
    QCOMPARE(QDir(user).entryList(QDir::Files).size(), 4); // the help stays where it is
    QCOMPARE(QFileInfo(user + QStringLiteral("/pso.def")).lastModified(), built);
    QVERIFY(QFileInfo(user + QStringLiteral("/pso.def")).isWritable());

    // The user's own change stays; an upgrade's newer definition replaces an older copy.
    writeMakingFolders(user + QStringLiteral("/maps.def"), "mine");
    writeMakingFolders(share + QStringLiteral("/pso.def"), "v2");
    setTime(share + QStringLiteral("/pso.def"), built.addDays(5));
    QFile::remove(user + QStringLiteral("/na1.bmp"));
    QVERIFY2(seedUserFolder(f, &error), qPrintable(error));
    QCOMPARE(readFile(user + QStringLiteral("/maps.def")), QByteArray("mine"));
    QCOMPARE(readFile(user + QStringLiteral("/pso.def")), QByteArray("v2"));
    QCOMPARE(readFile(user + QStringLiteral("/na1.bmp")), QByteArray("v1 na1.bmp"));
    QVERIFY(!QFile::exists(user + QStringLiteral("/pso.def.part")));

    // A program folder of its own is not seeded.
    f.perUser = false;
    QFile::remove(user + QStringLiteral("/na1.bmp"));
    QVERIFY(seedUserFolder(f, &error));
    QVERIFY(!QFile::exists(user + QStringLiteral("/na1.bmp")));
}

void ProgramFoldersTest::seedFailureIsReported() {
    QTemporaryDir root;
    writeMakingFolders(root.filePath(QStringLiteral("share/pso.def")), "v1");
    writeMakingFolders(root.filePath(QStringLiteral("taken")), "a file where the folder should be");
    const ProgramFolders f{root.filePath(QStringLiteral("taken")),
                           root.filePath(QStringLiteral("share")), root.path(), true};
    QString error;
    QVERIFY(!seedUserFolder(f, &error));
    QVERIFY2(error.contains(QStringLiteral("taken")), qPrintable(error));
}

QTEST_GUILESS_MAIN(ProgramFoldersTest)
#include "program_folders_test.moc"
