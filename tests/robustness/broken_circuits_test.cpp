// Circuit files too short to be circuits, taken through every command that reads or writes a
// circuit: selected, checked for textures, saved with Update Track Info, assigned to a slot
// and exported. Each says what it did, and no other file changes.
#include "gamedir/exe_cmd.h"
#include "packs/ui/exporter.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "packs/ui/textures.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/picture_tool.h"
#include "tests/support/window_per_function.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace pistaro;

namespace {
const QString kOdd = QStringLiteral("odd.dat");
} // namespace

class BrokenCircuitsTest final : public QObject, WindowPerFunction {
    Q_OBJECT

private slots:
    void cleanup() { close(); }

    void shortFilesGoThroughEveryCommand_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("withBlock");
        QTest::newRow("0 bytes") << QByteArray() << false;
        QTest::newRow("3 bytes") << QByteArray("\x01\xFF#", 3) << false;
        QTest::newRow("8 bytes") << QByteArray("#GP2INF\x00", 8) << false;
        QTest::newRow("4095 bytes of noise") << QByteArray(4095, '\xC3') << false;
        // An info block cut one byte before the end of its area.
        QTest::newRow("4095 bytes with a block")
            << samplegame::infoArea(samplegame::addonFields("Tiny", "Nowhere", 12)).left(4095)
            << true;
    }
    void shortFilesGoThroughEveryCommand() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, withBlock);
        fx = std::make_unique<MainWindowFixture>();
        QVERIFY(writeFile(fx->circuit(kOdd), bytes));
        picturetool::install(fx->appDir());
        QVERIFY(open(Show::Exposed));
        MainWindow& frm = *fx->frm;

        // Selecting it fills the panel and says nothing.
        CircuitLists* lists = frm.Lists;
        SlotList* slotList = frm.Slots;
        lists->File1->setListIndex(lists->File1->indexOf(kOdd));
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(kOdd));
        QCOMPARE(frm.Panel->Track->text(), withBlock ? QStringLiteral("Tiny") : QString());
        const QString name = withBlock ? QStringLiteral("Tiny") : QString(kOdd);
        QCOMPARE(fx->takeMessages(), QStringList{});

        // Too short for a texture list: none is needed.
        frm.Jams->CheckJams->setEnabled(true);
        QTest::mouseClick(frm.Jams->CheckJams, Qt::LeftButton);
        QCOMPARE(fx->takeMessages(),
                 QStringList{"All 0 jam files used by " + name + " exists on your system."});

        // Update Track Info: a block is written back within the file's length; without one
        // only the checksum tool runs on the file.
        QVERIFY(frm.Panel->SaveInfo->isEnabled());
        frm.Panel->Country->setFocus();
        frm.Panel->Country->setText("Elsewhere");
        frm.Exit->setFocus();
        QTest::mouseClick(frm.Panel->SaveInfo, Qt::LeftButton);
        ExeCmd::WaitForSumfix(fx->circuit(kOdd));
        QCOMPARE(fx->takeMessages(), QStringList{"Track updated."});
        const QByteArray saved = readFile(fx->circuit(kOdd));
        QCOMPARE(saved.size(), bytes.size());
        QCOMPARE(saved.contains("|Elsewhere|"), withBlock);
        bytes = saved;

        // Assigned to slot 5 and exported: the slot file holds exactly the short file.
        slotList->List1->setCurrentRow(4);
        frm.Packs->Change_Click();
        QCOMPARE(slotList->lineUp().at(5).file, kOdd);
        const auto beforeExport = filesnapshot::take(fx->gameDir());
        fx->dialogs.answers << true;
        frm.Exporting->Export_Click();
        QCOMPARE(fx->takeMessages(),
                 QStringList{"Gp2 updated.\r\n\r\n1 circuit was copied into its slot.\r\n"
                             "The menu names and lap counts were written into GP2.EXE.\r\n"
                             "The menu pictures of 1 slot were changed."});
        QCOMPARE(readFile(fx->circuit("f1ct05.dat")), bytes);
        QCOMPARE(readFile(fx->circuit(kOdd)), bytes);
        QStringList changed =
            filesnapshot::changed(beforeExport, filesnapshot::take(fx->gameDir()));
        changed.removeAll("Bitmaps/tmp.bmp"); // the picture hand-over file
        QCOMPARE(changed, (QStringList{"Circuits/f1ct05.dat", "GP2.EXE"}));
    }
};

QTEST_MAIN(BrokenCircuitsTest)
#include "broken_circuits_test.moc"
