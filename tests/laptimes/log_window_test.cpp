#include "laptimes/ui/log_window.h"

#include <QLabel>
#include <QTest>

using namespace pistaro;

class LogWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsStatistics();
};

// The Log window's value labels: counts as stored, dates after one blank, total as h:mm:ss.
void LogWindowTest::showsStatistics() {
    LogWindow log;
    log.showStatistics(QStringLiteral("7"), QStringLiteral("12-06-2026 21:05:09"),
                       QStringLiteral("12-07-2026 10:00:00"), 43509);
    auto text = [&](const char* name) {
        return log.findChild<QLabel*>(QLatin1String(name))->text();
    };
    QCOMPARE(text("Times"), QStringLiteral("7"));
    QCOMPARE(text("FirstUse"), QStringLiteral(" 12-06-2026 21:05:09"));
    QCOMPARE(text("LastUse"), QStringLiteral(" 12-07-2026 10:00:00"));
    QCOMPARE(text("TotalUse"), QStringLiteral("12:05:09"));
}

QTEST_MAIN(LogWindowTest)
#include "log_window_test.moc"
