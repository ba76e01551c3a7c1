// The CSV text both exports write: RFC 4180 quoting, and text a spreadsheet would run as a
// formula (from a circuit's info block or a player's log) written so it shows as text.
#include "platform/csv_text.h"

#include <QtTest>

class CsvTextTest final : public QObject {
    Q_OBJECT
private slots:
    void cells_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain text") << "Monza" << QByteArray("Monza");
        QTest::newRow("formula") << "=1+1" << QByteArray("'=1+1");
        QTest::newRow("hyperlink formula, quoted")
            << "=HYPERLINK(\"http://x\",\"y\")"
            << QByteArray("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
        QTest::newRow("plus command") << "+cmd|' /C calc'!A0" << QByteArray("'+cmd|' /C calc'!A0");
        QTest::newRow("minus formula") << "-2+3" << QByteArray("'-2+3");
        QTest::newRow("at function") << "@SUM(A1)" << QByteArray("'@SUM(A1)");
        QTest::newRow("leading tab") << "\t=1" << QByteArray("'\t=1");
        QTest::newRow("leading carriage return") << "\r=1" << QByteArray("\"'\r=1\"");
        QTest::newRow("negative number") << "-0.512" << QByteArray("-0.512");
        QTest::newRow("negative decimal comma") << "-4,5" << QByteArray("\"-4,5\"");
        QTest::newRow("lap time") << "1:23.456" << QByteArray("1:23.456");
    }
    void cells() {
        QFETCH(QString, cell);
        QFETCH(QByteArray, written);
        QCOMPARE(csvText({{cell, QStringLiteral("x")}}), written + ",x\r\n");
    }
};

QTEST_GUILESS_MAIN(CsvTextTest)
#include "csv_text_test.moc"
