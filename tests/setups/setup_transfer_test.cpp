// Car setups between f1gstate.sav and the Tracks rows, on a real main window: the bytes
// survive a round trip, each slot's setup belongs to the track of the circuit in that slot,
// a state file that cannot hold the setups is left alone, and the checksum is repaired.
#include "packs/ui/slot_list.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/window_per_function.h"

#include "gamedir/exe_cmd.h"
#include "setups/ui/setup_transfer.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/track_info_panel.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace pistaro;

namespace {

constexpr qint64 kArea = 11250;
constexpr qint64 kRecord = 96;

QByteArray setupArea(const QByteArray& state) {
    return state.mid(kArea, 16 * kRecord);
}
QByteArray record(const QByteArray& state, int slot) {
    return state.mid(kArea + (slot - 1) * kRecord, kRecord);
}
// Setup bytes in which every value 0..255 occurs: slot s holds (s - 1) * 96 + k mod 256.
QByteArray everyByteValue() {
    QByteArray area(16 * kRecord, '\0');
    for (int i = 0; i < area.size(); ++i)
        area[i] = char(i % 256);
    return area;
}

} // namespace

class SetupTransferTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    SetupTransfer* setups = nullptr;

    QString stateFile() const { return fx->gameDir() + QStringLiteral("f1gstate.sav"); }
    QByteArray state() const { return readFile(stateFile()); }
    void putArea(const QByteArray& area) {
        QByteArray data = state();
        data.replace(kArea, area.size(), area);
        QVERIFY(writeFile(stateFile(), samplegame::withChecksum(data)));
    }
    QByteArray stored(const QString& track) { return testrows::setupOf(bas(), track); }
    void exportAndWait() {
        setups->ExportSetups->click();
        ExeCmd::WaitForSumfix(stateFile());
    }

