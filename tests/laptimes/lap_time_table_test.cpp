// The window "Lap Time Table" on a real main window and database: the rows and columns it
// shows, and print.spl written from them and handed to the desktop's editor.
#include "storage/ui/database_list.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/window_per_function.h"

#include "laptimes/ui/lap_time_table.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace pistaro;

namespace {
const QString kSetupField = QStringLiteral("Car Setup Information");
}

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
        const int padding =
            2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1) +
            (table->showGrid() ? 1 : 0);
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
        QCOMPARE(fx->dialogs.kinds, QStringList{QStringLiteral("saveFile")});
        QCOMPARE(
            readFile(path),
            QByteArray("Name,Warm up time,Practice Time,Qualifying Time,Race Time\r\n"
                       "\"Monte, \"\"Carlo\"\"\r\nC\xc3\xb4te\",1:25.000,1:22.500,,1:23.456\r\n"));

        // Cancelled: nothing written, nothing said. Unwritable: said, and no half file left.
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
