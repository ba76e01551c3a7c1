#pragma once
// The circuit browser: the circuit files of one folder as a table with their track, country,
// author, laps, length and best race time, sorted by a header click, narrowed by a query,
// and dragged onto a slot. Keeps the calls of a plain file list for the current row; several
// rows may be selected for the fixes of their problems.
#include "trackfile/circuit_columns.h"
#include "trackfile/tag_store.h"

#include <QString>
#include <QTableView>

#include <functional>

class QTimer;

namespace pistaro {

class CircuitTableModel;
class CircuitTableFilter;

class CircuitTable final : public QTableView {
    Q_OBJECT
public:
    explicit CircuitTable(const QString& pattern, QWidget* parent = nullptr);
    ~CircuitTable() override;

    // Where the best race times (and the rows of the original circuits) come from; without
    // one, or when it throws, those columns stay blank.
    std::function<circuitcolumns::CatalogueValues()> catalogueReader;
    // The saved track packs (folders under the folder shown) the Packs column looks in, asked
    // at each read; none without it.
    std::function<QStringList()> packNames;

    // Folder shown, without trailing separator.
    QString path() const { return folder_; }
    void setPath(const QString& folder); // re-reads the folder
    QString pattern() const { return pattern_; }
    // The health check of the rows read next (CircuitTableModel::setHealthCheck).
    void setHealthCheck(const QString& gameDir, const QString& cacheFile);
    void refresh(); // re-reads the folder, keeps the selection (and the current row) by name

    // The saved packs changed (one saved, deleted, imported): the Packs column is read again
    // once the events at hand are handled.
    void packsChanged();

    // Rows as shown: sorted and narrowed by the filter.
    int count() const;
    // Every row of the folder, shown or not.
    int total() const;
    // "1,234 of 5,000 circuits", or "5,000 circuits" when every row shows.
    QString countText() const;
    QString fileName(int row) const; // "" when out of range
    QString selectedName() const;    // the current row's, "" when it is not selected
    // Every selected row's file name, in the order shown.
    QStringList selectedNames() const;
    // The fixes the rows of `names` offer together (CircuitTableModel::Fix flags).
    int fixesOf(const QStringList& names) const;
    // Every file of the folder marked as the same circuit as another, shown or not.
    QStringList duplicateNames() const;
    // The player's tags of every row; `contents` gives rows the content they were just tagged by.
    void setTags(const tagstore::Snapshot& tags, const QHash<QString, QByteArray>& contents = {});
    // The content of the file `name` of the folder as the store keys it, read from the file
    // now (it may have changed since its row was read); no hash when it holds no circuit.
    tagstore::Circuit contentOf(const QString& name) const;
    // The tags the row of `name` shows.
    QStringList tagsOf(const QString& name) const;
    // Per file of `names`, the saved packs whose slots hold its circuit, read from the files
    // now.
    QList<QStringList> packsUsing(const QStringList& names) const;
    int listIndex() const;
    void setListIndex(int row); // selects a row (-1: none), emits fileClicked
    int indexOf(const QString& name, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;

    // Shows only the rows that hold every term typed (trackfile/circuit_query.h).
    void setFilterText(const QString& typed);
    // The terms of the filter that could not be read, each with why; they filter nothing.
    const QStringList& filterProblems() const;
    // The catalogue changed: the best race times are read again, and so is the file `name`,
    // once the events at hand are handled (a rescan shows sixteen records in a row).
    void catalogueChanged(const QString& name = {});
    // True once every row's columns have been read.
    bool columnsRead() const;

    // The width of every shown column and about twenty rows: the window gives the table the
    // room it has, the other parts take what they need.
    QSize sizeHint() const override;
    // The height that shows `rows` rows and the header without scrolling.
    int heightForRows(int rows) const;

    // Where the sort column and order, the widths and the hidden columns are kept.
    static inline const QString HeaderStateKey = QStringLiteral("CircuitBrowser/Header");
    static inline const QString HeaderColumnsKey = QStringLiteral("CircuitBrowser/Columns");
    // True once the user gave a column a width: from then on the widths are the user's.
    static inline const QString WidthsByUserKey = QStringLiteral("CircuitBrowser/WidthsByUser");

signals:
    // A row was selected by the user (mouse or keys) or by setListIndex.
    void fileClicked();
    void allColumnsRead();
    // The rows shown or the rows of the folder changed in number.
    void countChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Until the user sizes a column, the columns share the table's width (fitColumns).
    void resizeEvent(QResizeEvent* event) override;
    // A circuit goes into one slot: the row the drag starts on, however many are selected.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    // The width of a column's usual content, in the table's font.
    int contentWidth(int column) const;
    int defaultSectionWidth(int column) const;
    // The narrowest fitColumns makes a column, never wider than its default: a column of names
    // (Track, Country, Author, Tags, Packs) fewer characters than its content, the others their
    // content's width.
    int leastSectionWidth(int column) const;
    // Every shown column in the table's width where it can be: the columns give up room, down
    // to their least width, in proportion to what they can give.
    void fitColumns();
    circuitcolumns::CatalogueValues readCatalogue() const;
    void catalogueRead();
    void restoreHeader();
    void saveHeader();
    void showHeaderMenu(const QPoint& pos);

    QString folder_;
    QString pattern_;
    CircuitTableModel* model_;
    CircuitTableFilter* filter_;
    QTimer* saveHeader_; // writes the header state a moment after the last change
    // The catalogue is read once the window has had its turn: the names show first.
    QTimer* readCatalogue_;
    bool fitting_ = false;        // fitColumns is setting the widths
    bool widthsByUser_ = false;   // see WidthsByUserKey
    bool columnsPending_ = false; // the rows shown still wait for their columns
    bool packsPending_ = false;   // a read for the packs is queued
    QStringList reread_;          // files to read again with the catalogue
};

} // namespace pistaro
