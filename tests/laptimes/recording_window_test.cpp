#include "laptimes/ui/recording_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace pistaro;

class RecordingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void recordsAndWaitsForOk();
    void nothingRecordedClosesAtOnce();
};

void RecordingWindowTest::recordsAndWaitsForOk() {
    RecordingWindow r;
    QCOMPARE(r.windowTitle(), QStringLiteral("Record Status"));
    auto* ok = r.findChild<QPushButton*>(QStringLiteral("Ok"));
    auto* list = r.findChild<QListWidget*>(QStringLiteral("List1"));
    auto* label = r.findChild<QLabel*>(QStringLiteral("Label"));
    auto* labelTime = r.findChild<QLabel*>(QStringLiteral("LabelTime"));
    QCOMPARE(r.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Reading Gp2Lap.Log..."));

    r.begin();
    QVERIFY(r.isVisible());
    QVERIFY(!ok->isEnabled());
    QCOMPARE(label->text(), QStringLiteral("Please wait..."));
    r.setTime(QStringLiteral("1:23.456"));
    QCOMPARE(labelTime->text(), QStringLiteral("1:23.456"));
    const QString race = QStringLiteral("Quick/non-championship/championship race");
    r.addRecord(QStringLiteral("Monte-Carlo"), QStringLiteral("1:23.456"), race, TimeField::Race,
                QString());
    r.addRecord(QStringLiteral("Hill Loop"), QStringLiteral("1:02.345"),
                QStringLiteral("Unlimited practice"), TimeField::Practice,
                QStringLiteral("1:02.845"));
    // A later lap of the same track and kind replaces the record it beat, measured against
    // the best before the reading; another kind of the same track is a record of its own.
    r.addRecord(QStringLiteral("Hill Loop"), QStringLiteral("1:01.999"),
                QStringLiteral("Unlimited practice"), TimeField::Practice,
                QStringLiteral("1:02.345"));
    r.addRecord(QStringLiteral("Hill Loop"), QStringLiteral("1:04.000"), race, TimeField::Race,
                QString());
    QCOMPARE(r.lines(),
             (QStringList{
                 QStringLiteral("Reached a record at Monte-Carlo"),
                 QStringLiteral("     1:23.456 Quick/non-championship/championship race"),
                 QStringLiteral("Reached a record at Hill Loop"),
                 QStringLiteral("     1:01.999, 0.846 faster than 1:02.845, Unlimited practice"),
                 QStringLiteral("Reached a record at Hill Loop"),
                 QStringLiteral("     1:04.000 Quick/non-championship/championship race")}));
    QCOMPARE(list->currentRow(), 5);

    QVERIFY(r.finish(QString()));
    QVERIFY(r.isVisible());
    QVERIFY(ok->isEnabled());
    QCOMPARE(label->text(), QString());
    QCOMPARE(labelTime->text(), QString());

    QSignalSpy closed(&r, &RecordingWindow::closedByOk);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!r.isVisible());
    QCOMPARE(closed.count(), 1);

    // The next reading starts with an empty list.
    r.begin();
    QVERIFY(r.lines().isEmpty());

    // Closed by its title bar once finished, the window acts as its Ok.
    r.addRecord(QStringLiteral("Hill Loop"), QStringLiteral("1:30.000"), QStringLiteral("Race"),
                TimeField::Race, QString());
    QCOMPARE(r.lines().size(), 2);
    QVERIFY(r.finish(QString()));
    r.close();
    QVERIFY(!r.isVisible());
    QCOMPARE(closed.count(), 2);
}

void RecordingWindowTest::nothingRecordedClosesAtOnce() {
    RecordingWindow r;
    r.begin();
    r.setTime(QStringLiteral("1:30.000"));
    QVERIFY(!r.finish(QString()));
    QVERIFY(!r.isVisible());
}

QTEST_MAIN(RecordingWindowTest)
#include "recording_window_test.moc"
