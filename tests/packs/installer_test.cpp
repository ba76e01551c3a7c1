// Install new Track on a real main window: archives of every format, a jad2jam stand-in
// script, the report compared as text, and hostile archives that must not reach outside.
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "packs/ui/archive_drop.h"
#include "packs/ui/installer.h"
#include "packs/ui/menu_pictures.h"
#include "tests/support/archive_maker.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/recording_status.h"
#include "tests/support/text_viewer_closer.h"
#include "tests/support/window_per_function.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

using namespace pistaro;

using archivemaker::Entry;
using samplegame::smallAddon;

namespace {

const QString kSep = QDir::separator();

} // namespace

class InstallerTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    Installer* installer = nullptr;
    QStringList viewed; // texts the report viewer showed

    QTemporaryDir temp_; // the system's temporary folder while the tests run
    // The scratch folders of installs still there: none once an install has ended, in the
    // temporary folder or in the program folder (where older versions kept tmpzip, tmp.zip).
    QStringList scratchLeft() const {
        QStringList left = QDir(temp_.path()).entryList({"pso-install-*"}, QDir::AllEntries);
        for (const char* old : {"tmpzip", "tmp.zip"})
            if (QFileInfo::exists(fx->appDir() + kSep + old))
                left << old;
        return left;
    }
    QString game(const QString& relative) const {
        return QDir::cleanPath(fx->gameDir() + relative);
    }

    QString archive(const QString& name, const QList<Entry>& entries) {
        const QString path = fx->tmp.filePath("downloads/" + name);
        QDir().mkpath(fx->tmp.filePath("downloads"));
        QString error;
        if (!archivemaker::write(path, entries, &error))
            qWarning("archive not written: %s", qPrintable(error));
        return path;
    }

    // Runs the menu command with the file dialog answering `path` and then `answers`; the
    // report viewer is closed as soon as it opens.
    void install(const QString& path, const QVariantList& answers = {}) {
        fx->dialogs.answers = QVariantList{path} + answers;
        fx->takeMessages();
        viewed << closingTextViewers([this] { fx->frm->Install->trigger(); });
        QVERIFY(fx->frm->isVisible());
        QVERIFY(!fx->status.visible);
    }

    void installMany(const QStringList& paths) {
        fx->dialogs.answers = QVariantList{QVariant(paths)};
        fx->takeMessages();
        viewed << closingTextViewers([this] { fx->frm->Install->trigger(); });
        QVERIFY(!fx->status.visible);
    }

    QString mapsField(const QString& track, const QString& field) {
        return testrows::mapText(fx->bas, track, field);
    }

    QString selected() const { return fx->frm->Lists->File1->selectedName(); }

