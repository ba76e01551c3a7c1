// Where the program writes: its own folder when that holds its data and can be written, else
// the per-user folder, seeded from the installed files; and one run at a time on a folder.
#include "platform/program_folders.h"
#include "platform/program_lock.h"
#include "tests/support/files.h"

#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {

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
    void perUserFolderFollowsXdg_data();
    void perUserFolderFollowsXdg();
    void oneRunPerProgramFolder();
    void debrisInTheLockPlace_data();
    void debrisInTheLockPlace();
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
        QVERIFY(writeFile(root.filePath(f), "definitions"));
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
        QVERIFY(writeFile(share + u'/' + QLatin1String(name), QByteArray("v1 ") + name));
        setTime(share + u'/' + QLatin1String(name), built);
    }
    QVERIFY(writeFile(share + QStringLiteral("/help/help.htm"), "help"));
    ProgramFolders f{user, share, root.path(), true};

    QString error;
    QVERIFY2(seedUserFolder(f, &error), qPrintable(error));
    QCOMPARE(readFile(user + QStringLiteral("/na2.bmp")), QByteArray("v1 na2.bmp"));
    QCOMPARE(QDir(user).entryList(QDir::Files).size(), 4); // the help stays where it is
    QCOMPARE(QFileInfo(user + QStringLiteral("/pso.def")).lastModified(), built);
    QVERIFY(QFileInfo(user + QStringLiteral("/pso.def")).isWritable());

    // The user's own change stays; an upgrade's newer definition replaces an older copy.
    QVERIFY(writeFile(user + QStringLiteral("/maps.def"), "mine"));
    QVERIFY(writeFile(share + QStringLiteral("/pso.def"), "v2"));
    setTime(share + QStringLiteral("/pso.def"), built.addDays(5));
    QFile::remove(user + QStringLiteral("/na1.bmp"));
    // Links in the places of seeded files, one dangling, one to a newer file: each is replaced
    // by a copy, and nothing is written where they point.
    const QString outside = root.filePath(QStringLiteral("outside"));
    QVERIFY(QFile::remove(user + QStringLiteral("/na2.bmp")));
    QVERIFY(QFile::link(outside + QStringLiteral("/gone.bmp"), user + QStringLiteral("/na2.bmp")));
    QVERIFY(writeFile(outside + QStringLiteral("/theirs.bmp"), "not ours"));
    QVERIFY(QFile::link(outside + QStringLiteral("/gone.part"),
                        user + QStringLiteral("/pso.def.part")));
    QVERIFY(
        QFile::link(outside + QStringLiteral("/theirs.bmp"), user + QStringLiteral("/na1.bmp")));
    QVERIFY2(seedUserFolder(f, &error), qPrintable(error));
    for (const char* name : kSeedFiles)
        QVERIFY(!QFileInfo(user + u'/' + QLatin1String(name)).isSymLink());
    QCOMPARE(readFile(user + QStringLiteral("/na2.bmp")), QByteArray("v1 na2.bmp"));
    QCOMPARE(QDir(outside).entryList(QDir::Files), QStringList{QStringLiteral("theirs.bmp")});
    QCOMPARE(readFile(outside + QStringLiteral("/theirs.bmp")), QByteArray("not ours"));
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
    QVERIFY(writeFile(root.filePath(QStringLiteral("share/pso.def")), "v1"));
    QVERIFY(writeFile(root.filePath(QStringLiteral("taken")), "a file where the folder should be"));
    const ProgramFolders f{root.filePath(QStringLiteral("taken")),
                           root.filePath(QStringLiteral("share")), root.path(), true};
    QString error;
    QVERIFY(!seedUserFolder(f, &error));
    QVERIFY2(error.contains(QStringLiteral("taken")), qPrintable(error));
}

void ProgramFoldersTest::perUserFolderFollowsXdg_data() {
    QTest::addColumn<QByteArray>("xdgDataHome"); // "" for unset
    QTest::addColumn<QString>("folder");         // "~" for the home folder
    QTest::newRow("unset") << QByteArray() << "~/.local/share";
    QTest::newRow("absolute") << QByteArray("/srv/data") << "/srv/data";
    // Relative values are ignored, as the XDG base directory rules say.
    QTest::newRow("relative") << QByteArray("data") << "~/.local/share";
    QTest::newRow("dot") << QByteArray(".") << "~/.local/share";
}

