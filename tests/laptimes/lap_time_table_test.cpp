// The window "Lap Time Table" on a real main window and database: the rows and columns it
// shows, the games of the selected track listed and charted, and print.spl written from them
// and handed to the desktop's editor.
#include "laptimes/ui/lap_history_view.h"
#include "storage/ui/database_list.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/window_per_function.h"
#include "ui/item_text.h"

#include "laptimes/ui/lap_time_table.h"
#include "storage/engine.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace pistaro;

namespace {
const QString kSetupField = QStringLiteral("Car Setup Information");

const QDateTime kEvening(QDate(2026, 3, 1), QTime(20, 0));

// "track|session|time|previous best|minutes after kEvening" ("" for no date).
HistoryRecord historyRow(const QString& text) {
    const QStringList f = text.split(u'|');
    return {f.at(0), sessionOfName(f.at(1)), f.at(2), f.at(3),
            f.at(4).isEmpty() ? QDateTime() : kEvening.addSecs(60 * f.at(4).toLongLong())};
}
QString historyText(const HistoryRecord& r) {
    return QStringList{r.track, sessionName(r.session), r.time, r.previousBest,
                       r.date.isValid() ? QString::number(kEvening.secsTo(r.date) / 60) : ""}
        .join(u'|');
}
} // namespace

class LapTimeTableTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    QTemporaryDir config_;

    void setTimes(const QString& track, const QString& warmUp, const QString& practice,
                  const QString& qualifying, const QString& race) {
        const QStringList fields{QStringLiteral("Warm Up Time"), QStringLiteral("Practice Time"),
                                 QStringLiteral("Qualifying Time"), QStringLiteral("Race Time")};
        const QStringList values{warmUp, practice, qualifying, race};
        for (int i = 0; i < 4; ++i)
            testrows::setTrack(bas(), track, fields.at(i),
                               values.at(i).isEmpty() ? QVariant() : QVariant(values.at(i)));
    }
    void keepOnly(const QString& track) {
        Recordset& rs = *bas().TracksRs;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            if (rs.text(QStringLiteral("Name")) != track)
                rs.deleteCurrent();
    }

