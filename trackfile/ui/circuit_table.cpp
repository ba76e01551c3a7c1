#include "trackfile/ui/circuit_table.h"

#include "health/circuit_health.h"
#include "packs/pack_usage.h"
#include "platform/folder_listing.h"
#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/program_settings.h"
#include "trackfile/ui/circuit_table_filter.h"
#include "trackfile/ui/circuit_table_model.h"
#include "ui/eliding_header.h"
#include "ui/item_text.h"
#include "ui/mnemonic.h"

#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace pistaro {

CircuitTable::CircuitTable(const QString& pattern, QWidget* parent)
    : QTableView(parent), pattern_(pattern), model_(new CircuitTableModel(this)),
      filter_(new CircuitTableFilter(this)), saveHeader_(new QTimer(this)),
      readCatalogue_(new QTimer(this)) {
    filter_->setSourceModel(model_);
    setModel(filter_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setWordWrap(false);
    setShowGrid(false);
    setTabKeyNavigation(false);
    setHorizontalHeader(new ElidingHeader(Qt::Horizontal, this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true); // a click sorts by the column
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    for (int c = 0; c < CircuitTableModel::ColumnCount; ++c)
        header->resizeSection(c, defaultSectionWidth(c));
    // Unsorted until the user picks a column: the folder's alphabetical order.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
    restoreHeader();

    saveHeader_->setSingleShot(true);
    saveHeader_->setInterval(300);
    connect(saveHeader_, &QTimer::timeout, this, &CircuitTable::saveHeader);
    // A width the user gives (a drag of a column's edge, or a resize the program does not
    // make itself) ends the fitting; the last column's stretch and a hidden column's 0 do not.
    connect(header, &QHeaderView::sectionResized, this, [this, header](int column, int, int size) {
        int last = header->count() - 1; // the stretching column: the last one shown
        while (last > 0 && header->isSectionHidden(header->logicalIndex(last)))
            --last;
        if (fitting_ || size == 0 || header->isSectionHidden(column) ||
            column == header->logicalIndex(last))
            return;
        if (!widthsByUser_) {
            widthsByUser_ = true;
            programSettings().setValue(WidthsByUserKey, true);
        }
        saveHeader_->start();
    });
    connect(header, &QHeaderView::sortIndicatorChanged, saveHeader_, qOverload<>(&QTimer::start));
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this, &CircuitTable::showHeaderMenu);

    readCatalogue_->setSingleShot(true);
    readCatalogue_->setInterval(0);
    connect(readCatalogue_, &QTimer::timeout, this, &CircuitTable::catalogueRead);
    connect(this, &QAbstractItemView::clicked, this, [this] { emit fileClicked(); });
    connect(model_, &CircuitTableModel::allColumnsRead, this, &CircuitTable::allColumnsRead);
    connect(filter_, &QAbstractItemModel::rowsInserted, this, &CircuitTable::countChanged);
    connect(filter_, &QAbstractItemModel::rowsRemoved, this, &CircuitTable::countChanged);
    connect(filter_, &QAbstractItemModel::modelReset, this, &CircuitTable::countChanged);
    connect(filter_, &QAbstractItemModel::layoutChanged, this, &CircuitTable::countChanged);
}

namespace {

// In characters of the table's font: a DOS file name, the names at a usual length, a lap count,
// a length, a lap time, and the usual texts of Status ("1 texture missing", "Checksum wrong",
// "Original").
constexpr int ContentWidths[CircuitTableModel::ColumnCount] = {12, 13, 9, 11, 3, 5, 8, 20, 9, 9};

} // namespace

int CircuitTable::contentWidth(int column) const {
    const int ch = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    int width = ContentWidths[column] * ch + 8;
    // Status as wide as its usual texts in the language spoken, which may be longer.
    if (column == CircuitTableModel::Status) {
        const int padding = itemTextPadding(*this);
        for (const QString& usual : health::usualProblemTexts())
            width = std::max(width, fontMetrics().horizontalAdvance(usual) + padding);
    }
    return width;
}

int CircuitTable::defaultSectionWidth(int column) const {
    // A column is as wide as its usual content and its caption.
    if (column < 0 || column >= CircuitTableModel::ColumnCount)
        return 0;
    const QHeaderView* header = horizontalHeader();
    const QString caption = model_->headerData(column, Qt::Horizontal).toString();
    // The caption, the style's margins on both sides and the sort indicator.
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark = style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    const int captionWidth = header->fontMetrics().horizontalAdvance(caption) + 4 * margin + mark;
    return std::max(contentWidth(column), captionWidth);
}

int CircuitTable::leastSectionWidth(int column) const {
    // The names give up what a glance needs less; the other columns keep their content whole
    // and give up only the part of a caption wider than it (shown whole in its tip).
    const int ch = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    switch (column) {
    case CircuitTableModel::Track:
    case CircuitTableModel::Country:
    case CircuitTableModel::Author:
        return 6 * ch + 8;
    case CircuitTableModel::Tags:
    case CircuitTableModel::Packs:
        return 4 * ch + 8;
    default:
        return contentWidth(column);
    }
}

void CircuitTable::fitColumns() {
    if (widthsByUser_)
        return;
    const QHeaderView* header = horizontalHeader();
    // Each shown column's default and least width, measured once for the fit.
    int full[CircuitTableModel::ColumnCount] = {}, narrow[CircuitTableModel::ColumnCount] = {};
    int wanted = 0, least = 0;
    for (int c = 0; c < CircuitTableModel::ColumnCount; ++c) {
        if (header->isSectionHidden(c))
            continue;
        full[c] = defaultSectionWidth(c);
        narrow[c] = leastSectionWidth(c);
        wanted += full[c];
        least += narrow[c];
    }
    // The room of the rows beside a vertical scroll bar, which a usual collection needs.
    const int room = contentsRect().width() - verticalScrollBar()->sizeHint().width();
    fitting_ = true;
    for (int c = 0; c < CircuitTableModel::ColumnCount; ++c) {
        if (header->isSectionHidden(c))
            continue;
        int width = full[c];
        if (room < wanted)
            width = room <= least ? narrow[c]
                                  : narrow[c] + int(qint64(full[c] - narrow[c]) * (room - least) /
                                                    std::max(1, wanted - least));
        horizontalHeader()->resizeSection(c, width);
    }
    fitting_ = false;
}

void CircuitTable::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitColumns();
}

