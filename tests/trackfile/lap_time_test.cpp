#include "trackfile/lap_time.h"

#include <QTest>

class LapTimeTest final : public QObject {
    Q_OBJECT
private slots:
    void format_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("one digit") << "5"
                                   << "0:00.005";
        QTest::newRow("no carry into minutes") << "90000"
                                               << "0:90.000";
        QTest::newRow("six digits") << "123456"
                                    << "1:23.456";
        QTest::newRow("zeros") << "000000"
                               << "0:00.000";
        QTest::newRow("padded field") << "012345"
                                      << "0:12.345";
        QTest::newRow("surrounding blanks") << " 42 "
                                            << "0:00.042";
        QTest::newRow("extra leading zero") << "0123456"
                                            << "1:23.456";
        QTest::newRow("seven significant digits") << "1234567"
                                                  << "";
        QTest::newRow("letter") << "12a456"
                                << "";
        QTest::newRow("formatted text") << "1:23.456"
                                        << "";
        QTest::newRow("mask prompt") << "12____"
                                     << "";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0661\u0662") << "";
    }
    void format() {
        QFETCH(QString, digits);
        QFETCH(QString, text);
        QCOMPARE(FormatLapTime(digits), text);
    }

    // Lap time texts back to milliseconds; -1 for a text that is no lap time.
    void milliseconds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ms");
        QTest::newRow("lap") << "1:23.456" << 83456;
        QTest::newRow("no carry into minutes") << "0:90.000" << 90000;
        QTest::newRow("nine minutes") << "9:59.999" << 599999;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("no time") << "-:--.---" << -1;
        QTest::newRow("comma") << "1:23,456" << -1;
        QTest::newRow("two digit minutes") << "10:23.456" << -1;
        QTest::newRow("digits only") << "123456" << -1;
    }
    void milliseconds() {
        QFETCH(QString, text);
        QFETCH(int, ms);
        QCOMPARE(lapTimeMilliseconds(text).value_or(-1), ms);
    }

    void pad_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("padded");
        QTest::newRow("empty stays empty") << ""
                                           << "";
        QTest::newRow("one digit") << "5"
                                   << "000005";
        QTest::newRow("five digits") << "12345"
                                     << "012345";
        QTest::newRow("six digits") << "123456"
                                    << "123456";
        QTest::newRow("longer unchanged") << "1234567"
                                          << "1234567";
    }
    void pad() {
        QFETCH(QString, digits);
        QFETCH(QString, padded);
        QCOMPARE(padLapDigits(digits), padded);
        QCOMPARE(FormatLapTime(padded), FormatLapTime(digits));
    }
};

QTEST_GUILESS_MAIN(LapTimeTest)
#include "lap_time_test.moc"