private slots:
    void initTestCase() { qputenv("TMPDIR", QFile::encodeName(temp_.path())); }
    void init() {
        fx = std::make_unique<MainWindowFixture>();
        // The converter stand-in writes NAME.JAM beside NAME.JAD.
        const QString jad2jam = fx->appDir() + kSep + "jad2jam.exe";
        QVERIFY(writeProgram(jad2jam, "#!/bin/sh\ncp \"$1\" \"${1%.*}.JAM\"\n"));
        QVERIFY(open());
        fx->frm->show();
        installer = fx->frm->Installing;
        viewed.clear();
    }
    void cleanup() { close(); }

    void circuit_pictures_textures_and_report() {
        const QByteArray circuit =
            smallAddon("Monte Carlo", {"gamejams\\mc\\X.JAM", "gamejams\\pit.jam"});
        const QByteArray large(308278, 'L'), small(146278, 's');
        const QString zip = archive("monaco.zip", {{"monaco/MONACO.DAT", circuit},
                                                   {"MONACO1.BMP", large},
                                                   {"MONACO2.BMP", small},
                                                   {"BIG.BMP", QByteArray(308279, 'b')},
                                                   {"x.jam", "texture"},
                                                   {"PIT.JAD", "source"},
                                                   {"README.TXT", "line one\r\nline two\nlast"}});
        install(zip);

        const QString circuits = fx->circuits();
        const QString expected =
            "7 files extracted from " + zip + "\r\n\r\n" +
            "\r\nmonaco/MONACO.DAT track copied to " + circuits + kSep + "MONACO.DAT\r\n\r\n" +
            "MONACO1.BMP 640x480 menu image copied\r\n"
            "MONACO2.BMP 440x330 menu image copied\r\n"
            "PIT.JAD file converted to JAM\r\n"
            "\r\n"
            "PIT.JAM copied to " +
            fx->gameDir() + "gamejams" + kSep + "\r\n" + "X.JAM copied to " + fx->gameDir() +
            "gamejams" + kSep + "mc" + kSep + "\r\n" + "\r\n\r\n" + "README.TXT\r\n\r\n" +
            "line one\r\nline two\r\nlast\r\n";
        QCOMPARE(installer->InstallReport.split("\r\n"), expected.split("\r\n"));
        QCOMPARE(viewed, QStringList{QString(expected).replace("\r\n", "\n")});
        QCOMPARE(fx->dialogs.kinds, QStringList{"openFiles"});
        QCOMPARE(scratchLeft(), QStringList());

        QCOMPARE(readFile(fx->circuit("MONACO.DAT")), circuit);
        QCOMPARE(readFile(game("Bitmaps/MONACO1.BMP")), large);
        QCOMPARE(readFile(game("Bitmaps/MONACO2.BMP")), small);
        QVERIFY(!QFile::exists(game("Bitmaps/BIG.BMP")));
        QCOMPARE(readFile(game("gamejams/mc/X.JAM")), QByteArray("texture"));
        QCOMPARE(readFile(game("gamejams/PIT.JAM")), QByteArray("source"));
        QCOMPARE(mapsField("Monte Carlo", "Menu Picture"), game("Bitmaps/MONACO1.BMP"));
        QCOMPARE(mapsField("Monte Carlo", "Menu Picture 2"), game("Bitmaps/MONACO2.BMP"));
        QCOMPARE(selected(), QStringLiteral("MONACO.DAT"));
        QCOMPARE(fx->frm->Panel->Track->text(), QStringLiteral("Monte Carlo"));
        QCOMPARE(installer->LastArchiveFolder, fx->tmp.filePath("downloads") + "/");
    }

    // Without the converter the report says the texture was not converted, and why.
    void missing_converter_is_reported() {
        QVERIFY(QFile::remove(fx->appDir() + kSep + "jad2jam.exe"));
        install(archive("pit.zip", {{"PIT.DAT", smallAddon("Pit")}, {"PIT.JAD", "source"}}));
        QVERIFY2(installer->InstallReport.contains(
                     "PIT.JAD file couldn't be converted to JAM: Cannot start " + fx->appDir() +
                     kSep + "jad2jam.exe: there is no such file\r\n"),
                 qPrintable(installer->InstallReport));
        QVERIFY(!installer->InstallReport.contains("converted to JAM\r\n"));
    }

    void slot_named_circuit_is_renamed() {
        QVERIFY(writeFile(fx->circuit("Taken.dat"), "an installed circuit"));
        const QByteArray gameSlot = readFile(fx->circuit("f1ct05.dat"));
        const QByteArray circuit = smallAddon("Re/Name");
        const QString zip =
            archive("slot.zip", {{"F1CT05.DAT", circuit}, {"Z1.BMP", QByteArray(308278, 'z')}});
        // Refused: nothing after that file is done and no report is shown.
        install(zip, {QString()});
        QCOMPARE(fx->dialogs.messages(), QStringList{"Track " + zip + " was not installed."});
        QVERIFY(!QFile::exists(game("Bitmaps/Z1.BMP")));
        QVERIFY(viewed.isEmpty());

        // Names that would replace a slot file or leave the Circuits folder are asked again;
        // an existing name asks to overwrite, and No asks for a name again.
        const QStringList refused{"f1ct16.DAT", "../up.dat", "sub\\x.dat", "C:x.dat", "   "};
        QVariantList answers;
        for (const QString& name : refused)
            answers << name;
        install(zip, answers + QVariantList{"Taken.dat", false, "Taken.dat", true});
        const QString prompt = "The name of the file you are installing can't be F1CT05.DAT."
                               "\r\n\r\nPlease enter a new name for this file:";
        const QString overwrite = "File Taken.dat already exists, overwrite?";
        QCOMPARE(fx->dialogs.kinds.count("message"), refused.size());
        QCOMPARE(fx->dialogs.shown.mid(fx->dialogs.shown.size() - 4),
                 (QStringList{prompt, overwrite, prompt, overwrite}));
        QVERIFY(
            fx->dialogs.messages().at(0).startsWith("f1ct16.DAT is the name of a game slot file."));
        QVERIFY(!QFile::exists(game("up.dat")));
        // The offer comes from the circuit file: it stays a plain file name.
        QCOMPARE(fx->dialogs.lastDefault, QStringLiteral("Re_Name.dat"));
        QCOMPARE(readFile(fx->circuit("Taken.dat")), circuit);
        QCOMPARE(readFile(fx->circuit("f1ct05.dat")), gameSlot);
        QCOMPARE(selected(), QStringLiteral("Taken.dat"));
        QVERIFY(installer->InstallReport.contains("F1CT05.DAT track copied to " +
                                                  fx->circuit("Taken.dat")));
    }

    void read_me_choice_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("shown");
        QTest::newRow("GP2FORM first") << QStringList{"GP2FORM.TXT", "README.TXT"} << "GP2FORM.TXT";
        QTest::newRow("GP2FORM last") << QStringList{"A.TXT", "gp2form.txt"} << "gp2form.txt";
        QTest::newRow("first one") << QStringList{"B.TXT", "A.TXT"} << "A.TXT";
    }
    void read_me_choice() {
        QFETCH(QStringList, texts);
        QFETCH(QString, shown);
        QList<Entry> entries;
        for (const QString& t : texts)
            entries.append({t.toLatin1(), "text of " + t.toLatin1()});
        install(archive("texts.zip", entries));
        QVERIFY(installer->InstallReport.endsWith(
            "\r\nThe archive holds no circuit (.dat) file.\r\n\r\n\r\n" + shown +
            "\r\n\r\ntext of " + shown + "\r\n"));
        QCOMPARE(viewed.size(), 1);
    }

    void second_circuit_is_the_installed_one() {
        // The catalogue already holds a small picture for B; the archive brings only a large one.
        Recordset& maps = *fx->bas.MapsRs;
        maps.addNew();
        maps.setValue("Name", "Track B");
        maps.setValue("Menu Picture 2", "old2.bmp");
        maps.update();
        install(archive("two.zip", {{"ZZA.DAT", smallAddon("Track A", {"gamejams\\a\\T.JAM"}, 1)},
                                    {"ZZB.DAT", smallAddon("Track B", {"gamejams\\b\\T.JAM"}, 2)},
                                    {"ZZB1.BMP", QByteArray(308278, 'B')},
                                    {"T.JAM", "t"}}));
        QVERIFY(QFile::exists(fx->circuit("ZZA.DAT")));
        QVERIFY(QFile::exists(game("gamejams/b/T.JAM")));
        QVERIFY(!QFile::exists(game("gamejams/a")));
        QCOMPARE(mapsField("Track B", "Menu Picture"), game("Bitmaps/ZZB1.BMP"));
        QCOMPARE(mapsField("Track B", "Menu Picture 2"), QString());
        QCOMPARE(mapsField("Track A", "Menu Picture"), QStringLiteral("<no record>"));
        CircuitTable* file1 = fx->frm->Lists->File1;
        QCOMPARE(file1->listIndex(), file1->count() - 1);
        QCOMPARE(selected(), QStringLiteral("ZZB.DAT"));

        // Pictures without a circuit are copied; there is no track to store them for.
        install(archive("pictures.zip", {{"LONE2.BMP", QByteArray(146278, 'l')}}));
        QVERIFY(QFile::exists(game("Bitmaps/LONE2.BMP")));
        QVERIFY(installer->InstallReport.endsWith("The archive holds no circuit (.dat) file.\r\n"));
    }

    void hostile_and_unusable_archives() {
        const QString outside = fx->tmp.filePath("outside.txt");
        QVERIFY(writeFile(outside, "untouched"));
        const QString zip = archive("evil.zip", {{"../../evil.dat", smallAddon("Evil")},
                                                 {"/abs.txt", "read me"},
                                                 {"C:\\X.JAM", "texture"},
                                                 {"..\\link.txt", outside.toUtf8(), Entry::Link}});
        install(zip);
        const QString report = installer->InstallReport;
        QVERIFY2(report.startsWith("3 files extracted from " + zip + "\r\n\r\n" +
                                   "../link.txt not extracted: it is a link\r\n\r\n" +
                                   "../../evil.dat track copied to " + fx->circuit("evil.dat")),
                 qPrintable(report));
        QCOMPARE(readFile(outside), QByteArray("untouched"));
        QCOMPARE(QDir(fx->tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"app", "downloads", "game", "outside.txt"}));
        QCOMPARE(scratchLeft(), QStringList());

        // A damaged archive: nothing extracted, and the message says why.
        const QString garbage = fx->tmp.filePath("downloads/garbage.zip");
        QVERIFY(writeFile(garbage, "PK\x03\x04 not really"));
        install(garbage);
        QCOMPARE(fx->dialogs.messages().size(), 1);
        QVERIFY(fx->dialogs.messages()[0].startsWith("Couldn't extract any file from " + garbage +
                                                     ".\r\n\r\nNothing extracted: "));
        QCOMPARE(scratchLeft(), QStringList());

        // Missing, empty; cancelled (the preset name comes back: the last folder & "*.zip")
        // does nothing.
        const QString empty = fx->tmp.filePath("downloads/empty.zip");
        QVERIFY(writeFile(empty, QByteArray()));
        for (const QString& path : {fx->tmp.filePath("downloads/none.zip"), empty}) {
            install(path);
            QCOMPARE(fx->dialogs.messages(), QStringList{"File not found or invalid."});
        }
        // Cancelled: the dialog started in the last archive's folder, and nothing is done.
        install(QString());
        QCOMPARE(fx->dialogs.shown, QStringList{"New track selection"});
        QCOMPARE(fx->dialogs.lastDefault, fx->tmp.filePath("downloads") + "/");
        QVERIFY(viewed.size() == 1);
    }

    // One archive of each format with the same files installs the same files.
    void every_format_data() {
        QTest::addColumn<QString>("suffix");
        for (const QString& suffix : archivemaker::suffixes())
            QTest::newRow(qPrintable(suffix)) << suffix;
    }
    void every_format() {
        QFETCH(QString, suffix);
        const QByteArray circuit = smallAddon("Format Ring", {"gamejams\\fr\\F.JAM"}, 7);
        const QByteArray large(308278, 'L');
        install(archive("ring" + suffix, {{"FRING.DAT", circuit},
                                          {"FRING1.BMP", large},
                                          {"F.JAM", "texture"},
                                          {"README.TXT", "about"}}));
        QVERIFY2(installer->InstallReport.startsWith("4 files extracted from "),
                 qPrintable(installer->InstallReport));
        QCOMPARE(readFile(fx->circuit("FRING.DAT")), circuit);
        QCOMPARE(readFile(game("Bitmaps/FRING1.BMP")), large);
        QCOMPARE(readFile(game("gamejams/fr/F.JAM")), QByteArray("texture"));
        QCOMPARE(mapsField("Format Ring", "Menu Picture"), game("Bitmaps/FRING1.BMP"));
        QCOMPARE(selected(), QStringLiteral("FRING.DAT"));
    }

    // Several archives in one run: one backup, and one summary that names per archive what was
    // installed, what was already there (by content) and what failed; then the same folder
    // again, cancelled after its first archive.
    void several_archives_in_one_run() {
        const QByteArray alpha = smallAddon("Alpha", {}, 11), gamma = smallAddon("Gamma", {}, 13);
        // The same track data as the archive's Alpha under another name and info block.
        QVERIFY(writeFile(fx->circuit("Alpha here.dat"), smallAddon("Alpha renamed", {}, 11)));
        const QByteArray large(308278, 'a');
        QStringList archives{
            archive("a.zip", {{"alpha/ALPHA.DAT", alpha}, {"ALPHA1.BMP", large}}),
            archive("b.tar.gz", {{"GAMMA.DAT", gamma}}),
            archive("c.7z", {{"GAMMA2.DAT", gamma}}), // b's circuit, installed in this run
            fx->tmp.filePath("downloads/d.rar"),
            fx->tmp.filePath("downloads/none.lzh"),
        };
        QVERIFY(writeFile(archives[3], "Rar! no archive at all"));
        const qsizetype changes = gamebackup::history(gamebackup::backupsFolder(fx->bas)).size();
        installMany(archives);

        const QString report = installer->InstallReport;
        QVERIFY2(report.startsWith("3 of 5 archives read, 1 circuit installed.\r\n"
                                   "2 circuits were already there.\r\n"
                                   "2 archives could not be installed.\r\n"),
                 qPrintable(report));
        for (const QString& part :
             {"== a.zip ==\r\n2 files extracted from a.zip\r\n" +
                  QString(
                      "\r\n\r\nalpha/ALPHA.DAT not installed: the same circuit is already there "
                      "as Alpha here.dat\r\n"),
              "\r\nGAMMA.DAT track copied to " + fx->circuit("GAMMA.DAT") + "\r\n",
              QString("GAMMA2.DAT not installed: the same circuit is already there as GAMMA.DAT"),
              QString("== d.rar ==\r\nNothing could be extracted.\r\nNothing extracted: not an "
                      "archive Pistaro can read"),
              QString("== none.lzh ==\r\nNot installed: the file is missing or empty.\r\n")})
            QVERIFY2(report.contains(part), qPrintable(part + "\n---\n" + report));
        QVERIFY(!report.contains("pso-install-"));
        QCOMPARE(scratchLeft(), QStringList());
        QVERIFY(!QFile::exists(fx->circuit("ALPHA.DAT")));
        QVERIFY(!QFile::exists(fx->circuit("GAMMA2.DAT")));
        QCOMPARE(readFile(fx->circuit("GAMMA.DAT")), gamma);
        // The archive's picture goes to the circuit already there.
        QCOMPARE(mapsField("Alpha renamed", "Menu Picture"), game("Bitmaps/ALPHA1.BMP"));
        const QList<gamebackup::Change> history =
            gamebackup::history(gamebackup::backupsFolder(fx->bas));
        QCOMPARE(history.size(), changes + 1);
        QCOMPARE(history.last().command, QStringLiteral("Install 5 archives"));
        QCOMPARE(selected(), QStringLiteral("GAMMA.DAT"));
        QCOMPARE(fx->takeMessages(), QStringList());
        QCOMPARE(viewed.size(), 1);

        RecordingStatus status;
        fx->useStatus(status);
        status.cancelWhen = [&status] { return status.lines.contains("a.zip"); };
        fx->dialogs.answers = QVariantList{fx->tmp.filePath("downloads")};
        viewed << closingTextViewers([this] { fx->frm->InstallFolder->trigger(); });
        fx->useStatus(fx->status);
        QVERIFY2(installer->InstallReport.startsWith(
                     "1 of 4 archives read, 0 circuits installed.\r\n1 circuit was already "
                     "there.\r\nStopped before 3 archives: b.tar.gz c.7z d.rar\r\n"),
                 qPrintable(installer->InstallReport));
        QVERIFY(!status.visible && !status.cancelOffered);
        QCOMPARE(viewed.size(), 2);
    }

    void dropped_archives_data() {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QStringList>("taken");
        QTest::newRow("one") << QStringList{"a.zip"} << QStringList{"a.zip"};
        QTest::newRow("several") << QStringList{"a.zip", "b.TAR.GZ"}
                                 << QStringList{"a.zip", "b.TAR.GZ"};
        QTest::newRow("folder") << QStringList{"many", "a.zip"}
                                << QStringList{"many/x.7z", "many/y.lzh", "a.zip"};
        QTest::newRow("another file") << QStringList{"a.zip", "notes.txt"} << QStringList{};
        QTest::newRow("folder without archives") << QStringList{"empty"} << QStringList{};
        QTest::newRow("not local") << QStringList{"http://example.org/a.zip"} << QStringList{};
    }
    void dropped_archives() {
        QFETCH(QStringList, dropped);
        QFETCH(QStringList, taken);
        for (const char* name :
             {"a.zip", "b.TAR.GZ", "notes.txt", "many/x.7z", "many/y.lzh", "many/z.txt"})
            QVERIFY(writeFile(fx->tmp.filePath(name), "x"));
        QVERIFY(QDir().mkpath(fx->tmp.filePath("empty")));
        QList<QUrl> urls;
        for (const QString& name : dropped)
            urls << (name.contains(':') ? QUrl(name) : QUrl::fromLocalFile(fx->tmp.filePath(name)));
        QMimeData mime;
        mime.setUrls(urls);
        QStringList expected;
        for (const QString& name : taken)
            expected << QDir::toNativeSeparators(fx->tmp.filePath(name));
        QCOMPARE(ArchiveDrop::droppedArchives(&mime), expected);
    }
};

QTEST_MAIN(InstallerTest)
#include "installer_test.moc"