private slots:
    // The window keeps its size in the machine's settings: here a scratch location's.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit()); }
    void init() { QVERIFY(open()); }
    void cleanup() { close(); }

    void shows_the_tracks_rows_in_five_columns() {
        setTimes(QStringLiteral("Monte-Carlo"), "1:25.000", "1:22.500", {}, "1:23.456");
        LapTimeTable grid(*fx->frm, fx->frm->Databases->DbCombo->currentText(), fx->frm.get());
        grid.load();
        QCOMPARE(grid.windowTitle(), QStringLiteral("Lap Time Table"));
        QTableWidget* table = grid.findChild<QTableWidget*>(QStringLiteral("DBGrid1"));
        QVERIFY(table);
        QCOMPARE(table->columnCount(), 5);
        const QStringList captions{"Name", "Warm up time", "Practice Time", "Qualifying Time",
                                   "Race Time"};
        for (int c = 0; c < 5; ++c)
            QCOMPARE(table->horizontalHeaderItem(c)->text(), captions.at(c));
        QCOMPARE(table->rowCount(), testrows::trackCount(bas()));
        QCOMPARE(table->rowCount(), 16);
        QList<QStringList> rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < 5; ++c)
                row << table->item(r, c)->text();
            rows << row;
        }
        // In name order; the stored times as they are, an empty field as nothing.
        QCOMPARE(rows.first().first(), QStringLiteral("Adelaide"));
        QCOMPARE(rows.last().first(), QStringLiteral("TI Circuit Aida"));
        QVERIFY(rows.contains(QStringList{"Monte-Carlo", "1:25.000", "1:22.500", "", "1:23.456"}));
        QVERIFY(rows.contains(QStringList{"Imola", "", "", "", ""}));
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void every_cell_shows_its_whole_text_data() {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("the desktop's font") << 0;
        QTest::newRow("a large font") << 13;
    }
    void every_cell_shows_its_whole_text() {
        QFETCH(int, pointSize);
        const QFont before = QApplication::font();
        if (pointSize) {
            QFont large = before;
            large.setPointSize(pointSize);
            QApplication::setFont(large);
        }
        setTimes(QStringLiteral("Monte-Carlo"), "1:25.000", "11:22.500", {}, "1:23.456");
        testrows::setTrack(bas(), QStringLiteral("Adelaide"), QStringLiteral("Name"),
                           QStringLiteral("Adelaide Street Circuit (1985)"));
        LapTimeTable grid(*fx->frm, fx->frm->Databases->DbCombo->currentText(), fx->frm.get());
        grid.load();
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QTableWidget* table = grid.DBGrid1;
        const QFontMetrics cells(table->font());
        const QFontMetrics captions(table->horizontalHeader()->font());
        // The padding an item view gives a text on either side, and the grid line.
        const int padding = itemTextPadding(*table) + (table->showGrid() ? 1 : 0);
        QStringList cut;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QString caption = table->horizontalHeaderItem(c)->text();
            if (captions.horizontalAdvance(caption) + padding > table->columnWidth(c))
                cut << caption;
            for (int r = 0; r < table->rowCount(); ++r) {
                const QString text = table->item(r, c)->text();
                if (cells.horizontalAdvance(text) + padding > table->columnWidth(c))
                    cut << QStringLiteral("%1 in %2").arg(text, caption);
            }
        }
        // One line per row, and all columns in view without scrolling sideways where the
        // screen is wide enough for them.
        QCOMPARE(table->rowHeight(0), table->verticalHeader()->defaultSectionSize());
        if (grid.width() < grid.screen()->availableGeometry().width())
            QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
        QApplication::setFont(before);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }

    void keeps_the_size_the_user_gave_it() {
        QSize chosen;
        {
            LapTimeTable grid(*fx->frm, fx->frm->Databases->DbCombo->currentText(), fx->frm.get());
            grid.load();
            chosen = grid.size() - QSize(37, 23);
            QTimer::singleShot(0, &grid, [&] {
                grid.resize(chosen);
                grid.Ok->click();
            });
            QCOMPARE(grid.exec(), int(QDialog::Accepted));
        }
        LapTimeTable again(*fx->frm, fx->frm->Databases->DbCombo->currentText(), fx->frm.get());
        again.load();
        QCOMPARE(again.size(), chosen);
    }

    void history_shows_one_entry_per_game_data() {
        QTest::addColumn<QStringList>("rows");  // as filed
        QTest::addColumn<QString>("track");     // historyOf that track first; "" for all
        QTest::addColumn<QStringList>("games"); // gamesOf
        // Older imports filed a row for each faster lap of a game.
        QTest::newRow("two games of improving laps")
            << QStringList{"Monza|Practice|1:31.000||0", "Monza|Practice|1:30.000|1:31.000|0",
                           "Monza|Qualifying|1:29.000||0", "Monza|Practice|1:29.500|1:30.000|1",
                           "Monza|Practice|1:29.400|1:29.500|1"}
            << ""
            << QStringList{"Monza|Practice|1:30.000||0", "Monza|Qualifying|1:29.000||0",
                           "Monza|Practice|1:29.400|1:30.000|1"};
        // One track however the case of its letters, also outside A-Z, was written.
        QTest::newRow("names differing in the case of a non-ASCII letter")
            << QStringList{"\u00c9ire|Race|1:26.000|1:30.000|5",
                           "\u00e9ire|Race|1:25.000|1:26.000|5", "Eire|Race|1:27.000||5"}
            << "" << QStringList{"\u00c9ire|Race|1:25.000|1:30.000|5", "Eire|Race|1:27.000||5"};
        QTest::newRow("the history of a name differing in the case of a non-ASCII letter")
            << QStringList{"\u00e9ire|Race|1:26.000|1:30.000|5", "Eire|Race|1:27.000||5",
                           "\u00c9IRE|Race|1:25.000|1:26.000|9"}
            << "\u00c9ire"
            << QStringList{"\u00e9ire|Race|1:26.000|1:30.000|5",
                           "\u00c9IRE|Race|1:25.000|1:26.000|9"};
        QTest::newRow("tracks of one game filed in turn")
            << QStringList{"Monza|Race|1:28.000|1:29.000|0", "Imola|Race|1:40.000||0",
                           "Monza|Race|1:27.500|1:28.000|0"}
            << "" << QStringList{"Monza|Race|1:27.500|1:29.000|0", "Imola|Race|1:40.000||0"};
        QTest::newRow("one row per game already")
            << QStringList{"Monza|Race|1:28.000|1:29.000|0", "Monza|Race|1:27.000|1:28.000|2"}
            << "Monza"
            << QStringList{"Monza|Race|1:28.000|1:29.000|0", "Monza|Race|1:27.000|1:28.000|2"};
        QTest::newRow("rows without a date stand alone")
            << QStringList{"Monza|Race|1:28.000|1:29.000|", "Monza|Race|1:27.000|1:28.000|"} << ""
            << QStringList{"Monza|Race|1:28.000|1:29.000|", "Monza|Race|1:27.000|1:28.000|"};
    }
    void history_shows_one_entry_per_game() {
        QFETCH(QStringList, rows);
        QFETCH(QString, track);
        QFETCH(QStringList, games);
        QList<HistoryRecord> filed;
        for (const QString& row : rows)
            filed << historyRow(row);
        if (!track.isEmpty())
            filed = historyOf(filed, track);
        QStringList got;
        for (const HistoryRecord& game : gamesOf(filed))
            got << historyText(game);
        QCOMPARE(got, games);
    }

    // The chart of the selected track: a point per game, on axes whose labels can be told apart
    // and read; a track without games says so instead.
    void history_chart_has_readable_axes_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("labelShape"); // of the time axis; "" for no chart
        QTest::newRow("two games a minute apart")
            << QStringList{"Monza|Race|1:28.313||0", "Monza|Race|1:28.100|1:28.313|1"} << "hh:mm";
        QTest::newRow("two games on one day")
            << QStringList{"Monza|Race|1:28.313||0", "Monza|Qualifying|1:26.040||0",
                           "Monza|Race|1:27.118|1:28.313|150"}
            << "hh:mm";
        QTest::newRow("one game") << QStringList{"Monza|Qualifying|1:26.040||0"} << "hh:mm";
        QTest::newRow("games across midnight")
            << QStringList{"Monza|Race|1:28.313||0", "Monza|Race|1:27.118|1:28.313|300"}
            << "MM-dd hh:mm";
        QTest::newRow("a season") << QStringList{"Monza|Qualifying|1:26.040||0",
                                                 "Monza|Qualifying|1:25.517|1:26.040|12960",
                                                 "Monza|Race|1:27.118|1:28.313|33120",
                                                 "Monza|Qualifying|1:24.870|1:25.517|57600"}
                                  << "yyyy-MM-dd";
        QTest::newRow("years and seconds apart")
            << QStringList{"Monza|Race|9:59.999||0", "Monza|Race|0:59.001|9:59.999|2000000"}
            << "yyyy-MM-dd";
        QTest::newRow("no history") << QStringList{} << "";
    }
    void history_chart_has_readable_axes() {
        QFETCH(QStringList, rows);
        QFETCH(QString, labelShape);
        keepOnly(QStringLiteral("Monza"));
        {
            const std::unique_ptr<Recordset> history =
                bas().Db->openTable(QStringLiteral("History"));
            for (const QString& row : rows)
                appendHistory(*history, historyRow(row));
        }
        LapTimeTable grid(*fx->frm, fx->frm->Databases->DbCombo->currentText(), fx->frm.get());
        grid.load();
        grid.DBGrid1->setCurrentCell(0, 0);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QTest::qWait(50); // the time axis follows the chart's width once it is laid out
        QChart* chart = grid.History->LapHistoryChart->chart();
        QCOMPARE(grid.History->HistoryList->rowCount(), rows.size());
        if (labelShape.isEmpty()) {
            QVERIFY(!grid.History->LapHistoryChart->isVisible());
            QVERIFY(grid.History->NoHistory->isVisible());
            QCOMPARE(grid.History->NoHistory->text(),
                     QStringLiteral("No records of this track yet."));
            QVERIFY(chart->series().isEmpty());
            return;
        }
        QVERIFY(grid.History->LapHistoryChart->isVisible());
        QVERIFY(!grid.History->NoHistory->isVisible());
        auto* dates = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
        auto* times = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Vertical).value(0));
        QVERIFY(dates && times);
        QCOMPARE(dates->format(), labelShape);
        // The labels at the ticks, as the axis writes them: each its own.
        QStringList dateLabels;
        const qint64 from = dates->min().toMSecsSinceEpoch(), to = dates->max().toMSecsSinceEpoch();
        for (int i = 0; i < dates->tickCount(); ++i)
            dateLabels << QDateTime::fromMSecsSinceEpoch(from +
                                                         (to - from) * i / (dates->tickCount() - 1))
                              .toString(labelShape);
        QCOMPARE(QSet<QString>(dateLabels.begin(), dateLabels.end()).size(), dateLabels.size());
        QVERIFY2(dates->tickCount() >= 2 && dates->tickCount() <= 6,
                 qPrintable(dateLabels.join(' ')));
        // Side by side without eliding each other.
        const QFontMetrics labelMetrics(dates->labelsFont());
        int widest = 0;
        for (const QString& label : dateLabels)
            widest = std::max(widest, labelMetrics.horizontalAdvance(label));
        QVERIFY2(chart->plotArea().width() / (dates->tickCount() - 1) >= widest,
                 qPrintable(dateLabels.join(' ')));
        const QStringList timeLabels = times->categoriesLabels();
        QVERIFY(timeLabels.size() >= 2 && timeLabels.size() <= 7);
        QCOMPARE(QSet<QString>(timeLabels.begin(), timeLabels.end()).size(), timeLabels.size());
        static const QRegularExpression lapTime(QStringLiteral("^\\d+:\\d\\d\\.\\d\\d\\d$"));
        for (const QString& label : timeLabels)
            QVERIFY2(lapTime.match(label).hasMatch(), qPrintable(label));
        // Every game a point of its own inside both ranges.
        int points = 0;
        for (QAbstractSeries* series : chart->series())
            for (const QPointF& p : static_cast<QXYSeries*>(series)->points()) {
                ++points;
                QVERIFY(p.x() > from && p.x() < to);
                QVERIFY(p.y() > times->min() && p.y() < times->max());
            }
        QCOMPARE(points, rows.size());
    }

    void export_writes_print_spl_and_opens_it() {
        keepOnly(QStringLiteral("Monte-Carlo"));
        setTimes(QStringLiteral("Monte-Carlo"), "1:25.000", "1:22.500", {}, "1:23.456");
        // Binary fields stay out of the table.
        testrows::setTrack(bas(), QStringLiteral("Monte-Carlo"), kSetupField, QByteArray(96, '\0'));
        LapTimeTable grid(*fx->frm, fx->frm->Databases->DbCombo->currentText(), fx->frm.get());
        grid.now = [] { return QDateTime(QDate(2026, 12, 6), QTime(21, 5, 9)); };
        grid.load();
        const QString rule(80, u'-');
        const QByteArray expected =
            "Pistaro - PSO.MDB                                          12-06-2026 21:05:09\r\n"
            "\r\n"
            "Track                                  Warm Up   Practice    Qual.     Race\r\n"
            "--------------------------------------------------------------------------------\r\n"
            "Monte-Carlo                            1:25.000  1:22.500            1:23.456\r\n"
            "--------------------------------------------------------------------------------\r\n";
        // Driven through the modal run: the export hides the window and it comes back.
        bool visibleAgain = false;
        QTimer::singleShot(0, &grid, [&] {
            grid.TablePrint->click();
            QTimer::singleShot(0, &grid, [&] {
                visibleAgain = grid.isVisible();
                grid.Cancel->click();
            });
        });
        QCOMPARE(grid.exec(), int(QDialog::Rejected));
        QVERIFY(visibleAgain);
        const QString path = QDir::toNativeSeparators(fx->appDir() + QStringLiteral("/print.spl"));
        QCOMPARE(readFile(path), expected);
        QCOMPARE(fx->edited, QStringList{path});
        QVERIFY(fx->opened.isEmpty()); // not by its extension
        QCOMPARE(fx->status.l2, QStringLiteral("writing file..."));
        QVERIFY(!fx->status.visible);
        QVERIFY(fx->dialogs.shown.isEmpty());

        // A file that cannot be replaced is not opened as if it were this table.
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        grid.TablePrint_Click();
        QCOMPARE(fx->edited.size(), 1);
        QCOMPARE(fx->dialogs.shown.size(), 1);
        QVERIFY(fx->dialogs.shown.at(0).contains(QStringLiteral("print.spl could not be written")));
    }

    void csv_export_writes_the_rows_shown() {
        // A name with a comma, quotes, a line break and accents: quoted, quotes doubled, UTF-8.
        const QString odd = QStringLiteral("Monte, \"Carlo\"\r\nC\u00f4te");
        keepOnly(QStringLiteral("Monte-Carlo"));
        setTimes(QStringLiteral("Monte-Carlo"), "1:25.000", "1:22.500", {}, "1:23.456");
        testrows::setTrack(bas(), QStringLiteral("Monte-Carlo"), QStringLiteral("Name"), odd);
        LapTimeTable grid(*fx->frm, fx->frm->Databases->DbCombo->currentText(), fx->frm.get());
        grid.load();
        QCOMPARE(grid.TableCsv->text(), QString::fromUtf8("Export as C&SV\u2026"));
        const QString path = fx->tmp.filePath(QStringLiteral("times.csv"));
        fx->dialogs.answers << path;
        grid.TableCsv->click();
        QCOMPARE(fx->dialogs.kinds, (QStringList{"saveFile", "message"}));
        QCOMPARE(fx->dialogs.shown.at(1),
                 "1 row was exported to " + QDir::toNativeSeparators(path) + ".");
        QCOMPARE(
            readFile(path),
            QByteArray("Name,Warm up time,Practice Time,Qualifying Time,Race Time\r\n"
                       "\"Monte, \"\"Carlo\"\"\r\nC\xc3\xb4te\",1:25.000,1:22.500,,1:23.456\r\n"));

        // Cancelled: nothing written, nothing said. Unwritable: said, and no half file left.
        fx->dialogs.shown.clear();
        fx->dialogs.kinds.clear();
        fx->dialogs.answers << QString();
        grid.TableCsv_Click();
        QCOMPARE(fx->dialogs.messages(), QStringList());
        const QString blocked = fx->tmp.filePath(QStringLiteral("blocked.csv"));
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inside")));
        fx->dialogs.answers << blocked;
        grid.TableCsv_Click();
        QCOMPARE(fx->dialogs.messages().size(), 1);
        QVERIFY2(fx->dialogs.messages().at(0).contains(QStringLiteral("could not be written")) &&
                     fx->dialogs.messages().at(0).endsWith(QStringLiteral("Nothing was exported.")),
                 qPrintable(fx->dialogs.messages().at(0)));
        QVERIFY(QFileInfo(blocked).isDir());
        QCOMPARE(QDir(fx->tmp.path()).entryList({QStringLiteral("*.csv*")}, QDir::Files),
                 QStringList{QStringLiteral("times.csv")});
    }
};

QTEST_MAIN(LapTimeTableTest)
#include "lap_time_table_test.moc"
