// The log import on a real main window: slot lines load the game's slot files, better times
// land in the open lap time database, and the record window lists them.
#include "laptimes/best_time_store.h"
#include "laptimes/lap_history.h"
#include "laptimes/ui/lap_time_table.h"
#include "laptimes/ui/log_import.h"
#include "platform/gamepath.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/main_window_fixture.h"
#include "trackfile/circuit_columns.h"
#include "trackfile/ui/track_info_panel.h"

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QXYSeries>

using namespace pistaro;
using samplegame::logSlotLine;

namespace {

const QString kRace = QStringLiteral("Quick/non-championship/championship race");

void writeLog(MainWindowFixture& fx, const QStringList& lines) {
    QVERIFY(writeFile(gamepath::join(fx.gameDir(), QStringLiteral("gp2lap.log")),
                      (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1()));
}

QString stored(MainWindowFixture& fx, const QString& track, const QString& field) {
    const auto v = testrows::track(fx.bas, track, field);
    return v ? v->toString() : QStringLiteral("<no row>");
}

QWidget* recording() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Recording"))
            return w;
    return nullptr;
}

QStringList recordLines() {
    QStringList out;
    if (QWidget* r = recording())
        if (auto* list = r->findChild<QListWidget*>(QStringLiteral("List1")))
            for (int i = 0; i < list->count(); ++i)
                out << list->item(i)->text();
    return out;
}

// Clicks the import button; the main window is shown first so its hiding can be seen.
void import(MainWindow& frm) {
    frm.show();
    QTest::mouseClick(frm.LapLog->GetGp2Lap, Qt::LeftButton);
}

} // namespace

class LogImportTest final : public QObject {
    Q_OBJECT
private slots:
    void sample_log_records_and_waits_for_ok();
    void nothing_recorded_closes_at_once();
    void monaco_and_unrecognized_circuits();
    void only_better_times_replace_stored_ones();
    void store_sees_names_as_the_catalogue_does();
    void two_imports_keep_the_history_and_the_chart_shows_it();
    void a_log_is_read_once_data();
    void a_log_is_read_once();
    void names_differing_in_case_beyond_ascii_are_one_track();
    void a_slot_line_makes_the_row_from_its_circuit();
    void a_failed_import_keeps_nothing_and_the_log();
};

void LogImportTest::sample_log_records_and_waits_for_ok() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    // A circuit selected in the main window comes back into the panel afterwards.
    const QString selected = fx.circuit(QStringLiteral("monza2001.dat"));
    fx.bas.SelectedFile = selected;
    const QString interlagos3 = samplegame::originalName(3);
    const QString monteCarlo = samplegame::originalName(4);

    import(frm);
    QCOMPARE(stored(fx, interlagos3, "Practice Time"), QStringLiteral("1:29.877"));
    QCOMPARE(stored(fx, interlagos3, "Qualifying Time"), QStringLiteral("1:28.512"));
    QCOMPARE(stored(fx, interlagos3, "Race Time"), QStringLiteral("1:30.555"));
    QCOMPARE(stored(fx, interlagos3, "Warm Up Time"), QString());
    QCOMPARE(stored(fx, monteCarlo, "Practice Time"), QStringLiteral("1:25.318"));
    QCOMPARE(stored(fx, monteCarlo, "Qualifying Time"), QStringLiteral("1:23.660"));
    QCOMPARE(stored(fx, monteCarlo, "Warm Up Time"), QStringLiteral("1:24.875"));
    QCOMPARE(stored(fx, monteCarlo, "Race Time"), QStringLiteral("1:24.119"));

    const QStringList lines = recordLines();
    // Five records on each of the two slots, of which three and four stand: a later lap of the
    // same session beat the practice and race times of slot 3 and the race time of slot 4.
    QCOMPARE(lines.size(), 2 * 7);
    QCOMPARE(lines.first(), "Reached a record at " + interlagos3);
    QCOMPARE(lines.at(1), QStringLiteral("     1:29.877 Unlimited practice"));
    QCOMPARE(lines.last(), "     1:24.119 " + kRace);

    QWidget* window = recording();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Record Status"));
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("Ok"));
    QVERIFY(ok->isEnabled());
    QVERIFY(frm.isVisible());
    QCOMPARE(fx.bas.CurrentFile, selected);
    QCOMPARE(frm.Panel->Track->text(), QStringLiteral("Monza 2001"));

    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QVERIFY(frm.isVisible());

    // The same log again (Setup says neither delete nor rename) is not read again: the window
    // does not wait, the panel is emptied when nothing is selected, and the log is left as it was.
    const QByteArray log = readFile(gamepath::join(fx.gameDir(), "gp2lap.log"));
    fx.bas.SelectedFile.clear();
    fx.takeMessages();
    import(frm);
    QVERIFY(recordLines().isEmpty());
    QCOMPARE(fx.takeMessages().join(u'|'),
             "Nothing new was found in " +
                 QDir::toNativeSeparators(gamepath::join(fx.gameDir(), "gp2lap.log")) +
                 ": its lap times were imported before.");
    QVERIFY(!window->isVisible());
    QVERIFY(frm.isVisible());
    QCOMPARE(frm.Panel->Track->text(), QString());
    QCOMPARE(readFile(gamepath::join(fx.gameDir(), "gp2lap.log")), log);
    QCOMPARE(stored(fx, monteCarlo, "Race Time"), QStringLiteral("1:24.119"));
}

