#pragma once
// The window "Lap Time Table": the Tracks rows of the selected lap time database, the
// history of the track selected among them, and their export to print.spl opened in the
// desktop's text editor, or as CSV.
#include "laptimes/lap_history.h"
#include "laptimes/print_file.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <functional>

class QPushButton;
class QTableWidget;
class QGroupBox;
class QHBoxLayout;

namespace pistaro {

class WindowServices;
class LapHistoryView;

class LapTimeTable final : public QDialog {
    Q_OBJECT
public:
    // `database`: the file name, in the program folder, of the lap time database shown.
    LapTimeTable(WindowServices& services, const QString& database, QWidget* parent);

    QGroupBox* Frame1;
    QTableWidget* DBGrid1;   // read-only: the program never changes rows through this window
    LapHistoryView* History; // the selected row's track: its games listed and charted
    QPushButton* TablePrint; // "Export to &Notepad"
    QPushButton* TableCsv;   // "Export as C&SV…": the rows shown, to a file the user picks
    QPushButton* Ok;         // "&OK"
    QPushButton* Cancel;     // "&Cancel"

    // Column captions (equal to the field names).
    static const QStringList& columnFields();

    // Loads the rows and the history from AppDir + "/" + the database (the window opens it
    // itself), fits the columns to them and gives the window the size it had when last closed,
    // or one that shows every column.
    void load();
    void TablePrint_Click();
    void TableCsv_Click();
    // The rows as the grid shows them.
    QList<PrintRow> shownRows() const;
    // Where the export is written: print.spl in the program folder.
    QString printFilePath() const;

    // Shows the window modal; after an export (which hides it) it is shown again.
    int exec() override;
    // Closes the window and keeps its size for the next time.
    void done(int result) override;

    // The clock of the export's title line; tests fix it.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

private:
    void buildWidgets();
    QSize fittingSize();
    void showHistoryOfRow(int row);
    QHBoxLayout* tables_;          // the grid's frame and the history side by side
    QList<HistoryRecord> history_; // every game of the database (gamesOf), in the order filed
    bool showAgain_ = false;
    WindowServices& services_;
    QString database_;
};

} // namespace pistaro
