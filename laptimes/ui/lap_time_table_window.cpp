// The window itself: its controls, and the rows of the selected lap time database, read
// through a connection of its own that is closed again once the rows are shown.
#include "laptimes/ui/lap_time_table.h"

#include "laptimes/ui/lap_history_view.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "ui/named.h"
#include "ui/window_services.h"
#include "ui/window_size.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pistaro {

const QStringList& LapTimeTable::columnFields() {
    // Field names and the CSV file's titles; the window shows them translated.
    static const QStringList fields{
        QStringLiteral(QT_TRANSLATE_NOOP("LapTimeTable", "Name")),
        QStringLiteral(QT_TRANSLATE_NOOP("LapTimeTable", "Warm up time")),
        QStringLiteral(QT_TRANSLATE_NOOP("LapTimeTable", "Practice Time")),
        QStringLiteral(QT_TRANSLATE_NOOP("LapTimeTable", "Qualifying Time")),
        QStringLiteral(QT_TRANSLATE_NOOP("LapTimeTable", "Race Time"))};
    return fields;
}

namespace {
const QString kSizeKey = QStringLiteral("LapTimeTable/size");
}

LapTimeTable::LapTimeTable(WindowServices& services, const QString& database, QWidget* parent)
    : QDialog(parent), services_(services), database_(database) {
    setObjectName(QStringLiteral("Grid"));
    setWindowTitle(tr("Lap Time Table"));
    buildWidgets();
    connect(TablePrint, &QPushButton::clicked, this, GUARDED_HANDLER(TablePrint_Click));
    connect(TableCsv, &QPushButton::clicked, this, GUARDED_HANDLER(TableCsv_Click));
    connect(Ok, &QPushButton::clicked, this, guarded("Ok_Click", [this] { accept(); }));
    connect(Cancel, &QPushButton::clicked, this, guarded("Cancel_Click", [this] { reject(); }));
    connect(
        DBGrid1, &QTableWidget::currentCellChanged, this,
        guarded("DBGrid1_RowChange", [this](int row, int, int, int) { showHistoryOfRow(row); }));
}

void LapTimeTable::buildWidgets() {
    Frame1 = named(new QGroupBox(this), "Frame1");
    DBGrid1 = named(new QTableWidget(0, int(columnFields().size()), Frame1), "DBGrid1");
    for (int c = 0; c < columnFields().size(); ++c) {
        auto* title = new QTableWidgetItem(
            QCoreApplication::translate("LapTimeTable", columnFields().at(c).toUtf8().constData()));
        title->setData(Qt::UserRole, columnFields().at(c));
        DBGrid1->setHorizontalHeaderItem(c, title);
    }
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* frame = new QVBoxLayout(Frame1);
    frame->addWidget(DBGrid1);

    TablePrint = named(new QPushButton(tr("Export to &Notepad"), this), "TablePrint");
    TableCsv = named(new QPushButton(tr("Export as C&SV\u2026"), this), "TableCsv");
    Ok = named(new QPushButton(tr("&OK"), this), "Ok");
    Cancel = named(new QPushButton(tr("&Cancel"), this), "Cancel");
    Ok->setDefault(true);
    // The buttons have their handlers; the box only places them as the desktop does.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(TablePrint, QDialogButtonBox::ActionRole);
    buttons->addButton(TableCsv, QDialogButtonBox::ActionRole);
    buttons->addButton(Ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Cancel, QDialogButtonBox::RejectRole);
    History = new LapHistoryView(this);
    tables_ = new QHBoxLayout;
    tables_->addWidget(Frame1, 1);
    tables_->addWidget(History, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tables_, 1);
    layout->addWidget(buttons);
    // A time is one line: a column made too narrow by hand cuts it short rather than wrapping.
    DBGrid1->setWordWrap(false);
}

QSize LapTimeTable::fittingSize() {
    // The table with all its columns, its row numbers, a vertical scroll bar, and 16 rows
    // (the original circuits every lap time database starts with).
    const int frame = 2 * DBGrid1->frameWidth();
    const QSize table(
        frame + DBGrid1->verticalHeader()->sizeHint().width() +
            DBGrid1->horizontalHeader()->length() +
            DBGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, DBGrid1),
        frame + DBGrid1->horizontalHeader()->sizeHint().height() +
            16 * DBGrid1->verticalHeader()->defaultSectionSize());
    // What the frame, the buttons and the margins take around it: the window laid out on a
    // large area without the history (while hidden, each layout is applied by hand), which
    // then comes beside it as wide as its list's columns.
    const bool historyShown = !History->isHidden();
    History->hide();
    const QRect area(0, 0, 4 * table.width(), 4 * table.height());
    layout()->setGeometry(area);
    Frame1->layout()->setGeometry(Frame1->contentsRect());
    const QSize around = area.size() - DBGrid1->size();
    History->setVisible(historyShown);
    // A width the user gives the window is shared in the same proportion.
    const int frameWidth = table.width() + Frame1->width() - DBGrid1->width();
    const int historyWidth = History->fittingWidth();
    tables_->setStretch(0, frameWidth);
    tables_->setStretch(1, historyWidth);
    return table + around + QSize(tables_->spacing() + historyWidth, 0);
}

void LapTimeTable::showHistoryOfRow(int row) {
    const QTableWidgetItem* name = row >= 0 ? DBGrid1->item(row, 0) : nullptr;
    const QString track = name ? name->text() : QString();
    History->showTrack(track,
                       track.isEmpty() ? QList<HistoryRecord>() : historyOf(history_, track));
}

void LapTimeTable::load() {
    DBGrid1->setRowCount(0);
    const QString file = services_.bas().AppDir + QStringLiteral("/") + database_;
    ignoreFailure("reading the lap time table", [&] {
        // open() never creates a database: a name that is not one shows an empty table.
        const std::unique_ptr<Database> db = Database::open(file);
        const std::unique_ptr<Recordset> tracks = db->openTable(catalogue::Tracks);
        tracks->setIndex(catalogue::NameIndex);
        int row = 0;
        for (tracks->moveFirst(); !tracks->eof(); tracks->moveNext(), ++row) {
            DBGrid1->insertRow(row);
            for (int column = 0; column < columnFields().size(); ++column)
                DBGrid1->setItem(row, column,
                                 new QTableWidgetItem(tracks->text(columnFields().at(column))));
        }
        tracks->close();
        // A database of an older layout, not brought up to date yet, has no history to show.
        history_.clear();
        ignoreFailure("reading the lap time history",
                      [&] { history_ = gamesOf(readHistory(*db->openTable(catalogue::History))); });
        db->close();
    });
    showHistoryOfRow(DBGrid1->currentRow());
    // Each column as wide as its caption and its widest text, measured in the font in use.
    DBGrid1->resizeColumnsToContents();
    QSize size = rememberedSize(kSizeKey, fittingSize());
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

QList<PrintRow> LapTimeTable::shownRows() const {
    auto cell = [this](int row, int column) {
        const QTableWidgetItem* item = DBGrid1->item(row, column);
        return item ? item->text() : QString();
    };
    QList<PrintRow> rows;
    for (int row = 0; row < DBGrid1->rowCount(); ++row)
        rows.append({cell(row, 0), cell(row, 1), cell(row, 2), cell(row, 3), cell(row, 4)});
    return rows;
}

int LapTimeTable::exec() {
    int result = Rejected;
    do {
        showAgain_ = false;
        result = QDialog::exec();
    } while (showAgain_);
    return result;
}

void LapTimeTable::done(int result) {
    rememberSize(kSizeKey, size());
    QDialog::done(result);
}

} // namespace pistaro