void LogImportTest::nothing_recorded_closes_at_once() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    const int rows = testrows::trackCount(fx.bas);

    // The session lines come before the first slot line, so its lap belongs to no session.
    writeLog(fx, {QStringLiteral("Country: Brazil"), QStringLiteral("Mode: Unlimited practice"),
                  QStringLiteral("  Lap 1, time 1:20.000"), logSlotLine(3),
                  QStringLiteral("  Lap 2, time 1:21.000"), QStringLiteral("Track 00 from slot"),
                  QStringLiteral("  Lap 3, time -:--.---")});
    import(frm);
    QVERIFY(recordLines().isEmpty());
    QVERIFY(recording() && !recording()->isVisible());
    QVERIFY(frm.isVisible());
    QCOMPARE(stored(fx, samplegame::originalName(3), "Practice Time"), QString());
    QCOMPARE(testrows::trackCount(fx.bas), rows);

    // No log at all: the same.
    QVERIFY(QFile::remove(gamepath::join(fx.gameDir(), QStringLiteral("gp2lap.log"))));
    import(frm);
    QVERIFY(!recording()->isVisible());
    QVERIFY(frm.isVisible());
}

void LogImportTest::monaco_and_unrecognized_circuits() {
    MainWindowFixture fx;
    // Slot 5 holds an add-on named "Monaco", slot 6 a file with no block and no original length.
    QVERIFY(writeFile(
        fx.circuit(QStringLiteral("f1ct05.dat")),
        samplegame::circuit(40000, samplegame::addonFields("Monaco", "Principality", 78))));
    QVERIFY(writeFile(fx.circuit(QStringLiteral("f1ct06.dat")), samplegame::circuit(12345)));
    MainWindow& frm = fx.start();
    testrows::setTrack(fx.bas, "Monte-Carlo", "Race Time", QStringLiteral("1:30.000"));

    writeLog(fx,
             {logSlotLine(5), QStringLiteral("Country: Monaco"), "Mode: " + kRace,
              QStringLiteral("  Lap 1, time 1:23.456"), logSlotLine(6),
              QStringLiteral("Country: Nowhere"), QStringLiteral("Mode: Test drive"),
              QStringLiteral("  Lap 1, time 1:40.000"), QStringLiteral("Mode: Unlimited practice"),
              QStringLiteral("  Lap 2, time 1:39.000")});
    import(frm);

    QCOMPARE(stored(fx, "Monte-Carlo", "Race Time"), QStringLiteral("1:23.456"));
    QCOMPARE(stored(fx, "Monaco", "Race Time"),
             QString()); // the circuit's own row, made by its loading
    // A file that is no circuit has no track: its laps are not filed under any name.
    QVERIFY(!testrows::track(fx.bas, QStringLiteral("File not recognized."), "Country"));
    QCOMPARE(recordLines(), (QStringList{"Reached a record at Monte-Carlo",
                                         "     1:23.456, 6.544 faster than 1:30.000, " + kRace}));
}