QSize CircuitTable::sizeHint() const {
    // The last column stretches over what is left: it counts at its own width.
    const QHeaderView* header = horizontalHeader();
    int width = 0;
    int last = -1;
    // Until the user sizes them, the columns at their default width: fitColumns narrows them
    // only in a table given less.
    for (int c = 0; c < header->count(); ++c)
        if (!header->isSectionHidden(c)) {
            width += widthsByUser_ ? header->sectionSize(c) : defaultSectionWidth(c);
            last = c;
        }
    if (last >= 0 && widthsByUser_)
        width += defaultSectionWidth(last) - header->sectionSize(last);
    const int frame = 2 * frameWidth();
    return {width + verticalScrollBar()->sizeHint().width() + frame, heightForRows(20)};
}

int CircuitTable::heightForRows(int rows) const {
    return horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() +
           2 * frameWidth();
}

CircuitTable::~CircuitTable() {
    if (saveHeader_->isActive())
        saveHeader();
}

void CircuitTable::saveHeader() {
    programSettings().setValue(HeaderStateKey, horizontalHeader()->saveState());
    programSettings().setValue(HeaderColumnsKey, int(CircuitTableModel::ColumnCount));
}

void CircuitTable::restoreHeader() {
    // A state kept for other columns (an older version) would give a column another's width.
    if (programSettings().value(HeaderColumnsKey).toInt() != CircuitTableModel::ColumnCount)
        return;
    const QByteArray state = programSettings().value(HeaderStateKey).toByteArray();
    QHeaderView* header = horizontalHeader();
    if (state.isEmpty() || !header->restoreState(state))
        return;
    widthsByUser_ = programSettings().value(WidthsByUserKey).toBool();
    // The file names show whatever a kept state says: every command works on them.
    header->setSectionHidden(CircuitTableModel::File, false);
    sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void CircuitTable::showHeaderMenu(const QPoint& pos) {
    QMenu menu(this);
    QHeaderView* header = horizontalHeader();
    QString taken;
    // The file name always shows: it is what every command works on.
    for (int c = CircuitTableModel::File + 1; c < CircuitTableModel::ColumnCount; ++c) {
        QAction* a = menu.addAction(
            withFreeMnemonic(model_->headerData(c, Qt::Horizontal).toString(), taken));
        a->setCheckable(true);
        a->setChecked(!header->isSectionHidden(c));
        connect(a, &QAction::toggled, this, [this, header, c](bool shown) {
            fitting_ = true; // a column shown again takes its old width: no width of the user's
            header->setSectionHidden(c, !shown);
            fitting_ = false;
            fitColumns();
            saveHeader_->start();
        });
    }
    menu.exec(header->mapToGlobal(pos));
}

void CircuitTable::setPath(const QString& folder) {
    folder_ = folderlisting::listedFolder(folder);
    refresh();
}

void CircuitTable::setHealthCheck(const QString& gameDir, const QString& cacheFile) {
    model_->setHealthCheck(gameDir, cacheFile);
}

circuitcolumns::CatalogueValues CircuitTable::readCatalogue() const {
    circuitcolumns::CatalogueValues values;
    if (catalogueReader)
        ignoreFailure("reading the catalogue for the circuit list",
                      [&] { values = catalogueReader(); });
    return values;
}

void CircuitTable::refresh() {
    const QString keep = selectedName();
    const QStringList others = selectedNames();
    blockSignals(true);
    QStringList packs;
    if (packNames && !folder_.isEmpty())
        ignoreFailure("listing the track packs for the circuit list", [&] { packs = packNames(); });
    model_->setPackNames(packs);
    model_->setFiles(folder_, folder_.isEmpty() ? QStringList()
                                                : folderlisting::matchingFiles(folder_, pattern_));
    columnsPending_ = model_->rowCount() > 0;
    reread_.clear();
    if (columnsPending_)
        readCatalogue_->start();
    const int row = keep.isEmpty() ? -1 : indexOf(keep, Qt::CaseSensitive);
    if (row >= 0)
        selectRow(row);
    for (const QString& name : others)
        if (const int r = indexOf(name, Qt::CaseSensitive); r >= 0 && r != row)
            selectionModel()->select(filter_->index(r, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    blockSignals(false);
    emit countChanged();
}

void CircuitTable::catalogueRead() {
    const circuitcolumns::CatalogueValues values = readCatalogue();
    if (columnsPending_) {
        columnsPending_ = false;
        model_->readColumns(values);
    }
    model_->catalogueChanged(values, reread_);
    reread_.clear();
}

int CircuitTable::count() const {
    return filter_->rowCount();
}

void CircuitTable::packsChanged() {
    if (packsPending_ || folder_.isEmpty())
        return;
    packsPending_ = true;
    QTimer::singleShot(0, this, [this] {
        packsPending_ = false;
        refresh();
    });
}

int CircuitTable::total() const {
    return model_->rowCount();
}

QString CircuitTable::countText() const {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString all =
        (total() == 1 ? tr("%1 circuit") : tr("%1 circuits")).arg(english.toString(total()));
    //: The browser's count while a filter hides rows: "1,234 of 5,000 circuits".
    return count() == total() ? all : tr("%1 of %2").arg(english.toString(count()), all);
}

void CircuitTable::setTags(const tagstore::Snapshot& tags,
                           const QHash<QString, QByteArray>& contents) {
    model_->setTags(tags, contents);
}

tagstore::Circuit CircuitTable::contentOf(const QString& name) const {
    tagstore::Circuit c;
    if (!packusage::contentOf(gamepath::join(folder_, name), &c.hash, &c.dataSize))
        return {};
    return c;
}

QStringList CircuitTable::tagsOf(const QString& name) const {
    const int row = int(model_->names().indexOf(name));
    return row < 0 ? QStringList()
                   : model_->index(row, CircuitTableModel::Tags)
                         .data()
                         .toString()
                         .split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

QList<QStringList> CircuitTable::packsUsing(const QStringList& names) const {
    QStringList packs;
    if (packNames && !folder_.isEmpty())
        ignoreFailure("listing the track packs", [&] { packs = packNames(); });
    const packusage::PackContents contents = packusage::readPacks(folder_, packs);
    QList<QStringList> out;
    for (const QString& name : names)
        out << packusage::packsUsing(contents, gamepath::join(folder_, name));
    return out;
}

QString CircuitTable::fileName(int row) const {
    if (row < 0 || row >= count())
        return {};
    return filter_->index(row, CircuitTableModel::File).data().toString();
}

QString CircuitTable::selectedName() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current))
        return {};
    return fileName(current.row());
}

QStringList CircuitTable::selectedNames() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QStringList names;
    for (const int row : std::as_const(rows))
        names << fileName(row);
    return names;
}

