// The backups folder as an attacker or an accident leaves it: manifests naming files outside
// the game folder, links in the game folder and in the backups folder, backups that failed or
// were killed, a clock that went back or ahead, and a game folder that moved. Each class is
// one table; every case runs on real files and real links, and nothing outside the game
// folder may change.
#include "gamedir/backup_revert.h"
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/files.h"
#include "tests/support/scratch_settings.h"
#include "tests/support/small_disk.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

class HostileBackupsTest final : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QTemporaryDir settings;
    QString game(const QString& name = {}) const { return tmp.filePath("game/" + name); }
    QString outside(const QString& name = {}) const { return tmp.filePath("outside/" + name); }
    QString root() const { return tmp.filePath("app/backups"); }

    // A backup as a command makes it: keeps `files`, then writes `after` into each.
    void backUp(const QStringList& files, const QByteArray& after, const QString& command,
                const QDateTime& when = QDateTime::currentDateTime()) {
        gamebackup::Backup backup(root(), command, when);
        QString error;
        QVERIFY2(backup.keep(files, &error), qPrintable(error));
        for (const QString& f : files)
            QVERIFY(writeFile(f, after));
    }

    // A folder of the older kind: the manifest `lines` ({game}, {outside}, {root} filled in),
    // and a copy "1 copy" holding "saved".
    QString oldBackup(const QString& name, QString lines) {
        const QString folder = root() + "/" + name;
        lines.replace("{game}", tmp.filePath("game")).replace("{outside}", tmp.filePath("outside"));
        lines.replace("{root}", root());
        if (!QDir().mkpath(folder) || !writeFile(folder + "/1 copy", "saved") ||
            !writeFile(folder + "/manifest.txt", lines.toUtf8()))
            return {};
        return folder;
    }

    static QString sha(const QByteArray& bytes) {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    }