void LogImportTest::only_better_times_replace_stored_ones() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    const QString track = samplegame::originalName(3);
    testrows::setTrack(fx.bas, track, "Warm Up Time", QStringLiteral("1:20.000"));
    testrows::setTrack(fx.bas, track, "Qualifying Time", QStringLiteral("1:30.000"));
    testrows::setTrack(fx.bas, track, "Race Time", QStringLiteral("1:40.000"));
    testrows::setTrack(fx.bas, track, "Practice Time", QStringLiteral("1:10.000"));

    writeLog(fx,
             {logSlotLine(3),
              // A warm up time that does not beat the warm up is tried as qualifying.
              QStringLiteral("Mode: warm up after qualifying"),
              QStringLiteral("  Lap 1, time 1:25.000"),
              // Equal is no record; smaller is; a lap without time never is.
              "Start of session:  " + kRace, QStringLiteral("  Lap 1, time 1:40.000"),
              QStringLiteral("  Lap 2, time -:--.---"), QStringLiteral("  Lap 3, time 1:39.999"),
              // The last session line before a time wins; text order: 1:02 beats 1:10.
              "Mode: " + kRace, QStringLiteral("Load of session:  Unlimited practice"),
              QStringLiteral("  Lap 1, time 1:02.345"),
              // A warm up only session drops a time that does not beat the warm up.
              QStringLiteral("Mode: Sunday warm up"), QStringLiteral("  Lap 1, time 1:20.500")});
    import(frm);
    QCOMPARE(stored(fx, track, "Warm Up Time"), QStringLiteral("1:20.000"));
    QCOMPARE(stored(fx, track, "Qualifying Time"), QStringLiteral("1:25.000"));
    QCOMPARE(stored(fx, track, "Race Time"), QStringLiteral("1:39.999"));
    QCOMPARE(stored(fx, track, "Practice Time"), QStringLiteral("1:02.345"));
    QCOMPARE(recordLines(),
             (QStringList{"Reached a record at " + track,
                          "     1:25.000, 5.000 faster than 1:30.000, warm up after qualifying",
                          "Reached a record at " + track,
                          "     1:39.999, 0.001 faster than 1:40.000, " + kRace,
                          "Reached a record at " + track,
                          "     1:02.345, 7.655 faster than 1:10.000, Unlimited practice"}));
    // The panel shows the stored times of a track loaded after the import.
    fx.bas.CurrentFile = fx.circuit(QStringLiteral("f1ct03.dat"));
    frm.Panel->GetInfo();
    QCOMPARE(TrackInfoPanel::maskedValue(frm.Panel->QTime), QStringLiteral("125000"));
}

