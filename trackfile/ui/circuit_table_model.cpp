#include "trackfile/ui/circuit_table_model.h"

#include "health/circuit_health.h"
#include "health/folder_scan.h"
#include "packs/pack_usage.h"
#include "platform/gamepath.h"
#include "trackfile/search_text.h"

#include <QMimeData>
#include <QThread>

namespace pistaro {

using circuitcolumns::Columns;

namespace {

// Rows handed from the reader to the model at a time: the first ones show up soon, and the
// table is not redrawn for every file.
constexpr int kChunk = 250;

// A separator no typed word holds keeps a word from matching across two columns.
const QChar kSep(0x1F);

// The folded text of the columns that come from the file and the catalogue.
QString searchText(const QString& name, const Columns& c) {
    const QChar sep = kSep;
    return searchtext::folded(name + sep + c.track + sep + c.country + sep + c.author + sep +
                              c.laps + sep + c.length + sep + c.raceTime + sep + c.kindMark + sep +
                              c.problems);
}

const QString kListSeparator = QStringLiteral(", ");

void setProblems(Columns& c, const QList<health::Problem>& problems) {
    c.problems = health::problemsText(problems);
    c.problemsTip = health::problemsTip(problems);
    c.checksumWrong = c.texturesMissing = false;
    for (const health::Problem& p : problems) {
        c.checksumWrong |= p.fix == health::Problem::Fix::Checksum;
        c.texturesMissing |= p.fix == health::Problem::Fix::Textures;
    }
}

} // namespace

CircuitTableModel::CircuitTableModel(QObject* parent) : QAbstractTableModel(parent) {}

CircuitTableModel::~CircuitTableModel() {
    stopReading();
}

void CircuitTableModel::stopReading() {
    if (!reader_)
        return;
    cancel_->store(true);
    reader_->wait();
    delete reader_;
    reader_ = nullptr;
}

void CircuitTableModel::setFiles(const QString& folder, const QStringList& names) {
    stopReading();
    beginResetModel();
    folder_ = folder;
    names_ = names;
    rows_.assign(size_t(names.size()), Row{});
    for (int i = 0; i < names.size(); ++i) {
        Row& r = rows_[size_t(i)];
        r.search = searchtext::folded(names.at(i));
        r.searchBase = int(r.search.size());
    }
    unread_ = int(names.size());
    ++generation_;
    endResetModel();
    if (names.isEmpty())
        emit allColumnsRead();
}

void CircuitTableModel::readColumns(const circuitcolumns::CatalogueValues& catalogue) {
    stopReading();
    catalogue_ = catalogue;
    if (names_.isEmpty())
        return;
    // A read started again reads every row again; what the one before still has queued is stale.
    ++generation_;
    unread_ = int(names_.size());
    cancel_ = std::make_shared<std::atomic_bool>(false);
    // The reader gets copies: nothing it touches is shared with this thread but the flag.
    reader_ = QThread::create([this, folder = folder_, names = names_, catalogue,
                               generation = generation_, cancel = cancel_, gameDir = gameDir_,
                               cacheFile = cacheFile_, packNames = packNames_,
                               tagSizes = tags_.dataSizes] {
        // Only circuits with as much track data as a pack's or a tagged one can be one of
        // them: the others need no hash.
        const packusage::PackContents packs = packusage::readPacks(folder, packNames);
        const QSet<qint64> wanted = packs.dataSizes + tagSizes;
        // The health check needs every file's track data before a row can name its twins:
        // rows go out as read, and those with a twin once more when all are known.
        std::vector<Columns> all;
        std::vector<QList<health::Problem>> problems;
        all.reserve(size_t(names.size()));
        int first = 0;
        const auto sendChunk = [&] {
            const std::vector<Columns> chunk(all.begin() + first, all.end());
            QMetaObject::invokeMethod(
                this, [this, generation, first, chunk] { applyRead(generation, first, chunk); },
                Qt::QueuedConnection);
            first = int(all.size());
        };
        health::ScanSteps steps;
        steps.cancelled = [&cancel] { return cancel->load(); };
        steps.rowRead = [&](int i, const QString& path, Columns& c, QList<health::Problem>& found,
                            health::Scanner* scanner) {
            setProblems(c, found);
            problems.push_back(found);
            if (scanner) {
                c.dataSize = scanner->dataSize(i);
                if (wanted.contains(c.dataSize))
                    c.content = scanner->contentHash(i);
            } else if (!wanted.isEmpty() && !packusage::contentOf(path, &c.content, &c.dataSize)) {
                c.content.clear();
            }
            if (!c.content.isEmpty())
                c.packs = packs.packsByHash.value(c.content);
            all.push_back(std::move(c));
            if (int(all.size()) - first == kChunk && int(all.size()) < names.size())
                sendChunk();
        };
        steps.duplicatesFound = [&](const QHash<int, health::Scanner::Duplicate>& twins) {
            std::vector<std::pair<int, Columns>> earlier;
            for (auto it = twins.cbegin(); it != twins.cend(); ++it) {
                Columns& row = all[size_t(it.key())];
                problems[size_t(it.key())] << it->problem;
                setProblems(row, problems[size_t(it.key())]);
                row.duplicate = true;
                row.duplicateGroup = names.at(it->first);
                if (it.key() < first)
                    earlier.emplace_back(it.key(), row);
            }
            if (!earlier.empty())
                QMetaObject::invokeMethod(
                    this, [this, generation, earlier] { applyDuplicates(generation, earlier); },
                    Qt::QueuedConnection);
        };
        health::scanFolder(folder, names, gameDir, cacheFile, catalogue, steps);
        if (!cancel->load() && int(all.size()) > first)
            sendChunk();
    });
    reader_->start(QThread::LowPriority);
}

void CircuitTableModel::applyRead(quint64 generation, int first, const std::vector<Columns>& read) {
    if (generation != generation_)
        return;
    for (size_t i = 0; i < read.size(); ++i) {
        Columns c = read[i];
        c.raceTime = circuitcolumns::raceTimeOf(catalogue_, c.track);
        setRow(first + int(i), c);
    }
    emit dataChanged(index(first, Track), index(first + int(read.size()) - 1, ColumnCount - 1));
    unread_ -= int(read.size());
    if (unread_ == 0)
        emit allColumnsRead();
}

void CircuitTableModel::applyDuplicates(quint64 generation,
                                        const std::vector<std::pair<int, Columns>>& rows) {
    if (generation != generation_)
        return;
    for (const auto& [row, columns] : rows) {
        Columns c = columns;
        c.raceTime = circuitcolumns::raceTimeOf(catalogue_, c.track);
        setRow(row, c);
        emit dataChanged(index(row, Track), index(row, ColumnCount - 1));
    }
}

void CircuitTableModel::setHealthCheck(const QString& gameDir, const QString& cacheFile) {
    gameDir_ = gameDir;
    cacheFile_ = cacheFile;
}

void CircuitTableModel::catalogueChanged(const circuitcolumns::CatalogueValues& catalogue,
                                         const QStringList& reread) {
    catalogue_ = catalogue;
    for (const QString& name : reread) {
        const int row = int(names_.indexOf(name));
        if (row < 0)
            continue;
        // The block is read again here; what the health check found stays until the next read
        // of the folder, which is not done on this thread.
        Columns c = circuitcolumns::readColumns(gamepath::join(folder_, name), catalogue_);
        const Columns& before = rows_[size_t(row)].columns;
        c.problems = before.problems;
        c.problemsTip = before.problemsTip;
        c.duplicate = before.duplicate;
        c.checksumWrong = before.checksumWrong;
        c.texturesMissing = before.texturesMissing;
        c.duplicateGroup = before.duplicateGroup;
        // Tags and packs follow the content, which the health check read.
        c.content = before.content;
        c.dataSize = before.dataSize;
        c.packs = before.packs;
        setRow(row, c);
        emit dataChanged(index(row, Track), index(row, ColumnCount - 1));
    }
    bool changed = false;
    for (size_t i = 0; i < rows_.size(); ++i) {
        Row& r = rows_[i];
        const QString time = circuitcolumns::raceTimeOf(catalogue_, r.columns.track);
        if (time != r.columns.raceTime) {
            r.columns.raceTime = time;
            r.search = searchText(names_.at(int(i)), r.columns);
            r.searchBase = int(r.search.size());
            appendSearchTail(r);
            changed = true;
        }
    }
    if (changed)
        emit dataChanged(index(0, RaceTime), index(int(rows_.size()) - 1, RaceTime));
}

QStringList CircuitTableModel::foldedAll(const QStringList& texts) const {
    // Tags and pack names repeat over thousands of rows: each is folded once.
    QStringList out;
    out.reserve(texts.size());
    for (const QString& t : texts) {
        auto it = folds_.constFind(t);
        if (it == folds_.cend())
            it = folds_.insert(t, searchtext::folded(t));
        out << *it;
    }
    return out;
}

void CircuitTableModel::applyTags(Row& r) const {
    r.columns.tags =
        r.columns.content.isEmpty() ? QStringList() : tags_.tags.value(r.columns.content);
    r.tagKeys = foldedAll(r.columns.tags);
}

void CircuitTableModel::setRow(int row, const Columns& columns) {
    Row& r = rows_[size_t(row)];
    r.columns = columns;
    applyTags(r);
    r.packKeys = foldedAll(r.columns.packs);
    r.search = searchText(names_.at(row), r.columns);
    r.searchBase = int(r.search.size());
    appendSearchTail(r);
}

void CircuitTableModel::appendSearchTail(Row& r) {
    // Tags and packs are folded once each (foldedAll), not again in every row's text.
    r.search.truncate(r.searchBase);
    for (const QStringList* keys : {&r.tagKeys, &r.packKeys})
        for (const QString& key : *keys)
            r.search += kSep + key;
}

void CircuitTableModel::setTags(const tagstore::Snapshot& tags,
                                const QHash<QString, QByteArray>& contents) {
    tags_ = tags;
    int firstChanged = -1, lastChanged = -1;
    for (size_t i = 0; i < rows_.size(); ++i) {
        Row& r = rows_[i];
        if (const auto it = contents.constFind(names_.at(int(i))); it != contents.cend())
            r.columns.content = *it;
        const QStringList before = r.columns.tags;
        applyTags(r);
        if (r.columns.tags == before)
            continue;
        appendSearchTail(r);
        if (firstChanged < 0)
            firstChanged = int(i);
        lastChanged = int(i);
    }
    if (firstChanged >= 0)
        emit dataChanged(index(firstChanged, 0), index(lastChanged, ColumnCount - 1));
    // A read under way hashes only the lengths it was given, and would hand back rows
    // without the content just set.
    if (reader_ && unread_ > 0)
        readColumns(catalogue_);
}

bool CircuitTableModel::matches(const circuitquery::Query& query, int row) const {
    // One row as the query reads it: its texts as stored, nothing copied until a term asks.
    class View final : public circuitquery::RowView {
    public:
        View(const CircuitTableModel& model, int row)
            : model_(model), row_(model.rows_[size_t(row)]), index_(row) {}
        QString search() const override { return row_.search; }
        QString text(circuitquery::Field field) const override {
            return model_.data(model_.index(index_, int(field))).toString();
        }
        QString problems() const override { return row_.columns.problems; }
        bool duplicate() const override { return row_.columns.duplicate; }
        QStringList tags() const override { return row_.tagKeys; }
        QStringList packs() const override { return row_.packKeys; }

    private:
        const CircuitTableModel& model_;
        const Row& row_;
        int index_;
    };
    return row >= 0 && row < int(rows_.size()) && circuitquery::matches(query, View(*this, row));
}

int CircuitTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int CircuitTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CircuitTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const Row& r = rows_[size_t(index.row())];
    if (role == SearchRole)
        return r.search;
    if (role == DuplicateRole)
        return r.columns.duplicate;
    if (role == ProblemsRole)
        return r.columns.problems;
    if (role == TagsRole)
        return r.tagKeys;
    if (role == PacksRole)
        return r.packKeys;
    if (role == ContentRole)
        return r.columns.content;
    if (role == FixesRole)
        return int(r.columns.checksumWrong ? RepairChecksum : 0) |
               int(r.columns.texturesMissing ? InstallTextures : 0) |
               int(r.columns.duplicate ? DeleteDuplicate : 0);
    if (role == Qt::ToolTipRole) {
        if (index.column() != Status && index.column() != File)
            return {};
        QStringList lines{kindExplanation(r.columns.kind), r.columns.problemsTip};
        if (r.columns.checksumWrong || r.columns.texturesMissing || r.columns.duplicate)
            lines << tr("The right button on the row offers the fix.");
        lines.removeAll(QString());
        return lines.join(QLatin1Char('\n'));
    }
    // One key for every copy of a circuit: the sort keeps them together, by file name.
    if (role == SortRole && index.column() == Status && r.columns.duplicate)
        return QStringLiteral("Same circuit ") + r.columns.duplicateGroup;
    if (role == SortRole)
        return data(index, Qt::DisplayRole);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case File:
        return names_.at(index.row());
    case Track:
        return r.columns.track;
    case Country:
        return r.columns.country;
    case Author:
        return r.columns.author;
    case Laps:
        return r.columns.laps;
    case Length:
        return r.columns.length;
    case RaceTime:
        return r.columns.raceTime;
    case Status:
        return r.columns.status();
    case Tags:
        return r.columns.tags.join(kListSeparator);
    case Packs:
        return r.columns.packs.join(kListSeparator);
    default:
        return {};
    }
}

QVariant CircuitTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole)
        return int(Qt::AscendingOrder); // a column picked anew starts from its smallest values
    // The caption is its own tip: a narrow column shows it cut.
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const captions[ColumnCount] = {
        QT_TR_NOOP("File"),           QT_TR_NOOP("Track"),  QT_TR_NOOP("Country"),
        QT_TR_NOOP("Author"),         QT_TR_NOOP("Laps"),   QT_TR_NOOP("Length"),
        QT_TR_NOOP("Best race time"), QT_TR_NOOP("Status"), QT_TR_NOOP("Tags"),
        QT_TR_NOOP("Packs")};
    return section >= 0 && section < ColumnCount ? tr(captions[section]) : QVariant();
}

Qt::ItemFlags CircuitTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags f = QAbstractTableModel::flags(index);
    return index.isValid() ? f | Qt::ItemIsDragEnabled : f;
}

QStringList CircuitTableModel::mimeTypes() const {
    return {CircuitMimeType};
}

QMimeData* CircuitTableModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    auto* mime = new QMimeData;
    mime->setData(CircuitMimeType, names_.at(indexes.first().row()).toUtf8());
    return mime;
}

} // namespace pistaro
