#include "laptimes/statistics_text.h"

#include <QLocale>
#include <QTest>

class StatisticsTextTest : public QObject {
    Q_OBJECT
private slots:
    void totalTime_data();
    void totalTime();
    void dateTime();
};

void StatisticsTextTest::totalTime_data() {
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << QStringLiteral("0:00:00");
    QTest::newRow("just under an hour") << qint64(3599) << QStringLiteral("0:59:59");
    QTest::newRow("one hour") << qint64(3600) << QStringLiteral("1:00:00");
    QTest::newRow("hours minutes seconds") << qint64(43509) << QStringLiteral("12:05:09");
    QTest::newRow("hours beyond two digits") << qint64(360061) << QStringLiteral("100:01:01");
    QTest::newRow("negative keeps its sign") << qint64(-3661) << QStringLiteral("-1:01:01");
}

void StatisticsTextTest::totalTime() {
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(formatTotalTime(seconds), text);
}

void StatisticsTextTest::dateTime() {
    // A locale with its own digits and date order must not leak into the stored text.
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    QCOMPARE(dateTimeText(QDateTime(QDate(2026, 12, 6), QTime(21, 5, 9))),
             QStringLiteral("12-06-2026 21:05:09"));
    QCOMPARE(dateTimeText(QDateTime(QDate(2027, 1, 2), QTime(7, 8, 0))),
             QStringLiteral("01-02-2027 07:08:00"));
    QLocale::setDefault(QLocale::c());
}

QTEST_GUILESS_MAIN(StatisticsTextTest)
#include "statistics_text_test.moc"