void LogImportTest::store_sees_names_as_the_catalogue_does() {
    MainWindowFixture fx;
    fx.start();
    testrows::setTrack(fx.bas, samplegame::originalName(1), "Race Time",
                       QStringLiteral("1:30.000"));
    std::optional<BestTimeStore> store;
    store.emplace(*fx.bas.Db, *fx.bas.TracksRs, QDateTime::currentDateTime());
    auto file = [&](const QString& track, const QString& time) {
        return store->file(LoggedLap{track, QStringLiteral("Brazil"), kRace, time}).field;
    };
    const QString name = samplegame::originalName(1);
    // The catalogue's index takes names that differ in ASCII case for one row, so a time
    // remembered under one spelling must count for the other.
    QCOMPARE(file(name.toUpper(), "1:31.000"), TimeField::None);
    QCOMPARE(file(name, "1:29.000"), TimeField::Race);
    QCOMPARE(file(name.toUpper(), "1:29.500"), TimeField::None);
    // A new track gets its row once, with the country and empty times.
    const int rows = testrows::trackCount(fx.bas);
    QCOMPARE(file("Nowhere Ring", "1:10.000"), TimeField::Race);
    QCOMPARE(file("NOWHERE RING", "1:09.000"), TimeField::Race);
    QCOMPARE(testrows::trackCount(fx.bas), rows + 1);
    // The times are written when the import is committed; a store ended without commit keeps
    // nothing, not even the rows it made.
    QCOMPARE(stored(fx, name, "Race Time"), QStringLiteral("1:30.000"));
    store->commit({}, 5);
    store.reset();
    QCOMPARE(stored(fx, name, "Race Time"), QStringLiteral("1:29.000"));
    QCOMPARE(stored(fx, "Nowhere Ring", "Country"), QStringLiteral("Brazil"));
    QCOMPARE(stored(fx, "Nowhere Ring", "Race Time"), QStringLiteral("1:09.000"));
    QCOMPARE(stored(fx, "Nowhere Ring", "Practice Time"), QString());
    store.emplace(*fx.bas.Db, *fx.bas.TracksRs, QDateTime::currentDateTime());
    QCOMPARE(file("Elsewhere Ring", "1:10.000"), TimeField::Race);
    store.reset();
    QCOMPARE(testrows::trackCount(fx.bas), rows + 1);
}

void LogImportTest::two_imports_keep_the_history_and_the_chart_shows_it() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    const QString track = samplegame::originalName(3);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    writeLog(fx,
             {logSlotLine(3), QStringLiteral("Mode: Unlimited practice"),
              QStringLiteral("  Lap 1, time 1:31.000"), QStringLiteral("  Lap 2, time 1:30.000"),
              QStringLiteral("Load of session:  Friday qualifying"),
              QStringLiteral("  Lap 1, time 1:29.000")});
    import(frm);
    QCOMPARE(recordLines(),
             (QStringList{"Reached a record at " + track, "     1:30.000 Unlimited practice",
                          "Reached a record at " + track, "     1:29.000 Friday qualifying"}));
    // The next game is filed at a later second: History tells games apart by their date.
    const qint64 firstGame = QDateTime::currentSecsSinceEpoch();
    QTRY_VERIFY(QDateTime::currentSecsSinceEpoch() > firstGame);
    writeLog(fx,
             {logSlotLine(3), QStringLiteral("Mode: Unlimited practice"),
              QStringLiteral("  Lap 1, time 1:29.500"), QStringLiteral("  Lap 2, time 1:29.400"),
              QStringLiteral("Load of session:  Friday qualifying"),
              QStringLiteral("  Lap 1, time 1:29.100")});
    import(frm);
    // The record that stands, against the best before this import.
    QCOMPARE(recordLines(), (QStringList{"Reached a record at " + track,
                                         "     1:29.400, 0.600 faster than 1:30.000, "
                                         "Unlimited practice"}));
    QCOMPARE(stored(fx, track, "Practice Time"), QStringLiteral("1:29.400"));

    // Every record of both imports, each with the best it beat.
    const QList<HistoryRecord> history =
        readHistory(*fx.bas.Db->openTable(QStringLiteral("History")));
    QStringList rows;
    for (const HistoryRecord& r : history) {
        rows << QStringList{r.track, sessionName(r.session), r.time, r.previousBest}.join(u'|');
        QVERIFY(r.date >= before && r.date <= QDateTime::currentDateTime());
    }
    // One row per session and game: its best, against the best before the game.
    QCOMPARE(rows, (QStringList{track + "|Practice|1:30.000|", track + "|Qualifying|1:29.000|",
                                track + "|Practice|1:29.400|1:30.000"}));

    // The Lap Time Table lists the games of the selected track, newest first, each with the
    // improvement Record Status gave for it, and charts them.
    LapTimeTable grid(frm, fx.bas.DbName, &frm);
    grid.load();
    auto* chart = grid.findChild<QChartView*>(QStringLiteral("LapHistoryChart"));
    QVERIFY(chart);
    QVERIFY(chart->chart()->series().isEmpty());
    const auto rowOf = grid.DBGrid1->findItems(track, Qt::MatchExactly);
    QCOMPARE(rowOf.size(), 1);
    grid.DBGrid1->setCurrentCell(rowOf.first()->row(), 0);
    auto* list = grid.findChild<QTableWidget*>(QStringLiteral("HistoryList"));
    QCOMPARE(list->rowCount(), 3);
    QStringList newest;
    for (int c = 1; c < list->columnCount(); ++c)
        newest << list->item(0, c)->text();
    QCOMPARE(newest, (QStringList{"Practice", "1:29.400", "1:30.000", "-0.600"}));
    QCOMPARE(list->item(2, 4)->text(), QString()); // the first game beat nothing
    QMap<QString, QList<double>> points;
    for (QAbstractSeries* series : chart->chart()->series())
        for (const QPointF& p : static_cast<QXYSeries*>(series)->points())
            points[series->name()] << p.y();
    QCOMPARE(points,
             (QMap<QString, QList<double>>{{"Practice", {90.0, 89.4}}, {"Qualifying", {89.0}}}));
}

