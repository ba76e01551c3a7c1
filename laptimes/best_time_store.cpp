#include "laptimes/best_time_store.h"

#include "laptimes/lap_history.h"
#include "storage/catalogue_names.h"
#include "storage/record_lookup.h"

#include <QCryptographicHash>

using catalogue::nameKey;
using catalogue::seekName;

namespace {

const QString kLogImports = QStringLiteral("Log Imports");
const QString kLogLength = QStringLiteral("Log Length");
const QString kLogHash = QStringLiteral("Log Hash");
const QString kLapTimes = QStringLiteral("Lap Times");
const QString kRecords = QStringLiteral("Records");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

constexpr qsizetype kMarkEdge = 64 * 1024;

// Runs the edit or addition in `fill` and stores it; on failure the recordset is left with
// no pending edit, so later reads see the stored row again.
template <class F> void storeRow(Recordset& rs, F&& fill) {
    try {
        fill();
        rs.update();
    } catch (...) {
        rs.cancelUpdate();
        throw;
    }
}

} // namespace

QString logMarkHash(const QByteArray& readPart) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QByteArray length = QByteArray::number(readPart.size());
    hash.addData(length);
    hash.addData(QByteArrayView(readPart).first(std::min(readPart.size(), kMarkEdge)));
    if (readPart.size() > kMarkEdge)
        hash.addData(
            QByteArrayView(readPart).last(std::min(readPart.size() - kMarkEdge, kMarkEdge)));
    return QString::fromLatin1(hash.result().toHex());
}

LogMark lastLogMark(Database& db) {
    if (!db.tableExists(kLogImports))
        return {};
    const auto imports = db.openTable(kLogImports);
    const QList<QVariantList> rows = imports->columnValues({kLogLength, kLogHash});
    if (rows.isEmpty())
        return {};
    return {rows.last().at(0).toLongLong(), rows.last().at(1).toString()};
}

BestTimeStore::BestTimeStore(Database& db, Recordset& tracks, QDateTime date)
    : db_(db), tracks_(tracks), date_(std::move(date)) {
    transaction_.emplace(db_);
}

BestTimeStore::~BestTimeStore() = default;

void BestTimeStore::ensureRow(const QString& track, const std::function<void()>& makeRow) {
    if (track.isEmpty() || known_.count(nameKey(track)) || seekName(tracks_, track))
        return;
    makeRow();
}

BestTimeStore::Known* BestTimeStore::lookUp(const LoggedLap& lap, const QString& key) {
    const auto it = known_.find(key);
    if (it != known_.end())
        return &it->second;
    if (!seekName(tracks_, lap.track)) {
        storeRow(tracks_, [&] {
            tracks_.addNew();
            tracks_.setValue(catalogue::Name, lap.track);
            tracks_.setValue(catalogue::Country, lap.country);
            for (TimeField f : kSessionKinds)
                tracks_.setValue(timeFieldName(f), QString(""));
        });
        // Looked up once more; a row that still is not there gets no time.
        if (!seekName(tracks_, lap.track))
            return nullptr;
    }
    Known known;
    known.name = tracks_.text(catalogue::Name);
    for (TimeField f : kSessionKinds)
        fieldOf(known.before, f) = tracks_.text(timeFieldName(f));
    known.now = known.before;
    return &known_.emplace(key, known).first->second;
}

FiledTime BestTimeStore::file(const LoggedLap& lap) {
    if (lap.track.isEmpty())
        return {};
    if (lap.track != lastTrack_ || !lastKnown_) {
        lastKnown_ = lookUp(lap, nameKey(lap.track));
        lastTrack_ = lap.track;
    }
    Known* known = lastKnown_;
    if (!known)
        return {};
    const TimeField field = decideRecord(lap.mode, lap.time, known->now).field;
    if (field == TimeField::None)
        return {};
    if (fieldOf(known->now, field) == fieldOf(known->before, field))
        order_.append({nameKey(lap.track), field}); // the first record of its kind in this import
    fieldOf(known->now, field) = lap.time;
    return {field, fieldOf(known->before, field)};
}

void BestTimeStore::commit(const LogMark& mark, int lapTimes) {
    if (!order_.isEmpty()) {
        const auto history = db_.openTable(catalogue::History);
        for (const auto& [key, field] : std::as_const(order_)) {
            const Known& known = known_.at(key);
            if (!seekName(tracks_, known.name))
                throw DbError(dberr::NoCurrentRecord, QStringLiteral("No current record."));
            const QString time = fieldOf(known.now, field);
            storeRow(tracks_, [&] {
                tracks_.edit();
                tracks_.setValue(timeFieldName(field), time);
            });
            appendHistory(*history, {known.name, field, time, fieldOf(known.before, field), date_});
        }
    }
    const auto imports = db_.openTable(kLogImports);
    storeRow(*imports, [&] {
        imports->addNew();
        imports->setValue(kLogLength, mark.length);
        imports->setValue(kLogHash, mark.hash);
        imports->setValue(catalogue::Date, date_.toString(kDateFormat));
        imports->setValue(kLapTimes, lapTimes);
        imports->setValue(kRecords, int(order_.size()));
    });
    transaction_->commit();
    transaction_.reset();
}
