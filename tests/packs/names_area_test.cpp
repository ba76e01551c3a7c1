#include "packs/names_area.h"

#include <QTest>

namespace {

QStringList numbered(const QString& prefix) {
    QStringList out;
    for (int i = 1; i <= 16; ++i)
        out << prefix + QString::number(i);
    return out;
}

qsizetype textsLength(const QStringList& texts) {
    qsizetype n = 0;
    for (const QString& t : texts)
        n += t.size() + 1;
    return n;
}

} // namespace

class NamesAreaTest final : public QObject {
    Q_OBJECT
private slots:
    void stream_layout() {
        const char T = '\x0A';
        QStringList names = numbered(QStringLiteral("Track"));
        QStringList countries = numbered(QStringLiteral("C"));
        names[0] = QStringLiteral("Interlagos"); // 10 characters
        countries[0] = QStringLiteral("Brazil"); // 6 characters
        const QByteArray s = namesAreaStream(names, countries, T);

        const qsizetype namesLen = textsLength(names);
        const qsizetype countriesLen = textsLength(countries);
        QCOMPARE(s.size(), namesLen + 16 + 5 * (countriesLen + 16) + 32 + 16 + 496);

        QVERIFY(s.startsWith(QByteArray("Interlagos") + T + "Track2" + T));
        QVERIFY(s.mid(namesLen - 8, 8) == QByteArray("Track16") + T);
        QCOMPARE(s.mid(namesLen, 16), QByteArray(16, '\0'));
        for (int block = 0; block < 5; ++block) {
            const qsizetype at = namesLen + 16 + block * (countriesLen + 16);
            QCOMPARE(s.mid(at, 7), QByteArray("Brazil") + T);
            QCOMPARE(s.mid(at + countriesLen - 4, 4), QByteArray("C16") + T);
            QCOMPARE(s.mid(at + countriesLen, 16), QByteArray(16, '\0'));
        }
        const qsizetype tail = namesLen + 16 + 5 * (countriesLen + 16);
        QByteArray blanks;
        for (int i = 0; i < 16; ++i)
            blanks += QByteArray(" ") + T;
        QCOMPARE(s.mid(tail, 32), blanks);
        QCOMPARE(s.mid(tail + 32, 16), QByteArray(16, '\0'));
        QCOMPARE(s.mid(tail + 48), QByteArray(496, T));
    }

    void texts_are_windows_1252_and_fit_a_slot_entry() {
        const char T = '\xFF';
        QStringList names{QString::fromUtf8("S\u00e3o Paulo"), QString(40, u'x')};
        QStringList countries{QString::fromUtf8("K\u00f6ln")};
        const QByteArray s = namesAreaStream(names, countries, T);
        QVERIFY(s.startsWith(QByteArray("S\xe3o Paulo") + T + QByteArray(30, 'x') + T + T));
        QVERIFY(s.contains(QByteArray(16, '\0') + "K\xf6ln" + T + T));
        // 14 missing names and 15 missing countries count as empty.
        QCOMPARE(s.size(), (10 + 31 + 14) + 16 + 5 * ((5 + 15) + 16) + 32 + 16 + 496);

        const QStringList longest(16, QString(30, u'n'));
        QCOMPARE(namesAreaStream(longest, longest, T).size(), kNamesAreaLongest);
        const QStringList tooLong(16, QString(31, u'n'));
        QCOMPARE(namesAreaStream(tooLong, tooLong, T).size(), kNamesAreaLongest);
    }

    void lap_counts() {
        QList<int> laps(16, 0);
        laps[0] = 0;
        laps[1] = 255;
        laps[2] = 256;
        laps[3] = -1;
        laps[4] = 71;
        laps[15] = 1000;
        const LapBytes b = lapBytes(laps);
        QCOMPARE(b.perSlot.size(), 16);
        QCOMPARE(b.perSlot[0], std::optional<char>('\0'));
        QCOMPARE(b.perSlot[1], std::optional<char>('\xFF'));
        QVERIFY(!b.perSlot[2].has_value());
        QVERIFY(!b.perSlot[3].has_value());
        QCOMPARE(b.perSlot[4], std::optional<char>(char(71)));
        QVERIFY(!b.perSlot[15].has_value());
        QCOMPARE(b.refusedSlots, (QList<int>{3, 4, 16}));
        QCOMPARE(refusedLapsMessage(b.refusedSlots),
                 QStringLiteral("The lap counts of slots 3, 4, 16 are not between 0 and 255; the "
                                "game keeps its old lap counts there."));
        QCOMPARE(refusedLapsMessage({7}),
                 QStringLiteral("The lap count of slot 7 is not between 0 and 255; the game "
                                "keeps its old lap count there."));
        QCOMPARE(refusedLapsMessage({}), QString());

        const LapBytes few = lapBytes({60, 70});
        QCOMPARE(few.perSlot.size(), 16);
        QCOMPARE(few.perSlot[1], std::optional<char>(char(70)));
        QCOMPARE(few.perSlot[2], std::optional<char>('\0'));
        QVERIFY(few.refusedSlots.isEmpty());
    }
};

QTEST_GUILESS_MAIN(NamesAreaTest)
#include "names_area_test.moc"
