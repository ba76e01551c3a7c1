// Check Jams and the texture copies on a real main window and sample game folder.
#include "packs/ui/textures.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/window_per_function.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace pistaro;

class TexturesTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    Textures* jams = nullptr;

    QString game(const QString& relative) const {
        return QDir::cleanPath(fx->gameDir() + relative);
    }
    void select(const QString& file) {
        CircuitTable* file1 = fx->frm->Lists->File1;
        file1->refresh();
        const int row = file1->indexOf(file);
        QVERIFY2(row >= 0, qPrintable(file));
        file1->setListIndex(row);
    }
    QString checkOnce() {
        fx->dialogs.shown.clear();
        QTest::mouseClick(jams->CheckJams, Qt::LeftButton);
        return fx->dialogs.messages().value(0);
    }
    QStringList listed() const {
        QStringList out;
        for (int i = 0; i < jams->JamList->count(); ++i)
            out << jams->JamList->item(i)->text();
        return out;
    }

private slots:
    void init() {
        QVERIFY(open());
        jams = fx->frm->Jams;
    }
    void cleanup() { close(); }

    void check_jams_messages() {
        QVERIFY(!jams->CheckJams->isEnabled());
        select("spa98.DAT");
        QVERIFY(jams->CheckJams->isEnabled());
        QCOMPARE(checkOnce(),
                 QStringLiteral("All 2 jam files used by Spa 98 exists on your system."));
        QCOMPARE(listed(), (QStringList{"gamejams\\TREES11.JAM", "gamejams\\track11.jam"}));

        // One texture missing, one empty: both listed in list order (last in the file first).
        QVERIFY(writeFile(game("gamejams/track12.jam"), QByteArray()));
        select("monza2001.dat");
        const QString sep = QDir::separator();
        QCOMPARE(checkOnce(), "Couldn't find these jam files: \r\n" + fx->gameDir() + "monza2001" +
                                  sep + "banking.jam\r\n" + fx->gameDir() + "gamejams" + sep +
                                  "track12.jam\r\n");

        // A circuit without a texture list.
        QVERIFY(
            writeFile(fx->circuit("bare.dat"),
                      samplegame::circuit(30002, samplegame::addonFields("Bare", "Nowhere", 9))));
        select("bare.dat");
        QCOMPARE(checkOnce(),
                 QStringLiteral("All 0 jam files used by Bare exists on your system."));

        // No circuit, or one that cannot be read, is said so and nothing else happens.
        fx->bas.CurrentFile.clear();
        QCOMPARE(checkOnce(), QStringLiteral("Select a circuit first."));
        fx->bas.CurrentFile = fx->circuit("gone.dat");
        QCOMPARE(checkOnce(), "Couldn't read " + fx->circuit("gone.dat") + ".");
        QVERIFY(listed().isEmpty());
    }

    void copy_jam_places_and_refusals() {
        const QString scratch = fx->appDir() + "/tmpzip";
        QVERIFY(QDir().mkpath(scratch));
        QVERIFY(writeFile(scratch + "/x.jam", "new texture"));
        QVERIFY(writeFile(game("blocked"), "a file where a folder would go"));
        const QStringList names{"/X.JAM",
                                "C:\\X.JAM",
                                "..\\..\\X.JAM",
                                "blocked\\X.JAM",
                                "gamejams\\TRACKX.JAM",
                                "Other\\x.jam",
                                "Y.JAM",
                                "GameJams\\new\\deep\\X.JAM"};
        const QString circuit = scratch + "/T.DAT";
        QVERIFY(writeFile(circuit, samplegame::circuit(30003, {}, names)));
        QVERIFY(jams->GetJams(circuit));
        QCOMPARE(listed().size(), names.size());

        QString report = "before\r\n";
        const QString sep = QDir::separator();
        const QString g = fx->gameDir();
        // Nothing is copied when the places cannot be saved first.
        QStringList kept;
        const auto refuse = [&](const QStringList& targets) {
            kept = targets;
            return false;
        };
        jams->CopyJam(scratch, {"x.jam"}, report, refuse);
        QCOMPARE(kept.size(), 4);
        QVERIFY(!QFile::exists(game("Other/X.JAM")));
        QCOMPARE(report.count("not copied to"), 3);
        report = "before\r\n";
        jams->CopyJam(scratch, {"x.jam"}, report, [](const QStringList&) { return true; });
        const QStringList lines = report.split("\r\n");
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QStringLiteral("before"));
        QCOMPARE(lines[1], "X.JAM copied to " + g + "gamejams" + sep + "new" + sep + "deep" + sep);
        QCOMPARE(lines[2], "X.JAM copied to " + g + "Other" + sep);
        QCOMPARE(lines[3], "X.JAM copied to " + g + "gamejams" + sep + "TRACK");
        QVERIFY2(lines[4].startsWith("X.JAM couldn't be copied to " + g + "blocked" + sep + ": "),
                 qPrintable(lines[4]));
        QCOMPARE(
            lines.mid(5),
            (QStringList{"X.JAM not copied to ..\\..\\X.JAM: that place is outside the game folder",
                         "X.JAM not copied to C:\\X.JAM: that place is outside the game folder",
                         "X.JAM not copied to /X.JAM: that place is outside the game folder", ""}));
        for (const char* copy : {"gamejams/new/deep/X.JAM", "Other/X.JAM", "gamejams/TRACK/X.JAM"})
            QCOMPARE(readFile(game(copy)), QByteArray("new texture"));
        QCOMPARE(readFile(game("blocked")), QByteArray("a file where a folder would go"));
        // Nothing beside the game and program folders.
        QCOMPARE(QDir(fx->tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"app", "game"}));
        QVERIFY(!QFile::exists("/X.JAM"));
    }
};

QTEST_MAIN(TexturesTest)
#include "textures_test.moc"
