#include "laptimes/print_file.h"

#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 12, 6), QTime(21, 5, 9));
const QByteArray kRule = QByteArray(80, '-') + "\r\n";
const QByteArray kHead =
    "Pistaro - PSO.MDB                                          12-06-2026 21:05:09\r\n"
    "\r\n"
    "Track                                  Warm Up   Practice    Qual.     Race\r\n" +
    kRule;

} // namespace

class PrintFileTest final : public QObject {
    Q_OBJECT
private slots:
    void example_file() {
        const QByteArray expected =
            kHead +
            "Monte-Carlo                            1:25.000  1:22.500            1:23.456\r\n" +
            kRule;
        const QByteArray got = printFileText(
            QStringLiteral("pso.mdb"), kNow,
            {{QStringLiteral("Monte-Carlo"), "1:25.000", "1:22.500", QString(), "1:23.456"}});
        QCOMPARE(got, expected);
    }

    void empty_table_and_rows_without_times() {
        QCOMPARE(printFileText(QStringLiteral("pso.mdb"), kNow, {}), kHead + kRule);
        const QByteArray got = printFileText(
            QStringLiteral("pso.mdb"), kNow,
            {{QStringLiteral("Adelaide"), {}, {}, {}, {}}, {QString(), {}, {}, {}, "1:15.000"}});
        QCOMPARE(got, kHead + "Adelaide\r\n" + QByteArray(69, ' ') + "1:15.000\r\n" + kRule);
    }

    void long_items_move_to_a_new_line() {
        const QString name39(39, u'n');
        const QString name40(40, u'n');
        const QByteArray got =
            printFileText(QStringLiteral("pso.mdb"), kNow,
                          {{name39, "1:00.000", {}, {}, {}},
                           {name40, "1:00.000", "1:01.000", {}, {}},
                           {name40, {}, "1:01.000", {}, {}},
                           {QStringLiteral("Spa"), "1:00.000xxx", "1:01.000", {}, {}}});
        const QByteArray n39(39, 'n'), n40(40, 'n');
        QCOMPARE(got, kHead + n39 + "1:00.000\r\n" + n40 + "\r\n" + QByteArray(39, ' ') +
                          "1:00.000  1:01.000\r\n" + n40 + QByteArray(9, ' ') + "1:01.000\r\n" +
                          "Spa" + QByteArray(36, ' ') + "1:00.000xxx\r\n" + QByteArray(49, ' ') +
                          "1:01.000\r\n" + kRule);
    }

    void title_line() {
        const QString longDb = QString(49, u'd') + QStringLiteral(".mdb");
        const QByteArray got =
            printFileText(longDb, QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), {});
        QVERIFY(got.startsWith("Pistaro - " + QByteArray(49, 'D') + ".MDB\r\n" +
                               QByteArray(59, ' ') + "02-03-2001 04:05:06\r\n\r\n"));
        // Columns count bytes of the file: one per Windows-1252 character.
        const QByteArray umlaut =
            printFileText(QStringLiteral("pso.mdb"), kNow,
                          {{QString::fromUtf8("N\u00fcrburgring"), "1:30.000", {}, {}, {}}});
        QVERIFY(umlaut.contains("N\xfcrburgring" + QByteArray(28, ' ') + "1:30.000\r\n"));
        QVERIFY(printFileText(QString::fromUtf8("\u00e9t\u00e9.mdb"), kNow, {})
                    .startsWith("Pistaro - \xc9T\xc9.MDB "));
    }
};

QTEST_GUILESS_MAIN(PrintFileTest)
#include "print_file_test.moc"
