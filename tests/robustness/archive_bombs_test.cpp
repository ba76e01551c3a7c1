// Archives made to hurt the installation: a read-me that inflates far beyond its archive,
// names that collide once folders are dropped, a texture list naming thousands of folders,
// and a scratch folder that is a link; and a run of bad archives of every format.
// Each installs what it can and says what it left out, briefly.
#include "packs/ui/installer.h"
#include "tests/support/archive_maker.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/text_viewer_closer.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtTest>

#include <functional>

using namespace pistaro;

using archivemaker::Entry;
using samplegame::smallAddon;

namespace {

int foldersUnder(const QString& path) {
    int n = 0;
    for (QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++n;
    return n;
}

} // namespace

class ArchiveBombsTest final : public QObject {
    Q_OBJECT

private slots:
    void hostile_archives_install_what_they_can() {
        QStringList manyJams;
        for (int i = 0; i < 20000; ++i)
            manyJams << QStringLiteral("bomb\\t%1\\X.JAM").arg(i, 5, 10, QLatin1Char('0'));
        const QByteArray first = smallAddon("First", {}, 1), second = smallAddon("Second", {}, 2);
        struct Case {
            const char* name;
            QList<Entry> entries;
            QStringList said;    // each in the report
            QStringList notSaid; // none in the report
            std::function<void(MainWindowFixture&)> before;
            std::function<void(MainWindowFixture&)> check;
        };
        const QList<Case> cases{
            {"read-me far larger than the archive",
             {{"README.TXT", QByteArray((qint64(64) << 20) + 1, ' ')}, {"BOMB.DAT", first}},
             {"BOMB.DAT track copied to ",
              "README.TXT not extracted: it unpacks to more than 67108864 bytes"},
             {},
             {},
             [&](MainWindowFixture& fx) {
                 QCOMPARE(readFile(fx.circuit("BOMB.DAT")), first);
                 QVERIFY(!QFile::exists(fx.appDir() + "/tmpzip/README.TXT"));
             }},
            {"long read-me",
             {{"LONG.DAT", first}, {"README.TXT", QByteArray(1 << 20, 'r')}},
             {"(The read-me was cut here: it holds 1048576 bytes, the first 262144 are shown.)"},
             {},
             {},
             {}},
            {"names colliding once folders are dropped",
             {{"a/SAME.DAT", first}, {"b/same.dat", second}},
             {"b/same.dat not extracted: its file name is that of a/SAME.DAT, which was kept"},
             {},
             {},
             [&](MainWindowFixture& fx) { QCOMPARE(readFile(fx.circuit("SAME.DAT")), first); }},
            {"texture list naming 20,000 folders",
             {{"MANY.DAT", samplegame::circuit(
                               500000, samplegame::addonFields("Many", "Nowhere", 40), manyJams)},
              {"X.JAM", "texture"}},
             {"19000 more texture copies skipped: the texture list names more than 1000 places"},
             {},
             {},
             [&](MainWindowFixture& fx) { QCOMPARE(foldersUnder(fx.gameDir() + "bomb"), 1000); }},
            {"scratch folder that is a link",
             {{"LINKED.DAT", first}},
             {"LINKED.DAT track copied to "},
             {},
             [](MainWindowFixture& fx) {
                 QVERIFY(QDir().mkpath(fx.tmp.filePath("elsewhere")));
                 QVERIFY(writeFile(fx.tmp.filePath("elsewhere/precious.txt"), "mine"));
                 QVERIFY(QFile::link(fx.tmp.filePath("elsewhere"), fx.appDir() + "/tmpzip"));
             },
             [](MainWindowFixture& fx) {
                 QCOMPARE(readFile(fx.tmp.filePath("elsewhere/precious.txt")), QByteArray("mine"));
                 // The old scratch folder's link goes itself; nothing is emptied through it.
                 QVERIFY(!QFileInfo(fx.appDir() + "/tmpzip").isSymLink());
                 QVERIFY(!QFileInfo::exists(fx.appDir() + "/tmpzip"));
             }},
        };
        for (const Case& c : cases) {
            MainWindowFixture fx;
            if (c.before)
                c.before(fx);
            fx.start();
            fx.frm->show();
            const QString archive = fx.tmp.filePath("bomb.zip");
            QString error;
            QVERIFY2(archivemaker::write(archive, c.entries, &error), qPrintable(error));
            fx.dialogs.answers = QVariantList{archive};
            const QStringList viewed = closingTextViewers([&fx] { fx.frm->Install->trigger(); });
            QVERIFY2(viewed.size() == 1, c.name);
            const QString report = fx.frm->Installing->InstallReport;
            for (const QString& part : c.said)
                QVERIFY2(report.contains(part),
                         qPrintable(QString(c.name) + ":\n" + report.left(2000)));
            for (const QString& part : c.notSaid)
                QVERIFY2(!report.contains(part), c.name);
            // The report stays short whatever the archive held.
            QVERIFY2(report.size() < 400 * 1024, c.name);
            if (c.check)
                c.check(fx);
        }
    }