private slots:
    void init() {
        QVERIFY(open());
        setups = fx->frm->Setups;
    }
    void cleanup() {
        ExeCmd::WaitForSumfix(stateFile());
        close();
    }

    void every_byte_value_survives_import_and_export() {
        const QByteArray area = everyByteValue();
        putArea(area);
        setups->ImportSetups->click();
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{"Car setups imported.\r\n\r\n16 car setups were stored in the lap "
                             "time database, each with the track of its slot."});
        for (int slot = 1; slot <= 16; ++slot)
            QCOMPARE(stored(samplegame::originalName(slot)),
                     area.mid((slot - 1) * kRecord, kRecord));
        QVERIFY(!fx->status.visible);

        // The game overwrites the area; Export puts the stored setups back and the checksum
        // tool makes the trailer match again.
        putArea(QByteArray(16 * kRecord, '\xAA'));
        const QByteArray before = state();
        fx->dialogs.shown.clear();
        exportAndWait();
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{"Car setups exported.\r\n\r\n16 car setups were written into " +
                             QDir::toNativeSeparators(stateFile()) + "."});
        const QByteArray after = state();
        QCOMPARE(setupArea(after), area);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(kArea), before.left(kArea));
        QCOMPARE(after, samplegame::withChecksum(after));
    }

    void each_slot_uses_the_track_of_its_circuit() {
        // Monza 2001 is assigned to slots 3 and 5 (not yet exported); Spa 98 to slot 7 has
        // no Tracks row.
        bas().CurrentFile = fx->circuit(QStringLiteral("monza2001.dat"));
        fx->frm->Panel->GetInfo(); // makes its Tracks row
        SlotList& slotList = *fx->frm->Slots;
        slotList.assign(3, QStringLiteral("monza2001.dat"), {});
        slotList.assign(5, QStringLiteral("monza2001.dat"), {});
        slotList.assign(7, QStringLiteral("spa98.DAT"), {});
        const int tracks = testrows::trackCount(bas());
        putArea(everyByteValue());
        const QByteArray game = state();

        setups->ImportSetups->click();
        QCOMPARE(stored(QStringLiteral("Monza 2001")), record(game, 5)); // the later slot wins
        QCOMPARE(stored(QStringLiteral("Imola")), QByteArray());         // slot 3's own circuit
        QCOMPARE(stored(QStringLiteral("Barcelona")), QByteArray());     // slot 5's own circuit
        QCOMPARE(stored(QStringLiteral("Magny Cours")), QByteArray());   // slot 7's own circuit
        QCOMPARE(stored(QStringLiteral("Spa 98")), QByteArray("<no row>"));
        QCOMPARE(testrows::trackCount(bas()), tracks);
        QCOMPARE(stored(QStringLiteral("Monte-Carlo")), record(game, 4));
        // Nothing was selected: the panel is left empty.
        QCOMPARE(fx->frm->Panel->Track->text(), QString());

        // Export: both Monza slots get its setup; slot 7 and the slots whose track has no
        // stored setup keep the game's bytes.
        const QByteArray monza(kRecord, '\x5C');
        testrows::setTrack(bas(), QStringLiteral("Monza 2001"),
                           QStringLiteral("Car Setup Information"), monza);
        testrows::setTrack(bas(), QStringLiteral("Monte-Carlo"),
                           QStringLiteral("Car Setup Information"), QVariant());
        putArea(QByteArray(16 * kRecord, '\x11'));
        const QByteArray played = state();
        bas().SelectedFile = fx->circuit(QStringLiteral("spa98.DAT"));
        exportAndWait();
        const QByteArray after = state();
        for (int slot = 1; slot <= 16; ++slot) {
            const QByteArray expected = (slot == 3 || slot == 5)   ? monza
                                        : (slot == 7 || slot == 4) ? record(played, slot)
                                                                   : record(game, slot);
            QVERIFY2(record(after, slot) == expected, qPrintable(QString::number(slot)));
        }
        // The selected circuit is back in the panel.
        QCOMPARE(fx->frm->Panel->Track->text(), QStringLiteral("Spa 98"));
    }

    void unusable_state_file_is_left_alone_data() {
        QTest::addColumn<qint64>("size"); // -1: no file
        QTest::newRow("missing") << qint64(-1);
        QTest::newRow("empty") << qint64(0);
        QTest::newRow("ends inside the setups") << qint64(12000);
        QTest::newRow("no room for the checksum") << qint64(12789);
    }
    void unusable_state_file_is_left_alone() {
        QFETCH(qint64, size);
        QFile::remove(stateFile());
        if (size >= 0)
            samplegame::writeStateFile(fx->gameDir(), size);
        const QByteArray before = state();
        testrows::setTrack(bas(), QStringLiteral("Imola"), QStringLiteral("Car Setup Information"),
                           QByteArray(kRecord, 'x'));

        fx->dialogs.shown.clear();
        setups->ImportSetups->click();
        setups->ExportSetups->click();
        ExeCmd::WaitForSumfix(stateFile());
        QCOMPARE(fx->dialogs.shown.size(), 2);
        QVERIFY(fx->dialogs.shown.at(0).startsWith(QStringLiteral("Car setups not imported.")));
        QVERIFY(fx->dialogs.shown.at(1).startsWith(QStringLiteral("Car setups not exported.")));
        QVERIFY(fx->dialogs.shown.at(1).contains(QStringLiteral("f1gstate.sav")));
        QCOMPARE(QFile::exists(stateFile()), size >= 0);
        QCOMPARE(state(), before);
        QCOMPARE(stored(QStringLiteral("Imola")), QByteArray(kRecord, 'x'));

        // The launcher's calls ask nothing of the user.
        setups->Import();
        setups->Export();
        ExeCmd::WaitForSumfix(stateFile());
        QCOMPARE(fx->dialogs.shown.size(), 2);
        QCOMPARE(state(), before);
        QVERIFY(!fx->status.visible);
    }

    void export_without_setups_still_repairs_the_checksum() {
        QByteArray broken = state();
        broken.replace(broken.size() - 4, 4, QByteArray(4, '\0'));
        QVERIFY(broken != samplegame::withChecksum(broken));
        QVERIFY(writeFile(stateFile(), broken));
        setups->Export();
        ExeCmd::WaitForSumfix(stateFile());
        QCOMPARE(state(), samplegame::withChecksum(broken));
        QCOMPARE(state().size(), broken.size());
        QVERIFY(fx->dialogs.shown.isEmpty());

        // Without the tool the file keeps a wrong checksum: the button says so.
        QVERIFY(QFile::remove(fx->appDir() + QStringLiteral("/sumfix")));
        setups->ExportSetups->click();
        QCOMPARE(fx->dialogs.shown.size(), 1);
        QVERIFY(fx->dialogs.shown.at(0).contains(QStringLiteral("was not repaired")));
    }

    void a_stored_setup_of_the_wrong_size_is_not_written() {
        const QByteArray before = state();
        testrows::setTrack(bas(), QStringLiteral("Imola"), QStringLiteral("Car Setup Information"),
                           QByteArray(kRecord + 1, 'L'));
        testrows::setTrack(bas(), QStringLiteral("Monza"), QStringLiteral("Car Setup Information"),
                           QByteArray(kRecord, 'M'));
        exportAndWait();
        const QByteArray after = state();
        QCOMPARE(record(after, 3), record(before, 3));
        QCOMPARE(record(after, 4), record(before, 4)); // the next slot is not overrun
        QCOMPARE(record(after, 12), QByteArray(kRecord, 'M'));
        QCOMPARE(after, samplegame::withChecksum(after));
        QCOMPARE(fx->dialogs.shown.size(), 1);
        QVERIFY(fx->dialogs.shown.at(0).contains(QStringLiteral("Slot 3: ")));
    }
};

QTEST_MAIN(SetupTransferTest)
#include "setup_transfer_test.moc"