void ProgramFoldersTest::perUserFolderFollowsXdg() {
    QFETCH(QByteArray, xdgDataHome);
    QFETCH(QString, folder);
    const QByteArray kept = qgetenv("XDG_DATA_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    if (xdgDataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", xdgDataHome);
    const QString found = perUserDataFolder();
    if (wasSet)
        qputenv("XDG_DATA_HOME", kept);
    else
        qunsetenv("XDG_DATA_HOME");
    folder.replace(u'~', QDir::homePath());
    QCOMPARE(found, folder + u'/' + QCoreApplication::applicationName());
}

// A second run on a folder is refused while the first holds it, in another process or this
// one; once the holder was killed its lock is taken over.
void ProgramFoldersTest::oneRunPerProgramFolder() {
    QTemporaryDir folder;
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--hold-lock"), folder.path()});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

    ProgramLock second = lockProgramFolder(folder.path());
    QVERIFY(!second.lock);
    QCOMPARE(second.refusal, QStringLiteral("Pistaro is already running on %1. (process %2)")
                                 .arg(QDir::toNativeSeparators(folder.path()))
                                 .arg(holder.processId()));

    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    QVERIFY(QFile::exists(folder.filePath(QLatin1String(kProgramLockFile))));
    const ProgramLock taken = lockProgramFolder(folder.path());
    QCOMPARE(taken.refusal, QString());
    QVERIFY(taken.lock && taken.lock->isLocked());
    QVERIFY(lockProgramFolder(folder.path())
                .refusal.startsWith(QStringLiteral("Pistaro is already running on ")));
}

// What stands in the lock file's place and names no live process is taken over; what cannot be
// removed is named, never taken for a running Pistaro.
void ProgramFoldersTest::debrisInTheLockPlace_data() {
    QTest::addColumn<QString>("kind");     // what stands there: file, folder, link
    QTest::addColumn<QByteArray>("bytes"); // the file's, or a file inside the folder ("" none)
    QTest::addColumn<bool>("taken");
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    QTest::newRow("empty file") << "file" << QByteArray() << true;
    QTest::newRow("unreadable lock text") << "file" << QByteArray("\x1b[2Jnot a lock\n") << true;
    QTest::newRow("process that is gone") << "file"
                                          << "999999999\npso\n" + host + "\n"
                                          << true;
    QTest::newRow("empty folder") << "folder" << QByteArray() << true;
    QTest::newRow("dangling link") << "link" << QByteArray() << true;
    QTest::newRow("folder with contents") << "folder" << QByteArray("kept") << false;
}

void ProgramFoldersTest::debrisInTheLockPlace() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, taken);
    QTemporaryDir folder;
    const QString path = folder.filePath(QLatin1String(kProgramLockFile));
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone")), path));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    if (kind != QLatin1String("link") && (kind == QLatin1String("file") || !bytes.isEmpty())) {
        // Older than a lock a starting pso may still be filling.
        QFile file(kind == QLatin1String("file") ? path : path + QStringLiteral("/kept.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                file.flush());
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                         QFileDevice::FileModificationTime);
    }
    const ProgramLock lock = lockProgramFolder(folder.path());
    QVERIFY2(bool(lock.lock) == taken, qPrintable(lock.refusal));
    if (taken)
        QVERIFY(lock.refusal.isEmpty() && lock.lock->isLocked());
    else
        QVERIFY2(lock.refusal.contains(QDir::toNativeSeparators(path) + QStringLiteral(" is no "
                                                                                       "lock")),
                 qPrintable(lock.refusal));
}

// Run as "--hold-lock <folder>": takes the folder's lock, says "locked", and keeps it until
// standard input ends or the process is killed.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold-lock") {
        const ProgramLock lock = lockProgramFolder(QString::fromLocal8Bit(argv[2]));
        std::printf("%s\n", lock.lock ? "locked" : qPrintable(lock.refusal));
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    ProgramFoldersTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "program_folders_test.moc"
