// The fixes the circuit list offers for its Status column, on a real main window: each acts on
// every selected row that has its problem, keeps the files in a backup first, leaves the rest
// alone, and the column tells the new story afterwards.
#include "gamedir/backup_revert.h"
#include "gamedir/backup_store.h"
#include "gamedir/game_backup.h"
#include "health/ui/circuit_fixes.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/native_names.h"
#include "tests/support/archive_maker.h"
#include "tests/support/files.h"
#include "tests/support/text_viewer_closer.h"
#include "tests/support/window_per_function.h"
#include "trackfile/checksum_trailer.h"
#include "trackfile/track_data.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/circuit_table_model.h"
#include "trackfile/ui/track_info_panel.h"

#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <unistd.h>

using namespace pistaro;

namespace {

QByteArray withWrongTrailer(QByteArray bytes) {
    bytes[bytes.size() - 2] = char(bytes.at(bytes.size() - 2) ^ 0x33);
    return bytes;
}

// The same track data under another info block.
QByteArray copyOf(const QString& track) {
    return samplegame::circuit(30000, samplegame::addonFields(track, QStringLiteral("Here"), 30),
                               {}, 11);
}

} // namespace

class CircuitFixesTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    CircuitTable* table() const { return fx->frm->Lists->File1; }
    CircuitFixes* fixes() const { return fx->frm->Fixes; }

    // Re-reads the folder and waits for every column, the health check's included.
    void reread() {
        QSignalSpy read(table(), &CircuitTable::allColumnsRead);
        table()->refresh();
        QVERIFY(table()->columnsRead() || read.wait(20000));
    }
    void select(const QStringList& names) {
        table()->selectionModel()->clear();
        for (const QString& name : names) {
            const int row = table()->indexOf(name);
            QVERIFY2(row >= 0, qPrintable(name));
            table()->selectionModel()->select(table()->model()->index(row, 0),
                                              QItemSelectionModel::Select |
                                                  QItemSelectionModel::Rows);
        }
    }
    QString problemsOf(const QString& name) const {
        const int row = table()->indexOf(name);
        return table()->model()->index(row, 0).data(CircuitTableModel::ProblemsRole).toString();
    }
    // The bytes of a circuit, whatever its name is on disk.
    QByteArray bytesOf(const QString& name) const {
        QFile file(fx->circuit(name));
        return nativenames::open(file, QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList backedUpCommands() const {
        QStringList commands;
        for (const gamebackup::Change& c : gamebackup::history(gamebackup::backupsFolder(fx->bas)))
            commands << c.command;
        return commands;
    }

private slots:
    void init() {
        fx = std::make_unique<MainWindowFixture>();
        writeFileOrThrow(fx->circuit("bad one.dat"),
                         withWrongTrailer(samplegame::smallAddon("Bad One", {}, 3)));
        // A name that is no UTF-8 on disk: only its bytes reach it.
        QVERIFY(writeFileByBytes(QFile::encodeName(fx->circuits()) + "/bad two\xff.dat",
                                 withWrongTrailer(samplegame::smallAddon("Bad Two", {}, 4))));
        writeFileOrThrow(fx->circuit("jams.dat"),
                         samplegame::smallAddon("Jams", {"extra\\one.jam", "extra\\two.jam"}, 5));
        for (const char* name : {"copy a.dat", "copy b.dat", "copy c.dat"})
            writeFileOrThrow(fx->circuit(name), copyOf(QString::fromLatin1(name)));
        QVERIFY(open());
        fx->frm->show();
        reread();
    }
    void cleanup() { close(); }

    // The popup offers a fix when some selected row needs it.
    void itemsFollowTheSelection_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<bool>>("enabled"); // checksum, textures, duplicate
        QTest::newRow("sound circuit")
            << QStringList{"spa98.DAT"} << QList<bool>{false, false, false};
        QTest::newRow("wrong trailer")
            << QStringList{"bad one.dat"} << QList<bool>{true, false, false};
        QTest::newRow("several problems")
            << QStringList{"jams.dat", "copy b.dat", "spa98.DAT"} << QList<bool>{false, true, true};
    }
    void itemsFollowTheSelection() {
        QFETCH(QStringList, rows);
        QFETCH(QList<bool>, enabled);
        select(rows);
        QCOMPARE(table()->selectedNames().size(), rows.size());
        fixes()->setItems();
        QCOMPARE((QList<bool>{fixes()->RepairChecksum->isEnabled(),
                              fixes()->InstallTextures->isEnabled(),
                              fixes()->DeleteDuplicate->isEnabled()}),
                 enabled);
        QVERIFY(fx->frm->Lists->FileClick->actions().contains(fixes()->DeleteDuplicate));
    }

    void repairWritesOnlyWrongTrailers() {
        const QByteArray sound = bytesOf("jams.dat");
        const QString odd = QFile::decodeName("bad two\xff.dat");
        select({"bad one.dat", odd, "jams.dat"});
        fx->takeMessages();
        fixes()->RepairChecksum->trigger();
        for (const QString& name : {QStringLiteral("bad one.dat"), odd})
            QVERIFY2(checksum::trailerMatches(bytesOf(name)), qPrintable(name));
        QCOMPARE(bytesOf("jams.dat"), sound);
        const QString summary = fx->takeMessages().join("\n");
        QVERIFY2(summary.contains("2 checksums were repaired: bad one.dat, " + odd + "."),
                 qPrintable(summary));
        QVERIFY(backedUpCommands().contains("Repair checksum"));
        reread();
        QCOMPARE(problemsOf("bad one.dat"), QString());
        QCOMPARE(problemsOf(odd), QString());
        QCOMPARE(table()->selectedNames(), (QStringList{"bad one.dat", odd, "jams.dat"}));
    }

    // Repair checksum on a link replaces the link by the repaired file: the file it led to
    // stays as it was, and Restore puts the name's old bytes back.
    void repairOnALinkReplacesTheLink_data() {
        QTest::addColumn<bool>("outside"); // the link leads outside the game folder
        QTest::newRow("link to a file outside the game") << true;
        QTest::newRow("link to a circuit of the collection") << false;
    }
    void repairOnALinkReplacesTheLink() {
        QFETCH(bool, outside);
        const QString target =
            outside ? fx->tmp.filePath("elsewhere.dat") : fx->circuit("bad one.dat");
        if (outside)
            QVERIFY(writeFile(target, withWrongTrailer(samplegame::smallAddon("Far", {}, 7))));
        const QByteArray before = readFile(target);
        const QString link = fx->circuit("linked.dat");
        QVERIFY(QFile::link(target, link));
        reread();
        select({"linked.dat"});
        fx->takeMessages();
        fixes()->RepairChecksum->trigger();
        QCOMPARE(readFile(target), before);
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(checksum::trailerMatches(readFile(link)));
        const QString root = gamebackup::backupsFolder(fx->bas);
        const gamebackup::RevertOutcome out =
            gamebackup::revert(root, *gamebackup::newest(root), fx->gameDir(), "Restore");
        QVERIFY2(out.refused.isEmpty() && out.failed.isEmpty(), qPrintable(out.refused));
        // The link itself comes back, leading where it led.
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), QFileInfo(target).absoluteFilePath());
        QCOMPARE(readFile(link), before);
        QCOMPARE(readFile(target), before);
    }

    // Names that lead to one file (a link and its target, two hard links) are one copy:
    // deleting one never takes the circuit's last copy with it, and they are no duplicates.
    void namesOfOneFileAreOneCopy_data() {
        QTest::addColumn<bool>("hard");          // "copy d.dat" a hard link, else a link
        QTest::addColumn<QStringList>("others"); // the other copies left beside them
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("left");
        const QStringList both{"copy a.dat", "copy d.dat"};
        QTest::newRow("the file a link leads to")
            << false << QStringList{} << QStringList{"copy a.dat"} << both;
        QTest::newRow("a link and its target") << false << QStringList{} << both << both;
        QTest::newRow("hard links") << true << QStringList{} << QStringList{"copy a.dat"} << both;
        QTest::newRow("a real copy beside them")
            << false << QStringList{"copy b.dat"} << both << QStringList{"copy b.dat"};
    }
    void namesOfOneFileAreOneCopy() {
        QFETCH(bool, hard);
        QFETCH(QStringList, others);
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, left);
        for (const QString name : {"copy b.dat", "copy c.dat"})
            if (!others.contains(name))
                QVERIFY(QFile::remove(fx->circuit(name)));
        const QString a = fx->circuit("copy a.dat"), d = fx->circuit("copy d.dat");
        QVERIFY(hard ? ::link(QFile::encodeName(a), QFile::encodeName(d)) == 0 : QFile::link(a, d));
        const QByteArray circuit = readFile(a);
        reread();
        select(chosen);
        fx->dialogs.answers = {true};
        fx->takeMessages();
        fixes()->DeleteDuplicate->trigger();
        QStringList present;
        for (const QString name : {"copy a.dat", "copy b.dat", "copy c.dat", "copy d.dat"})
            if (QFileInfo::exists(fx->circuit(name)))
                present << name;
        QCOMPARE(present, left);
        QCOMPARE(trackdata::hash(readFile(fx->circuit(left.first()))), trackdata::hash(circuit));
        reread();
        QVERIFY2(!problemsOf(left.first()).startsWith("Same circuit as"),
                 qPrintable(problemsOf(left.first())));
    }

    void texturesComeFromTheArchive() {
        // The archive holds one of the two, in another case, and a texture nobody wants.
        const QString zip = fx->tmp.filePath("jams.zip");
        QVERIFY(archivemaker::write(zip, {{"pack/ONE.jam", "one"}, {"other.jam", "other"}}));
        select({"jams.dat"});
        fx->dialogs.answers = {zip};
        const QStringList viewed =
            closingTextViewers([this] { fixes()->InstallTextures->trigger(); });
        QCOMPARE(readFileOrMissing(fx->gameDir() + "extra/ONE.JAM"), QByteArray("one"));
        QVERIFY(!QFileInfo::exists(fx->gameDir() + "extra/OTHER.JAM"));
        QCOMPARE(viewed.size(), 1);
        const QString report = viewed.first();
        QVERIFY2(report.contains("ONE.JAM copied to") && !report.contains("OTHER") &&
                     report.contains(
                         QRegularExpression(R"(1 texture is still missing:\s+extra\\two\.jam)")),
                 qPrintable(report));
        QVERIFY(backedUpCommands().contains("Install textures from jams.zip"));
        reread();
        QCOMPARE(problemsOf("jams.dat"), QStringLiteral("1 texture missing"));
    }

    // One copy of a circuit always stays; a slot waiting for a copy is named in the question.
    void deletingDuplicatesKeepsOneCopy_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("all three") << QStringList{"copy a.dat", "copy b.dat", "copy c.dat"} << true
                                   << QStringList{"copy a.dat"};
        QTest::newRow("the first one")
            << QStringList{"copy a.dat"} << true << QStringList{"copy b.dat", "copy c.dat"};
        QTest::newRow("answered No") << QStringList{"copy b.dat", "copy c.dat"} << false
                                     << QStringList{"copy a.dat", "copy b.dat", "copy c.dat"};
    }
    void deletingDuplicatesKeepsOneCopy() {
        QFETCH(QStringList, chosen);
        QFETCH(bool, yes);
        QFETCH(QStringList, left);
        fx->frm->Slots->assign(4, "copy c.dat", {});
        // A saved pack holds the circuit: the question names it beside each copy deleted.
        QVERIFY(writeFile(fx->circuit("Season 98/f1ct02.dat"), bytesOf("copy a.dat")));
        fx->frm->Packs->SelectedPack->addItem("Season 98");
        table()->setListIndex(table()->indexOf("copy a.dat")); // shown in the panel
        QCOMPARE(fx->bas.CurrentFile, fx->circuit("copy a.dat"));
        select(chosen);
        fx->dialogs.answers = {yes};
        fx->takeMessages();
        fixes()->DeleteDuplicate->trigger();
        QCOMPARE(fx->dialogs.kinds.first(), QStringLiteral("yesno"));
        const QString question = fx->dialogs.shown.first();
        QCOMPARE(question.contains("waiting for Export into slot 4"),
                 chosen.contains("copy c.dat"));
        QVERIFY2(question.contains(" (the circuit stays as copy a.dat), which is used by the "
                                   "track pack \"Season 98\"") ||
                     question.contains(" (the circuit stays as copy b.dat), which is used by the "
                                       "track pack \"Season 98\""),
                 qPrintable(question));
        QStringList present;
        for (const char* name : {"copy a.dat", "copy b.dat", "copy c.dat"})
            if (QFileInfo::exists(fx->circuit(name)))
                present << name;
        QCOMPARE(present, left);
        // A deleted file is no longer shown, nor offered to save.
        const bool shownKept = left.contains("copy a.dat");
        QCOMPARE(fx->bas.CurrentFile, shownKept ? fx->circuit("copy a.dat") : QString());
        QCOMPARE(fx->frm->Panel->SaveInfo->isEnabled(), shownKept);
        QCOMPARE(backedUpCommands().contains("Delete duplicates"), yes);
        reread();
        QCOMPARE(problemsOf(left.first()).startsWith("Same circuit as"), left.size() > 1);
    }
};

QTEST_MAIN(CircuitFixesTest)
#include "circuit_fixes_test.moc"