// Setup's choice is carried out after a reading; with neither, the log stays and the next
// reading passes by what this one read, also when the lap timer appended to it.
void LogImportTest::a_log_is_read_once_data() {
    QTest::addColumn<bool>("deleteLog");
    QTest::addColumn<bool>("renameLog");
    QTest::addColumn<QString>("left");
    QTest::newRow("neither") << false << false << "gp2lap.log";
    QTest::newRow("delete") << true << false << "";
    QTest::newRow("rename") << false << true << "Lt000000.log";
    QTest::newRow("both: rename wins") << true << true << "Lt000000.log";
}
void LogImportTest::a_log_is_read_once() {
    QFETCH(bool, deleteLog);
    QFETCH(bool, renameLog);
    QFETCH(QString, left);
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    fx.bas.DeleteLogFile = deleteLog;
    fx.bas.RenameLogFile = renameLog;
    const QString track = samplegame::originalName(3);
    const QStringList first{logSlotLine(3), "Mode: " + kRace, "  Lap 1, time 1:40.000"};
    writeLog(fx, first);
    const QByteArray firstLog = readFile(gamepath::join(fx.gameDir(), "gp2lap.log"));
    import(frm);
    QCOMPARE(stored(fx, track, "Race Time"), QStringLiteral("1:40.000"));
    QStringList files = QDir(fx.gameDir()).entryList({"*.log"}, QDir::Files);
    QCOMPARE(files, left.isEmpty() ? QStringList() : QStringList{left});
    if (!left.isEmpty())
        QCOMPARE(readFile(gamepath::join(fx.gameDir(), left)), firstLog);

    // The lap timer appends a second game; a slower lap of the first is not filed again.
    writeLog(fx, left == "gp2lap.log"
                     ? first + QStringList{logSlotLine(3), "  Lap 2, time 1:39.000"}
                     : QStringList{logSlotLine(3), "Mode: " + kRace, "  Lap 2, time 1:39.000"});
    testrows::setTrack(fx.bas, track, "Race Time", QStringLiteral("1:45.000"));
    import(frm);
    QCOMPARE(stored(fx, track, "Race Time"), QStringLiteral("1:39.000"));
    QCOMPARE(recordLines(), (QStringList{"Reached a record at " + track,
                                         "     1:39.000, 6.000 faster than 1:45.000, " + kRace}));
    const auto imports = fx.bas.Db->openTable(QStringLiteral("Log Imports"));
    QCOMPARE(imports->recordCount(), 2);
}