    // One run of many bad archives, each of another format: every one says what it left out,
    // the good entries and archives among them still install, and nothing lands outside.
    void a_run_of_bad_archives_installs_the_rest() {
        MainWindowFixture fx;
        fx.start();
        fx.frm->show();
        const QString outside = fx.tmp.filePath("outside.txt");
        QVERIFY(writeFile(outside, "untouched"));
        auto dat = [](const char* track, int seed) { return smallAddon(track, {}, seed); };
        QList<Entry> many;
        for (int i = 0; i <= 10000; ++i)
            many.append({"f" + QByteArray::number(i) + ".txt", "x"});
        const QString inner = fx.tmp.filePath("inner.zip");
        QVERIFY(archivemaker::write(inner, {{"NESTED.DAT", dat("Nested", 21)}}));
        struct Bad {
            QString name;
            QList<Entry> entries;
            QString said;
        };
        const QList<Bad> bad{
            {"ratio.tar.gz",
             {{"README.TXT", QByteArray((qint64(64) << 20) + 1, '\0')},
              {"RATIO.DAT", dat("Ratio", 22)}},
             "README.TXT not extracted: it unpacks to more than 67108864 bytes"},
            {"count.zip", many, "Nothing extracted: the archive holds more than 10000 entries"},
            {"nested.7z",
             {{"INNER.ZIP", readFile(inner)}},
             "INNER.ZIP not installed: an archive inside the archive is not unpacked"},
            {"names.tar",
             {{"../../UP.DAT", dat("Up", 23)}, {"/ABS.TXT", "absolute"}},
             "../../UP.DAT track copied to " + fx.circuit("UP.DAT")},
            {"links.tar.bz2",
             {{"LINK.DAT", outside.toUtf8(), Entry::Link},
              {"HARD.DAT", "../../outside.txt", Entry::HardLink},
              {"KEPT.DAT", dat("Kept", 24)}},
             "LINK.DAT not extracted: it is a link\r\nHARD.DAT not extracted: it is a link"},
            // 7z cannot pass by an encrypted entry's data: the entries before it install.
            {"secret.7z",
             {{"OPEN.DAT", dat("Open", 25)},
              {"SECRET.DAT", dat("Secret", 26), Entry::File, false, true}},
             "SECRET.DAT not extracted: it is encrypted"},
            {"cut.lzh",
             {{"FIRST.DAT", dat("First", 27)}, {"CUT.DAT", dat("Cut", 28)}},
             "CUT.DAT not extracted: damaged"},
            {"good.tar.xz", {{"GOOD.DAT", dat("Good", 29)}}, "GOOD.DAT track copied to "},
        };
        QStringList paths;
        for (const Bad& b : bad) {
            const QString path = fx.tmp.filePath("downloads/" + b.name);
            QDir().mkpath(fx.tmp.filePath("downloads"));
            QString error;
            QVERIFY2(archivemaker::write(path, b.entries, &error), qPrintable(b.name + error));
            paths << path;
        }
        QByteArray cut = readFile(paths[6]);
        cut.chop(600);
        QVERIFY(writeFile(paths[6], cut));

        fx.dialogs.answers = QVariantList{QVariant(paths)};
        const QStringList viewed = closingTextViewers([&fx] { fx.frm->Install->trigger(); });
        QCOMPARE(viewed.size(), 1);
        const QString report = fx.frm->Installing->InstallReport;
        for (const Bad& b : bad) {
            const qsizetype section = report.indexOf("== " + b.name + " ==");
            QVERIFY2(section >= 0, qPrintable(b.name));
            const QString own = report.mid(section, report.indexOf("\r\n== ", section) - section);
            QVERIFY2(own.contains(b.said), qPrintable(b.name + ":\n" + own));
        }
        QVERIFY2(report.size() < 100 * 1024, qPrintable(report.left(2000)));
        for (const char* name :
             {"RATIO.DAT", "UP.DAT", "KEPT.DAT", "OPEN.DAT", "FIRST.DAT", "GOOD.DAT"})
            QVERIFY2(QFile::exists(fx.circuit(name)), name);
        for (const char* name : {"NESTED.DAT", "LINK.DAT", "HARD.DAT", "SECRET.DAT", "CUT.DAT"})
            QVERIFY2(!QFile::exists(fx.circuit(name)), name);
        QCOMPARE(readFile(outside), QByteArray("untouched"));
        QCOMPARE(QDir(fx.tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"app", "downloads", "game", "inner.zip", "outside.txt"}));
    }
};

QTEST_MAIN(ArchiveBombsTest)
#include "archive_bombs_test.moc"