private slots:
    void initTestCase() { scratchsettings::use(settings.path()); }

    void init() {
        QVERIFY(QDir(tmp.path()).removeRecursively());
        QVERIFY(QDir().mkpath(game("Circuits")));
        QVERIFY(QDir().mkpath(outside("folder")));
        QVERIFY(QDir().mkpath(root()));
        QVERIFY(writeFile(outside("victim.txt"), "victim"));
        QVERIFY(writeFile(outside("secret.txt"), "secret"));
        QVERIFY(writeFile(outside("folder/keep.txt"), "keep"));
        QVERIFY(writeFile(game("made.dat"), "made"));
        gamebackup::setLimits({});
        gamebackup::noteGameFolder(root(), game());
    }

    // A manifest naming anything but plain files inside the game folder and copies inside the
    // backups folder's own store is refused whole, naming the backup, and writes nothing.
    void manifestEntriesOutsideTheGame_data() {
        QTest::addColumn<QString>("lines");
        const QString made = "absent\t{game}/made.dat\n";
        QTest::newRow("absent file outside") << made + "absent\t{outside}/victim.txt\n";
        QTest::newRow("file outside overwritten") << made + "file\t1 copy\t{outside}/victim.txt\n";
        QTest::newRow("copy from outside")
            << made + "file\t../../../outside/secret.txt\t{game}/Circuits/new.dat\n";
        QTest::newRow("copy by absolute path")
            << made + "file\t{outside}/secret.txt\t{game}/Circuits/new.dat\n";
        QTest::newRow("dot-dot out of the game") << made + "absent\t{game}/../outside/victim.txt\n";
        QTest::newRow("through a linked folder") << made + "absent\t{game}/link/victim.txt\n";
        QTest::newRow("relative path") << made + "absent\tgame/made.dat\n";
        QTest::newRow("store copy that is a link")
            << made + "command\tExport\nsequence\t1\nstored\t" + sha("secret") +
                   "\t0\t420\t{game}/Circuits/new.dat\n";
        QTest::newRow("store name that is no content")
            << made + "command\tExport\nsequence\t1\nstored\t../../../outside/secret.txt\t0\t420"
                      "\t{game}/Circuits/new.dat\n";
        QTest::newRow("a pack list outside the program folder")
            << made + "absent\t{outside}/Packs.txt\n";
        QTest::newRow("the game folder itself")
            << made + "command\tExport\nsequence\t1\ngame\t{game}\nabsent\t{game}\n";
    }
    void manifestEntriesOutsideTheGame() {
        QFETCH(QString, lines);
        QVERIFY(QFile::link(outside(), game("link")));
        QVERIFY(QDir().mkpath(root() + "/contents"));
        QVERIFY(QFile::link(outside("secret.txt"), root() + "/contents/" + sha("secret")));
        const QString folder = oldBackup("2026-01-01 10-00-00 Export", lines);
        QVERIFY(!folder.isEmpty());
        const filesnapshot::Snapshot before = filesnapshot::take(tmp.path());
        const std::optional<gamebackup::Saved> saved = gamebackup::newest(root());
        QVERIFY(saved);
        const QString refused = gamebackup::revertRefusal(root(), *saved, game());
        QVERIFY2(refused.contains("\"2026-01-01 10-00-00 Export\""), qPrintable(refused));
        const gamebackup::RevertOutcome out = gamebackup::revert(root(), *saved, game(), "Restore");
        QCOMPARE(out.refused, refused);
        QCOMPARE(filesnapshot::changed(before, filesnapshot::take(tmp.path())), QStringList());
    }

    // A command's backup refuses, before anything is written, a path that leads outside the
    // game folder (or the program folder, for its pack list) through a link or a linked folder;
    // a link at the path itself is judged by where it leads unless the command replaces it.
    void keepRefusesPathsLeadingOutside_data() {
        QTest::addColumn<QString>("path");  // {game}, {outside}, {app} filled in
        QTest::addColumn<QString>("link");  // "name=target" made first, "" for none
        QTest::addColumn<bool>("replaces"); // the command replaces a link at the path
        QTest::addColumn<bool>("allowed");
        const QString shared = "{game}/Circuits/Shared={outside}/folder";
        QTest::newRow("pack folder linked outside")
            << "{game}/Circuits/Shared/f1ct01.dat" << shared << false << false;
        QTest::newRow("pack folder linked outside, link replaced")
            << "{game}/Circuits/Shared/f1ct01.dat" << shared << true << false;
        QTest::newRow("new folder under a linked folder")
            << "{game}/Circuits/Shared/New/f1ct01.dat" << shared << false << false;
        QTest::newRow("circuit linked to a file outside")
            << "{game}/Circuits/out.dat"
            << "{game}/Circuits/out.dat={outside}/victim.txt" << false << false;
        QTest::newRow("circuit linked outside, link replaced")
            << "{game}/Circuits/out.dat"
            << "{game}/Circuits/out.dat={outside}/victim.txt" << true << true;
        QTest::newRow("circuit linked to a file of the game")
            << "{game}/Circuits/beta.dat"
            << "{game}/Circuits/beta.dat={game}/made.dat" << false << true;
        QTest::newRow("dangling link")
            << "{game}/Circuits/gone.dat"
            << "{game}/Circuits/gone.dat={outside}/none.txt" << false << true;
        QTest::newRow("the program folder's pack list") << "{app}/Packs.txt"
                                                        << "" << false << true;
        QTest::newRow("circuit linked into the backups")
            << "{game}/Circuits/store.dat"
            << "{game}/Circuits/store.dat={app}/backups/stored" << false << false;
        QTest::newRow("the pack list linked outside")
            << "{app}/Packs.txt"
            << "{app}/Packs.txt={outside}/victim.txt" << false << false;
    }
    void keepRefusesPathsLeadingOutside() {
        QFETCH(QString, path);
        QFETCH(QString, link);
        QFETCH(bool, replaces);
        QFETCH(bool, allowed);
        const auto filled = [this](QString text) {
            return text.replace("{game}", tmp.filePath("game"))
                .replace("{outside}", tmp.filePath("outside"))
                .replace("{app}", tmp.filePath("app"));
        };
        path = filled(path);
        if (link.endsWith("/stored")) // a file of the backups folder
            QVERIFY(writeFile(filled(link.section('=', 1)), "stored"));
        if (!link.isEmpty())
            QVERIFY(QFile::link(filled(link.section('=', 1)), filled(link.section('=', 0, 0))));
        else
            QVERIFY(writeFile(path, "list"));
        const filesnapshot::Snapshot before = filesnapshot::take(tmp.path());
        gamebackup::Backup backup(root(), "Import Pack Shared");
        if (replaces)
            backup.replacesLinks();
        QString error;
        QCOMPARE(backup.keep({game("made.dat"), path}, &error), allowed);
        if (allowed)
            return;
        QVERIFY2(error.contains(QDir::toNativeSeparators(path) + " leads outside the game folder"),
                 qPrintable(error));
        QCOMPARE(backup.placeRefusal({path}), error);
        QCOMPARE(filesnapshot::changed(before, filesnapshot::take(tmp.path())), QStringList());
        QVERIFY(gamebackup::history(root()).isEmpty());
    }

    // A link standing where a kept file was is replaced (or removed), never written through.
    void linksInTheGameFolder_data() {
        QTest::addColumn<QString>("file");    // kept, under the game folder
        QTest::addColumn<bool>("there");      // it was there when kept
        QTest::addColumn<QString>("linkTo");  // what stands in its place afterwards
        QTest::addColumn<QString>("refused"); // a part of the refusal, "" when put back
        QTest::newRow("file now a link to a file outside")
            << "a.dat" << true << outside("victim.txt") << "";
        QTest::newRow("made file now a link") << "new.dat" << false << outside("victim.txt") << "";
        QTest::newRow("file now a link to a folder outside")
            << "a.dat" << true << outside("folder") << "";
        QTest::newRow("dangling link") << "a.dat" << true << outside("none.txt") << "";
        QTest::newRow("its folder now a link outside") << "Circuits/a.dat" << true << ""
                                                       << "is not inside the game folder";
    }
    void linksInTheGameFolder() {
        QFETCH(QString, file);
        QFETCH(bool, there);
        QFETCH(QString, linkTo);
        QFETCH(QString, refused);
        if (there)
            QVERIFY(writeFile(game(file), "old"));
        backUp({game(file)}, "new", "Export");
        if (linkTo.isEmpty()) {
            // The folder holding the file is moved away and a link to outside put there.
            QVERIFY(QDir(game("Circuits")).removeRecursively());
            QVERIFY(writeFile(outside("folder/a.dat"), "outside"));
            QVERIFY(QFile::link(outside("folder"), game("Circuits")));
        } else {
            QVERIFY(QFile::remove(game(file)));
            QVERIFY(QFile::link(linkTo, game(file)));
        }
        const filesnapshot::Snapshot outsideBefore = filesnapshot::take(outside());
        const gamebackup::RevertOutcome out =
            gamebackup::revert(root(), *gamebackup::newest(root()), game(), "Restore");
        QVERIFY2(out.refused.contains(refused) && out.failed.isEmpty(), qPrintable(out.refused));
        QCOMPARE(filesnapshot::changed(outsideBefore, filesnapshot::take(outside())),
                 QStringList());
        if (!refused.isEmpty())
            return;
        const QFileInfo now(game(file));
        QVERIFY(!now.isSymLink());
        QCOMPARE(now.exists(), there);
        if (there)
            QCOMPARE(readFile(game(file)), QByteArray("old"));
    }

    // Pruning and the clean-up at the start remove links as links and never empty the folder
    // a link leads to.
    void linksInTheBackupsFolder_data() {
        QTest::addColumn<QString>("link"); // under the backups folder, leading to outside/folder
        QTest::newRow("a backup folder") << "2020-01-01 00-00-00 Export";
        QTest::newRow("the content store") << "contents";
        QTest::newRow("inside a backup folder") << "2020-01-01 00-00-00 Export/evil";
    }
    void linksInTheBackupsFolder() {
        QFETCH(QString, link);
        QVERIFY(writeFile(outside("folder/manifest.txt"), "command\tExport\nabsent\t/x\n"));
        QVERIFY(writeFile(outside("folder/" + sha("x")), "x"));
        if (link.contains('/'))
            QVERIFY(!oldBackup(link.section('/', 0, 0), "absent\t{game}/made.dat\n").isEmpty());
        QVERIFY(QFile::link(outside("folder"), root() + "/" + link));
        const filesnapshot::Snapshot outsideBefore = filesnapshot::take(outside());
        gamebackup::setLimits({2, 200});
        QVERIFY(writeFile(game("a.dat"), "a"));
        for (int i = 0; i < 4; ++i)
            backUp({game("a.dat")}, QByteArray::number(i), "Export");
        gamebackup::clearUnfinished(root());
        QCOMPARE(filesnapshot::changed(outsideBefore, filesnapshot::take(outside())),
                 QStringList());
        QCOMPARE(gamebackup::history(root()).size(), 2);
        QVERIFY(!QFileInfo(root() + "/" + link).isSymLink());
    }

    // Backups that failed or were killed leave nothing that counts: the 20 real ones stay and
    // the newest of them is what Restore puts back.
    void failedAndKilledBackups() {
        struct Case {
            const char* name;
            std::function<bool(HostileBackupsTest&)> spoil; // false: the case cannot run here
        };
        const QList<Case> cases{
            {"21 refused: the store blocked",
             [](HostileBackupsTest& t) {
                 const QString store = t.root() + "/contents";
                 if (!QDir().rename(store, store + ".away") || !writeFile(store, "in the way"))
                     return false;
                 for (int i = 0; i < 21; ++i) {
                     gamebackup::Backup backup(t.root(), "Export");
                     if (backup.keep(t.game("a.dat"), nullptr))
                         return false;
                 }
                 return QFile::remove(store) && QDir().rename(store + ".away", store);
             }},
            {"21 refused: the disk full",
             [](HostileBackupsTest& t) {
                 static std::unique_ptr<SmallDisk> disk;
                 disk = std::make_unique<SmallDisk>(8 * 1024 * 1024);
                 if (!disk->mounted())
                     return false;
                 // The backups folder on the small disk, which is then filled.
                 const QString moved = disk->path() + "/backups";
                 if (QProcess::execute("cp", {"-a", t.root(), moved}) != 0 ||
                     !QDir(t.root()).removeRecursively() || !QFile::link(moved, t.root()) ||
                     !disk->fill())
                     return false;
                 for (int i = 0; i < 21; ++i) {
                     writeFile(t.game("a.dat"), QByteArray(64 * 1024, char('a' + i)));
                     gamebackup::Backup backup(t.root(), "Export");
                     if (backup.keep(t.game("a.dat"), nullptr))
                         return false;
                 }
                 disk->release();
                 return true;
             }},
            {"21 killed before their manifest",
             [](HostileBackupsTest& t) {
                 for (int i = 0; i < 21; ++i) {
                     const QString folder = t.root() + QStringLiteral("/2099-01-01 00-00-%1 Export")
                                                           .arg(i, 2, 10, QLatin1Char('0'));
                     if (!QDir().mkpath(folder) ||
                         !writeFile(t.root() + "/contents/" + sha(QByteArray::number(i)) +
                                        ".writing-Ab12Cd",
                                    "part"))
                         return false;
                 }
                 gamebackup::clearUnfinished(t.root());
                 return QDir(t.root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() == 21;
             }},
        };
        for (const Case& c : cases) {
            init();
            QVERIFY(writeFile(game("a.dat"), "a"));
            for (int i = 0; i < 20; ++i)
                backUp({game("a.dat")}, "state " + QByteArray::number(i), "Export");
            const QStringList storeBefore = QDir(root() + "/contents").entryList(QDir::Files);
            if (!c.spoil(*this)) {
                qInfo("%s: cannot be set up here (a full disk needs root)", c.name);
                continue;
            }
            const QList<gamebackup::Change> all = gamebackup::history(root());
            QVERIFY2(all.size() == 20, c.name);
            QCOMPARE(QDir(root() + "/contents").entryList(QDir::Files), storeBefore);
            QVERIFY(gamebackup::revert(root(), *gamebackup::newest(root()), game(), "Restore")
                        .failed.isEmpty());
            QCOMPARE(readFile(game("a.dat")), QByteArray("state 18"));
        }
    }

    // A damaged or missing saved copy is found before anything is written: the backup is
    // refused whole, naming the file, or put back without it when the player says so.
    void damagedCopies_data() {
        QTest::addColumn<QString>("spoil"); // what happens to the saved copy of b.dat
        QTest::newRow("altered") << "altered";
        QTest::newRow("cut short") << "cut";
        QTest::newRow("removed") << "removed";
        QTest::newRow("older kind, removed") << "old removed";
    }
    void damagedCopies() {
        QFETCH(QString, spoil);
        const QString a = game("Circuits/a.dat"), b = game("Circuits/b.dat");
        QString copyOfB;
        if (spoil.startsWith("old")) {
            const QString folder =
                oldBackup("2026-01-01 10-00-00 Export",
                          "command\tExport\nfile\t1 copy\t{game}/Circuits/a.dat\n"
                          "file\t2 copy\t{game}/Circuits/b.dat\n");
            QVERIFY(writeFile(folder + "/1 copy", "old a") &&
                    writeFile(folder + "/2 copy", "old b"));
            QVERIFY(writeFile(a, "new a") && writeFile(b, "new b"));
            copyOfB = folder + "/2 copy";
        } else {
            QVERIFY(writeFile(a, "old a") && writeFile(b, "old b"));
            backUp({a, b}, "new", "Export");
            copyOfB = root() + "/contents/" + sha("old b");
        }
        if (spoil.endsWith("removed"))
            QVERIFY(QFile::remove(copyOfB));
        else
            QVERIFY(writeFile(copyOfB, spoil == "cut" ? "old" : "old B"));
        const gamebackup::Saved saved = *gamebackup::newest(root());
        QCOMPARE(gamebackup::damagedFiles(saved), QStringList{b});
        const filesnapshot::Snapshot before = filesnapshot::take(tmp.path());
        const gamebackup::RevertOutcome whole =
            gamebackup::revert(root(), saved, game(), "Restore");
        QVERIFY2(whole.refused.contains(QDir::toNativeSeparators(b)), qPrintable(whole.refused));
        QCOMPARE(filesnapshot::changed(before, filesnapshot::take(tmp.path())), QStringList());
        // Without the damaged file: the others go back, it stays as it is.
        const QByteArray bNow = readFile(b);
        const gamebackup::RevertOutcome part =
            gamebackup::revert(root(), saved, game(), "Restore", {b});
        QVERIFY2(part.refused.isEmpty() && part.failed.isEmpty(), qPrintable(part.refused));
        QCOMPARE(part.left, QStringList{QDir::toNativeSeparators(b)});
        QCOMPARE(readFile(a), QByteArray("old a"));
        QCOMPARE(readFile(b), bNow);
    }

    // A revert that fails leaves no record that blocks the next one, and a revert stopped
    // half-way (its record still marked unfinished) is undone or finished at the next start.
    void revertsStoppedOrFailed_data() {
        QTest::addColumn<QString>("stop");
        QTest::newRow("a folder in the way") << "folder";
        QTest::newRow("killed before marking the change") << "killed";
        QTest::newRow("killed after marking the change") << "marked";
        QTest::newRow("full disk") << "disk";
    }
    void revertsStoppedOrFailed() {
        QFETCH(QString, stop);
        std::unique_ptr<SmallDisk> disk;
        if (stop == "disk") {
            // The game folder on a small disk, the backups beside it on the usual one.
            disk = std::make_unique<SmallDisk>(1 << 20);
            if (!disk->mounted())
                QSKIP("no tmpfs could be mounted (it needs root)");
            QVERIFY(QDir(game()).removeRecursively());
            QVERIFY(QDir().mkpath(disk->path() + "/game/Circuits"));
            QVERIFY(QFile::link(disk->path() + "/game", tmp.filePath("game")));
        }
        const QStringList files{game("Circuits/a.dat"), game("Circuits/b.dat"),
                                game("Circuits/c.dat")};
        for (const QString& f : files)
            QVERIFY(writeFile(f, QByteArray(100 * 1024, 'o')));
        backUp(files, "n", "Export");
        const gamebackup::Saved exported = *gamebackup::newest(root());
        const filesnapshot::Snapshot afterExport = filesnapshot::take(game());
        if (stop == "folder") {
            QVERIFY(QFile::remove(files[2]) && QDir().mkpath(files[2]));
        } else if (stop == "disk") {
            QVERIFY(disk->fill());
        } else {
            // As a kill leaves it: the first file back, the record still marked unfinished.
            QVERIFY(gamebackup::revert(root(), exported, game(), "Restore").refused.isEmpty());
            const gamebackup::Change record = gamebackup::history(root()).last();
            QVERIFY(writeFile(record.folder + "/" + gamebackup::kInProgress, ""));
            if (stop == "killed") {
                QVERIFY(QDir().rename(exported.folder + "/" + gamebackup::kPutBack,
                                      exported.folder + "/" + gamebackup::kManifest));
                QVERIFY(writeFile(files[1], "n") && writeFile(files[2], "n"));
            }
            QVERIFY(!gamebackup::newest(root())->inProgress);
            QCOMPARE(gamebackup::finishUnfinished(root(), game()), QStringList());
        }
        const filesnapshot::Snapshot now = filesnapshot::take(game());
        if (stop == "folder" || stop == "disk") {
            const gamebackup::RevertOutcome out =
                gamebackup::revert(root(), exported, game(), "Restore");
            QVERIFY2(out.refused.startsWith("Restore put nothing back: "), qPrintable(out.refused));
            QCOMPARE(filesnapshot::changed(now, filesnapshot::take(game())), QStringList());
            if (disk)
                disk->release();
            else
                QVERIFY(QDir().rmdir(files[2]) && writeFile(files[2], "n"));
        }
        // Nothing half done stands: the export is the newest change and goes back whole
        // (unless the finished revert already put it back).
        QCOMPARE(gamebackup::history(root()).size(), stop == "marked" ? 2 : 1);
        if (stop == "marked") {
            QVERIFY(!gamebackup::newest(root()));
        } else {
            QCOMPARE(gamebackup::newest(root())->folder, exported.folder);
            QCOMPARE(filesnapshot::changed(afterExport, filesnapshot::take(game())), QStringList());
            const gamebackup::RevertOutcome again =
                gamebackup::revert(root(), exported, game(), "Restore");
            QVERIFY2(again.refused.isEmpty() && again.failed.isEmpty(), qPrintable(again.refused));
        }
        for (const QString& f : files)
            QCOMPARE(readFile(f), QByteArray(100 * 1024, 'o'));
    }

    // The order is the sequence the backups were made in, whatever the clock said; backups of
    // the older kind come first, by their time.
    void clockGoingBackOrAhead_data() {
        QTest::addColumn<QList<QDateTime>>("times"); // one backup each, in this order
        QTest::addColumn<int>("oldKind");            // how many of the first are of the older kind
        const QDateTime now = QDateTime::currentDateTime();
        const QDateTime autumn(QDate(2026, 10, 25), QTime(2, 30));
        QTest::newRow("back an hour") << QList<QDateTime>{autumn, autumn.addSecs(-2700)} << 0;
        QList<QDateTime> ahead;
        for (int i = 0; i < 20; ++i)
            ahead << now.addYears(1).addSecs(i);
        QTest::newRow("twenty a year ahead") << (ahead << now) << 0;
        QTest::newRow("older ones, one ahead")
            << QList<QDateTime>{now.addDays(-2), now.addYears(1), now.addDays(-1), now} << 3;
    }
    void clockGoingBackOrAhead() {
        QFETCH(QList<QDateTime>, times);
        QFETCH(int, oldKind);
        QStringList made;
        for (int i = 0; i < times.size(); ++i) {
            const QString file = game(QStringLiteral("f%1.dat").arg(i));
            QVERIFY(writeFile(file, "before " + QByteArray::number(i)));
            if (i < oldKind) {
                // As the older version wrote it: local time in the name and the manifest.
                const QString folder =
                    oldBackup(times[i].toString("yyyy-MM-dd hh-mm-ss") + " Export",
                              "command\tExport\nmade\t" + times[i].toString(Qt::ISODate) +
                                  "\nfile\t1 copy\t" + file + "\n");
                QVERIFY(writeFile(folder + "/1 copy", "before " + QByteArray::number(i)));
                QVERIFY(writeFile(file, "after"));
            } else {
                backUp({file}, "after", QStringLiteral("Export %1").arg(i), times[i]);
            }
            made << file;
        }
        // Older ones by their time, then the others as they were made.
        QList<int> order;
        for (int i = 0; i < times.size(); ++i)
            order << i;
        std::stable_sort(order.begin(), order.begin() + oldKind,
                         [&](int a, int b) { return times[a] < times[b]; });
        const QList<gamebackup::Change> all = gamebackup::history(root());
        QCOMPARE(all.size(), qMin<qsizetype>(times.size(), 20));
        order = order.mid(order.size() - all.size());
        for (qsizetype i = 0; i < all.size(); ++i)
            QCOMPARE(all[i].entries.at(0).original, made[order[i]]);
        // Undone newest first, each puts back its own file (the reverts are kept too).
        gamebackup::setLimits({100, 200});
        for (qsizetype i = order.size() - 1; i >= 0; --i) {
            const std::optional<gamebackup::Saved> newest = gamebackup::newest(root());
            QVERIFY(newest);
            QCOMPARE(newest->entries.at(0).original, made[order[i]]);
            QVERIFY(gamebackup::revert(root(), *newest, game(), "Restore").failed.isEmpty());
            QCOMPARE(readFile(made[order[i]]), "before " + QByteArray::number(order[i]));
        }
        QVERIFY(!gamebackup::newest(root()));
    }

    // A backup of another game folder is not put back and makes no folder.
    void movedGameFolder_data() {
        QTest::addColumn<bool>("oldKind");
        QTest::newRow("game folder in the manifest") << false;
        QTest::newRow("older backup without it") << true;
    }
    void movedGameFolder() {
        QFETCH(bool, oldKind);
        QVERIFY(QDir().mkpath(game("Bitmaps")));
        QVERIFY(writeFile(game("Bitmaps/f1pcsvga.bin"), "pictures"));
        if (oldKind)
            QVERIFY(!oldBackup("2026-01-01 10-00-00 Export",
                               "command\tExport\nfile\t1 copy\t{game}/Bitmaps/f1pcsvga.bin\n")
                         .isEmpty());
        else
            backUp({game("Bitmaps/f1pcsvga.bin")}, "new pictures", "Export");
        const QString moved = tmp.filePath("game moved");
        QVERIFY(QDir().rename(game(), moved));
        const filesnapshot::Snapshot before = filesnapshot::take(tmp.path());
        const gamebackup::RevertOutcome out =
            gamebackup::revert(root(), *gamebackup::newest(root()), moved + "/", "Restore");
        const QString named =
            oldKind ? QDir::toNativeSeparators(game("Bitmaps/f1pcsvga.bin"))
                    : "belongs to the game folder " + QDir::toNativeSeparators(game());
        QVERIFY2(out.refused.contains(named), qPrintable(out.refused));
        QCOMPARE(filesnapshot::changed(before, filesnapshot::take(tmp.path())), QStringList());
        QVERIFY(!QFileInfo::exists(game()));
    }
};

QTEST_GUILESS_MAIN(HostileBackupsTest)
#include "hostile_backups_test.moc"
