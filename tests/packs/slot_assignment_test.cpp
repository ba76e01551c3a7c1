// The slot list on a real main window: the entries start-up builds from the game's slot
// files, assigning a circuit to a slot (Change), and Rescan dropping every assignment.
#include "packs/slot_entry.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "tests/support/window_per_function.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace pistaro;

class SlotAssignmentTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    CircuitLists* lists = nullptr;

    SlotList* slotList = nullptr;
    PackControls* packs = nullptr;

    void selectFile(const QString& name) {
        const int row = lists->File1->indexOf(name);
        QVERIFY2(row >= 0, qPrintable(name));
        lists->File1->setListIndex(row);
    }
    QString entry(int slot) const { return slotList->List1->item(slot - 1)->text(); }
    int laps(int slot) const { return slotList->List1->item(slot - 1)->data(Qt::UserRole).toInt(); }

private slots:
    void init() {
        QVERIFY(open(Show::Exposed));
        lists = fx->frm->Lists;
        slotList = fx->frm->Slots;
        packs = fx->frm->Packs;
    }
    void cleanup() { close(); }

    void startUpShowsTheGameSlots() {
        QCOMPARE(slotList->List1->count(), kSlotCount);
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QCOMPARE(entry(slot), slotEntryText(slot, u' ', samplegame::originalName(slot),
                                                samplegame::originalCountry(slot)));
            QCOMPARE(laps(slot), samplegame::originalLaps(slot));
            QVERIFY(slotList->lineUp().at(slot).file.isEmpty());
            QVERIFY(!slotList->lineUp().at(slot).changed);
        }
        QCOMPARE(entry(7),
                 QStringLiteral("07 Magny Cours") + QString(19, u' ') + QStringLiteral(" France"));
        QCOMPARE(laps(7), 72);
        QVERIFY(!packs->Change->isEnabled());
        QVERIFY(!packs->UpdTp->isEnabled());
    }

    void changeNeedsACircuitThenASlot() {
        Gp2PsoBas& bas = fx->bas;
        bas.CurrentFile = QStringLiteral("untouched");
        packs->Change->setEnabled(true);
        QTest::mouseClick(packs->Change, Qt::LeftButton);
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{QStringLiteral("Select an available circuit first.")});
        QCOMPARE(bas.CurrentFile, QStringLiteral("untouched"));

        fx->takeMessages();
        slotList->List1->clearSelection();
        selectFile(QStringLiteral("monza2001.dat"));
        fx->frm->Panel->Clean();
        QVERIFY(!packs->Change->isEnabled()); // selecting a circuit without a slot
        packs->Change->setEnabled(true);
        QTest::mouseClick(packs->Change, Qt::LeftButton);
        QCOMPARE(fx->dialogs.messages(), QStringList{QStringLiteral("Select a slot first.")});
        QCOMPARE(bas.CurrentFile, fx->circuit(QStringLiteral("monza2001.dat")));
        QCOMPARE(fx->frm->Panel->Track->text(), QStringLiteral("Monza 2001"));
        for (int slot = 1; slot <= kSlotCount; ++slot)
            QVERIFY(slotList->lineUp().at(slot).file.isEmpty());
    }

    void changeAssignsTheCircuitToTheSlot() {
        packs->SelectedPack->addItem(QStringLiteral("Season"));
        packs->SelectedPack->setEditText(QStringLiteral("Season"));
        packs->UpdTp->setEnabled(true);
        slotList->List1->setCurrentRow(4);
        QVERIFY(packs->Change->isEnabled()); // a slot is selected
        selectFile(QStringLiteral("monza2001.dat"));
        QTest::mouseClick(packs->Change, Qt::LeftButton);
        QVERIFY(fx->dialogs.shown.isEmpty());

        const QString e = entry(5);
        QCOMPARE(e.left(3), QStringLiteral("05-"));
        QCOMPARE(e.mid(3, 30), QStringLiteral("Monza 2001").leftJustified(30));
        QCOMPARE(e.mid(33), QStringLiteral(" Italy"));
        QCOMPARE(laps(5), 53);
        QCOMPARE(slotList->lineUp().at(5).file, QStringLiteral("monza2001.dat"));
        QVERIFY(slotList->lineUp().at(5).changed);
        QCOMPARE(fx->frm->Panel->Track->text(), QStringLiteral("Monza 2001")); // not padded
        QCOMPARE(packs->SelectedPack->currentText(), QString());
        QVERIFY(!packs->UpdTp->isEnabled());
        // The other slots keep the game's circuits.
        QCOMPARE(entry(4).left(3), QStringLiteral("04 "));
        QVERIFY(slotList->lineUp().at(4).file.isEmpty());

        // Selecting the slot now loads the assigned circuit.
        slotList->List1->setCurrentRow(0);
        slotList->List1->setCurrentRow(4);
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(QStringLiteral("monza2001.dat")));
    }

    void rescanDropsEveryAssignment() {
        slotList->List1->setCurrentRow(2);
        selectFile(QStringLiteral("spa98.DAT"));
        QTest::mouseClick(packs->Change, Qt::LeftButton);
        QCOMPARE(entry(3).left(3), QStringLiteral("03-"));

        QTest::mouseClick(packs->Import, Qt::LeftButton);
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QCOMPARE(entry(slot), slotEntryText(slot, u' ', samplegame::originalName(slot),
                                                samplegame::originalCountry(slot)));
            QVERIFY(slotList->lineUp().at(slot).file.isEmpty());
            QVERIFY(!slotList->lineUp().at(slot).changed);
        }
        QCOMPARE(slotList->selectedSlot(), 1);
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(QStringLiteral("f1ct01.dat")));
        QCOMPARE(fx->frm->Panel->Track->text(), samplegame::originalName(1));
        QCOMPARE(fx->status.line1(), QStringLiteral("Please wait..."));
        QCOMPARE(fx->status.line2(), QStringLiteral("1")); // the countdown's last step
        QVERIFY(!fx->status.visible);
        QVERIFY(fx->frm->isVisible());
        QVERIFY(!lists->File1->isHidden());
        QVERIFY(packs->Import->isEnabled());
    }

    void rescanWithAMissingSlotFileStillComesBack() {
        QVERIFY(QFile::remove(fx->circuit(QStringLiteral("f1ct09.dat"))));
        QTest::mouseClick(packs->Import, Qt::LeftButton);
        QCOMPARE(slotList->List1->count(), kSlotCount);
        QCOMPARE(entry(9).left(3), QStringLiteral("09 "));
        QCOMPARE(entry(10), slotEntryText(10, u' ', samplegame::originalName(10),
                                          samplegame::originalCountry(10)));
        QVERIFY(fx->frm->isVisible());
        QVERIFY(!lists->File1->isHidden());
    }
};

QTEST_MAIN(SlotAssignmentTest)
#include "slot_assignment_test.moc"