int CircuitTable::fixesOf(const QStringList& names) const {
    int fixes = 0;
    for (const QString& name : names)
        if (const int row = int(model_->names().indexOf(name)); row >= 0)
            fixes |= model_->index(row, 0).data(CircuitTableModel::FixesRole).toInt();
    return fixes;
}

QStringList CircuitTable::duplicateNames() const {
    QStringList names;
    for (int row = 0; row < model_->rowCount(); ++row)
        if (model_->index(row, 0).data(CircuitTableModel::DuplicateRole).toBool())
            names << model_->names().at(row);
    return names;
}

int CircuitTable::listIndex() const {
    return currentIndex().row();
}

void CircuitTable::setListIndex(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    selectRow(row);
    emit fileClicked();
}

int CircuitTable::indexOf(const QString& name, Qt::CaseSensitivity cs) const {
    for (int i = 0; i < count(); ++i)
        if (fileName(i).compare(name, cs) == 0)
            return i;
    return -1;
}

void CircuitTable::setFilterText(const QString& typed) {
    const QString chosen = selectedName();
    filter_->setQuery(circuitquery::parse(typed));
    // The selection stays on the circuit chosen (the one the track info shows), never on a
    // neighbour the filter moved the highlight to; hidden, nothing is selected, so Change cannot
    // take another circuit than the one shown.
    const int row = chosen.isEmpty() ? -1 : indexOf(chosen, Qt::CaseSensitive);
    if (row >= 0) {
        if (selectedName() != chosen)
            selectRow(row);
    } else if (!selectedName().isEmpty() || currentIndex().isValid()) {
        selectionModel()->clear();
    }
}

void CircuitTable::catalogueChanged(const QString& name) {
    if (!name.isEmpty() && !reread_.contains(name))
        reread_ << name;
    readCatalogue_->start();
}

const QStringList& CircuitTable::filterProblems() const {
    return filter_->query().problems;
}

bool CircuitTable::columnsRead() const {
    return model_->columnsRead();
}

void CircuitTable::startDrag(Qt::DropActions supportedActions) {
    const QModelIndex current = currentIndex();
    QMimeData* mime = current.isValid() ? filter_->mimeData({current}) : nullptr;
    if (!mime)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(supportedActions, Qt::CopyAction);
}

void CircuitTable::keyPressEvent(QKeyEvent* event) {
    // Moving through the list with the keys selects as a click does.
    const int before = listIndex();
    QTableView::keyPressEvent(event);
    if (listIndex() != before && !selectedName().isEmpty())
        emit fileClicked();
}

} // namespace pistaro