// Éire and éire are one track for the catalogue's lookup, the race time column, the times
// filed, their history and Record Status; of two rows already stored, the oldest is taken.
void LogImportTest::names_differing_in_case_beyond_ascii_are_one_track() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    testrows::addTrack(fx.bas, QStringLiteral("ÉIRE"), QStringLiteral("1:30.000"));
    testrows::addTrack(fx.bas, QStringLiteral("éire"), QStringLiteral("1:25.000"));
    const int rows = testrows::trackCount(fx.bas);
    QCOMPARE(stored(fx, "Éire", "Race Time"), QStringLiteral("1:30.000"));
    QVERIFY(writeFile(fx.circuit(QStringLiteral("f1ct05.dat")),
                      samplegame::circuit(40000, samplegame::addonFields("éire", "Ireland", 60))));
    circuitcolumns::CatalogueValues values = circuitcolumns::readCatalogueValues(*fx.bas.TracksRs);
    QCOMPARE(circuitcolumns::raceTimeOf(values, "Éire"), QStringLiteral("1:30.000"));

    writeLog(fx,
             {logSlotLine(5), "Mode: " + kRace, "  Lap 1, time 1:29.000", "  Lap 2, time 1:28.000",
              QStringLiteral("Track 05 from slot 5"), "  Lap 3, time 1:28.500"});
    import(frm);
    QCOMPARE(testrows::trackCount(fx.bas), rows);
    QCOMPARE(stored(fx, "ÉIRE", "Race Time"), QStringLiteral("1:28.000"));
    QCOMPARE(stored(fx, "éire", "Race Time"), QStringLiteral("1:28.000"));
    values = circuitcolumns::readCatalogueValues(*fx.bas.TracksRs);
    QCOMPARE(circuitcolumns::raceTimeOf(values, "éIRE"), QStringLiteral("1:28.000"));
    QCOMPARE(recordLines(), (QStringList{"Reached a record at éire",
                                         "     1:28.000, 2.000 faster than 1:30.000, " + kRace}));
    const QList<HistoryRecord> history =
        historyOf(readHistory(*fx.bas.Db->openTable(QStringLiteral("History"))), "Éire");
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.first().track, QStringLiteral("ÉIRE"));
    QCOMPARE(history.first().previousBest, QStringLiteral("1:30.000"));
}

void LogImportTest::a_slot_line_makes_the_row_from_its_circuit() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    // The slot's circuit is put there after the start, so only the import can make its row.
    QVERIFY(writeFile(
        fx.circuit(QStringLiteral("f1ct07.dat")),
        samplegame::circuit(41000, samplegame::addonFields("Brands Test", "England", 55))));
    writeLog(fx,
             {logSlotLine(7), QStringLiteral("Country: Somewhere else"), "Mode: Unlimited practice",
              "  Lap 1, time 1:10.000", "  Lap 2, time 0:99.999", "  Lap 3, time 1:1x.000"});
    import(frm);
    QCOMPARE(recording()->findChild<QLabel*>(QStringLiteral("Label"))->text(),
             QStringLiteral("1 lap time read, 1 record set. 2 lines were skipped, the first: "
                            "\"Lap 2, time 0:99.999\"."));
    QCOMPARE(stored(fx, "Brands Test", "Country"), QStringLiteral("England"));
    QCOMPARE(stored(fx, "Brands Test", "Practice Time"), QStringLiteral("1:10.000"));
}

// A reading the database refuses keeps nothing of it, and the log stays to be read again; the
// lines whose time is no lap time are counted, the first one quoted.
void LogImportTest::a_failed_import_keeps_nothing_and_the_log() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    fx.bas.DeleteLogFile = true;
    const QString track = samplegame::originalName(3);
    // The last step of the reading fails: its table has lost the fields it writes.
    QVERIFY(testrows::runSql(fx.database(), "DROP TABLE \"Log Imports\"; CREATE TABLE \"Log "
                                            "Imports\"(x INTEGER);"));
    writeLog(fx, {logSlotLine(3), "Mode: " + kRace, "  Lap 1, time 0:99.999",
                  "  Lap 2, time 1:40.000", "  Lap 3, time 9:99.999"});
    fx.takeMessages();
    import(frm);
    QCOMPARE(stored(fx, track, "Race Time"), QString());
    QVERIFY(QFile::exists(gamepath::join(fx.gameDir(), "gp2lap.log")));
    QVERIFY(fx.bas.KeepLapLog);
    const QStringList said = fx.takeMessages();
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains("Nothing of this reading was kept"), qPrintable(said.first()));
}

QTEST_MAIN(LogImportTest)
#include "log_import_test.moc"
