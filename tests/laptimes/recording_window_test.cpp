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
    void oneTrackHoweverItsNameIsCased_data();
    void oneTrackHoweverItsNameIsCased();
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

    QVERIFY(r.finish(1234));
    QVERIFY(r.isVisible());
    QVERIFY(ok->isEnabled());
    // Done, and said so.
    QCOMPARE(r.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Gp2Lap.Log read."));
    QCOMPARE(label->text(), QStringLiteral("1234 lap times read, 3 records set."));
    QCOMPARE(labelTime->text(), QString());
    // Every line whole: the window is as wide as its longest.
    const QFontMetrics fm(list->font());
    for (const QString& line : r.lines())
        QVERIFY2(fm.horizontalAdvance(line) < list->viewport()->width(), qPrintable(line));

    QSignalSpy closed(&r, &RecordingWindow::closedByOk);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!r.isVisible());
    QCOMPARE(closed.count(), 1);

    // The next reading starts with an empty list, reading again.
    r.begin();
    QVERIFY(r.lines().isEmpty());
    QCOMPARE(r.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Reading Gp2Lap.Log..."));

    // Closed by its title bar once finished, the window acts as its Ok.
    r.addRecord(QStringLiteral("Hill Loop"), QStringLiteral("1:30.000"), QStringLiteral("Race"),
                TimeField::Race, QString());
    QCOMPARE(r.lines().size(), 2);
    QVERIFY(r.finish());
    QCOMPARE(label->text(), QStringLiteral("1 record set."));
    r.close();
    QVERIFY(!r.isVisible());
    QCOMPARE(closed.count(), 2);
}

// A second record of one track and kind replaces the first and is measured against the best
// before the reading, wherever the names are one key.
void RecordingWindowTest::oneTrackHoweverItsNameIsCased_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("lines");
    const QString race = QStringLiteral(" Quick/non-championship/championship race");
    QTest::newRow("ASCII") << "Hill Loop"
                           << "HILL LOOP"
                           << QStringList{"Reached a record at HILL LOOP",
                                          "     1:25.000, 5.000 faster than 1:30.000," + race};
    QTest::newRow("a letter outside A-Z")
        << QString::fromUtf8("\u00c9ire") << QString::fromUtf8("\u00e9ire")
        << QStringList{QString::fromUtf8("Reached a record at \u00e9ire"),
                       "     1:25.000, 5.000 faster than 1:30.000," + race};
    QTest::newRow("another track")
        << QString::fromUtf8("\u00c9ire") << "Eire"
        << QStringList{QString::fromUtf8("Reached a record at \u00c9ire"),
                       "     1:26.000, 4.000 faster than 1:30.000," + race,
                       "Reached a record at Eire",
                       "     1:25.000, 1.000 faster than 1:26.000," + race};
}

void RecordingWindowTest::oneTrackHoweverItsNameIsCased() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, lines);
    const QString race = QStringLiteral("Quick/non-championship/championship race");
    RecordingWindow r;
    r.begin();
    r.addRecord(first, QStringLiteral("1:26.000"), race, TimeField::Race,
                QStringLiteral("1:30.000"));
    r.addRecord(second, QStringLiteral("1:25.000"), race, TimeField::Race,
                QStringLiteral("1:26.000"));
    QCOMPARE(r.lines(), lines);
}

void RecordingWindowTest::nothingRecordedClosesAtOnce() {
    RecordingWindow r;
    r.begin();
    r.setTime(QStringLiteral("1:30.000"));
    QVERIFY(!r.finish());
    QVERIFY(!r.isVisible());
}

QTEST_MAIN(RecordingWindowTest)
#include "recording_window_test.moc"
