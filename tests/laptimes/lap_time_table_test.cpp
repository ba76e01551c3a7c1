// The window "Lap Time Table" on a real main window and database: the rows and columns it
// shows, and print.spl written from them and handed to the desktop's editor.
#include "storage/ui/database_list.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/main_window_fixture.h"

#include "laptimes/ui/lap_time_table.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace pistaro;

namespace {
const QString kSetupField = QStringLiteral("Car Setup Information");
}

class LapTimeTableTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> fx;

    Gp2PsoBas& bas() { return fx->bas; }
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
    void init() {
        fx = std::make_unique<MainWindowFixture>();
        fx->start();
    }
    void cleanup() { fx.reset(); }

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
        const QList<int> widths{200, 53, 53, 53, 53}; // 3000 and 800 twips
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(table->horizontalHeaderItem(c)->text(), captions.at(c));
            QCOMPARE(table->columnWidth(c), widths.at(c));
        }
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
};

QTEST_MAIN(LapTimeTableTest)
#include "lap_time_table_test.moc"
