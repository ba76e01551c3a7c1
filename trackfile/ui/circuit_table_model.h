#pragma once
// The rows of the circuit browser: one per circuit file, the name at once, the columns read
// from the files on a worker thread and filled in as they arrive.
#include "trackfile/circuit_columns.h"
#include "trackfile/circuit_query.h"
#include "trackfile/tag_store.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

class QThread;

namespace pistaro {

class CircuitTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        File,
        Track,
        Country,
        Author,
        Laps,
        Length,
        RaceTime,
        Status, // a game slot file or an original's copy, and what is wrong with the file
        Tags,   // the player's tags
        Packs,  // the saved track packs that use the circuit
        ColumnCount
    };
    // Every column's text folded for the filter (searchtext::folded), one string per row.
    static constexpr int SearchRole = Qt::UserRole + 1;
    // Whether the row's circuit is the same as another file's (bool).
    static constexpr int DuplicateRole = Qt::UserRole + 2;
    // What is wrong with the row's file, without its mark ("" when nothing is).
    static constexpr int ProblemsRole = Qt::UserRole + 3;
    // What the table sorts by: the shown text, except that the Status column puts the files
    // with the same track data together.
    static constexpr int SortRole = Qt::UserRole + 4;
    // The fixes the browser offers for the row's problems (int, Fix flags).
    static constexpr int FixesRole = Qt::UserRole + 5;
    // The row's tags and the packs using it, each folded (searchtext::folded; QStringList).
    static constexpr int TagsRole = Qt::UserRole + 6;
    static constexpr int PacksRole = Qt::UserRole + 7;
    // The row's content hash ("" when not read) and track data length.
    static constexpr int ContentRole = Qt::UserRole + 8;
    enum Fix { RepairChecksum = 1, InstallTextures = 2, DeleteDuplicate = 4 };
    // What a dragged circuit carries: its file name.
    static inline const QString CircuitMimeType = QStringLiteral("application/x-pistaro-circuit");

    explicit CircuitTableModel(QObject* parent = nullptr);
    ~CircuitTableModel() override;

    // Shows `names` of `folder` without their columns; a read still running for the rows
    // shown before is given up.
    void setFiles(const QString& folder, const QStringList& names);
    // Where the health check looks for the textures the circuits name (the game folder, ""
    // for no check at all), and the cache file of what it read ("" for none). Taken by the
    // next read.
    void setHealthCheck(const QString& gameDir, const QString& cacheFile);
    // The saved track packs (under the folder listed) whose circuits the Packs column names;
    // taken by the next read.
    void setPackNames(const QStringList& packs) { packNames_ = packs; }
    // The player's tags: the rows show them; `contents` gives rows the content they were
    // tagged by (file name -> hash), which a read had no need to hash. A read under way is
    // begun again, so that it hashes the circuits of the tags' lengths too.
    void setTags(const tagstore::Snapshot& tags, const QHash<QString, QByteArray>& contents = {});
    // Starts reading the columns of the rows shown, with these catalogue values.
    void readColumns(const circuitcolumns::CatalogueValues& catalogue);
    // The catalogue changed (a record stored, times imported, another database): the best
    // race times follow it, and the files `reread` are read again at once.
    void catalogueChanged(const circuitcolumns::CatalogueValues& catalogue,
                          const QStringList& reread = {});
    const QStringList& names() const { return names_; }
    // Whether the row holds every term of `query` (read from the row itself, for the filter,
    // which asks it of every row at each keystroke).
    bool matches(const circuitquery::Query& query, int row) const;
    // True once every row's columns have been read.
    bool columnsRead() const { return unread_ == 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

signals:
    void allColumnsRead();

private:
    struct Row {
        circuitcolumns::Columns columns;
        QString search;                // every column folded, the tags and packs last
        int searchBase = 0;            // where the tags and packs start in it
        QStringList tagKeys, packKeys; // folded, for the filter
    };
    static void appendSearchTail(Row& row);
    // The tags of the row's content, as the store holds them.
    void applyTags(Row& row) const;
    QStringList foldedAll(const QStringList& texts) const;
    void stopReading();
    void applyRead(quint64 generation, int first, const std::vector<circuitcolumns::Columns>& read);
    // Rows read before the duplicates were known, with them.
    void applyDuplicates(quint64 generation,
                         const std::vector<std::pair<int, circuitcolumns::Columns>>& rows);
    void setRow(int row, const circuitcolumns::Columns& columns);

    QString folder_;
    QString gameDir_;
    QString cacheFile_;
    QStringList names_;
    std::vector<Row> rows_;
    circuitcolumns::CatalogueValues catalogue_;
    tagstore::Snapshot tags_;
    mutable QHash<QString, QString> folds_; // tag and pack names, folded
    QStringList packNames_;
    int unread_ = 0;
    quint64 generation_ = 0;
    QThread* reader_ = nullptr;
    std::shared_ptr<std::atomic_bool> cancel_;
};

} // namespace pistaro
