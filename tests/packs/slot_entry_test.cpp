#include "packs/line_up.h"
#include "packs/slot_entry.h"

#include <QTest>

class SlotEntryTest final : public QObject {
    Q_OBJECT
private slots:
    void layout() {
        const QString e = slotEntryText(5, u'-', QStringLiteral("Monza"), QStringLiteral("Italy"));
        QCOMPARE(e, QStringLiteral("05-Monza") + QString(25, u' ') + QStringLiteral(" Italy"));
        QCOMPARE(e.mid(3, 30), QStringLiteral("Monza").leftJustified(30));
        QCOMPARE(slotEntryMarker(e), QChar(u'-'));
        QCOMPARE(slotEntryTrack(e), QStringLiteral("Monza"));
        QCOMPARE(slotEntryCountry(e), QStringLiteral("Italy"));
        QVERIFY(slotEntryText(16, u' ', QString(), QString()).startsWith(QLatin1String("16 ")));
    }

    void long_texts_keep_columns() {
        const QString track = QStringLiteral("A123456789B123456789C123456789D"); // 31
        const QString country = QString(35, u'c');
        const QString e = slotEntryText(1, u'+', track, country);
        QCOMPARE(e.size(), 3 + 30 + 1 + 30);
        QCOMPARE(slotEntryTrack(e), track.left(30));
        QCOMPARE(slotEntryCountry(e), country.left(30));
        // A full 30-character name still leaves the blank at character 34.
        QCOMPARE(slotEntryText(1, u' ', track.left(30), QStringLiteral("X")).at(33), QChar(u' '));
    }

    void surrounding_blanks_are_not_part_of_the_texts() {
        const QString e =
            slotEntryText(2, u'|', QStringLiteral("  Imola "), QStringLiteral(" San Marino "));
        QCOMPARE(slotEntryTrack(e), QStringLiteral("Imola"));
        QCOMPARE(slotEntryCountry(e), QStringLiteral("San Marino"));
    }

    void short_entries_read_empty() {
        for (const QString& e : {QString(), QStringLiteral("0"), QStringLiteral("05-Mon")})
            QCOMPARE(slotEntryCountry(e), QString());
        QCOMPARE(slotEntryMarker(QStringLiteral("05")), QChar(u' '));
        QCOMPARE(slotEntryTrack(QStringLiteral("05")), QString());
        QCOMPARE(slotEntryTrack(QStringLiteral("05-Mon")), QStringLiteral("Mon"));
    }

    // What Export writes into the game comes from the line-up, and reads as the entry shows it.
    void line_up_entries_and_menu_names() {
        CircuitInfo monza;
        monza.recognised = true;
        monza.track = QStringLiteral("Monza 2001");
        monza.country = QStringLiteral("Italy ") + QString(30, u'y'); // longer than its column
        monza.laps = QStringLiteral("1234");
        LineUp lineUp;
        lineUp.showGame(2, CircuitInfo{}); // a slot file that is no circuit
        QCOMPARE(lineUp.entryText(2), slotEntryText(2, u' ', "File not recognized.", QString()));
        QCOMPARE(lineUp.menuName(2), QStringLiteral("File not recognized."));
        QVERIFY(!lineUp.anythingPending());

        lineUp.assign(3, QStringLiteral("monza2001.dat"), monza);
        lineUp.markPicture(3);
        lineUp.markPicture(4); // the game's own circuit, only its picture changed
        QCOMPARE(slotEntryMarker(lineUp.entryText(3)), QChar(u'+'));
        QCOMPARE(slotEntryMarker(lineUp.entryText(4)), QChar(u'|'));
        QCOMPARE(lineUp.menuName(3), slotEntryTrack(lineUp.entryText(3)));
        QCOMPARE(lineUp.menuCountry(3), slotEntryCountry(lineUp.entryText(3)));
        QCOMPARE(lineUp.at(3).circuit.lapCount(), 123); // as the three-digit field takes it

        lineUp.exported(3, monza);
        QCOMPARE(slotEntryMarker(lineUp.entryText(3)), QChar(u' '));
        QVERIFY(lineUp.anythingPending()); // until the whole export went through
        lineUp.clearPending();
        QVERIFY(!lineUp.anythingPending());
        QCOMPARE(lineUp.at(3).circuit, monza);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, lineUp.at(17));
    }

    void file_names() {
        QCOMPARE(slotFileName(3), QStringLiteral("f1ct03.dat"));
        QCOMPARE(slotFileName(16), QStringLiteral("f1ct16.dat"));
    }

    void game_slot_names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("slot");
        QTest::newRow("f1ct01.dat") << "f1ct01.dat" << true;
        QTest::newRow("f1ct07.dat") << "f1ct07.dat" << true;
        QTest::newRow("upper case") << "F1CT16.DAT" << true;
        QTest::newRow("mixed case") << "F1cT03.Dat" << true;
        QTest::newRow("17") << "F1CT17.DAT" << false;
        QTest::newRow("00") << "F1CT00.DAT" << false;
        QTest::newRow("digit then letter") << "f1ct7x.dat" << true;
        QTest::newRow("blank then digit") << "f1ct 7.dat" << true;
        QTest::newRow("letters") << "f1ctab.dat" << false;
        QTest::newRow("negative") << "f1ct-1.dat" << false;
        QTest::newRow("nine characters") << "f1ct1.dat" << false;
        QTest::newRow("eleven characters") << "f1ct001.dat" << false;
        QTest::newRow("other prefix") << "f2ct01.dat" << false;
        QTest::newRow("add-on") << "Monza.dat" << false;
        QTest::newRow("empty") << "" << false;
    }
    void game_slot_names() {
        QFETCH(QString, name);
        QFETCH(bool, slot);
        QCOMPARE(isGameSlotFileName(name), slot);
    }
};

QTEST_GUILESS_MAIN(SlotEntryTest)
#include "slot_entry_test.moc"
