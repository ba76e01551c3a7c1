#include "trackfile/val.h"

#include <QTest>

class ValTest final : public QObject {
    Q_OBJECT
private slots:
    void reads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("two digits") << "07" << 7;
        QTest::newRow("stops at letter") << "7x" << 7;
        QTest::newRow("leading blank") << " 7" << 7;
        QTest::newRow("trailing blank") << "7 " << 7;
        QTest::newRow("no digit") << "xx" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks only") << "  " << 0;
        QTest::newRow("minus") << "-3" << -3;
        QTest::newRow("plus") << "+3" << 3;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("integer part") << "12.9" << 12;
        QTest::newRow("digit after letter ignored") << "a5" << 0;
        QTest::newRow("int max") << "2147483647" << 2147483647;
        QTest::newRow("too large stops at max") << "99999999999999" << 2147483647;
        QTest::newRow("int min") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("too small stops at min") << "-99999999999999" << int(-2147483647 - 1);
    }
    void reads() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(valOf(text), value);
    }
};

QTEST_GUILESS_MAIN(ValTest)
#include "val_test.moc"
