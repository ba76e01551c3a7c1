// Archives made to hurt the installation: a read-me that inflates far beyond its archive,
// names that collide once folders are dropped, a texture list naming thousands of folders,
// and a scratch folder that is a link.
// Each installs what it can and says what it left out, briefly.
#include "packs/ui/installer.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/text_viewer_closer.h"
#include "tests/support/archive_maker.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtTest>

#include <functional>

using namespace pistaro;

using samplegame::smallAddon;
using archivemaker::Entry;

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
                 QVERIFY(!QFileInfo(fx.appDir() + "/tmpzip").isSymLink());
                 QVERIFY(QFileInfo(fx.appDir() + "/tmpzip").isDir());
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
};

QTEST_MAIN(ArchiveBombsTest)
#include "archive_bombs_test.moc"
