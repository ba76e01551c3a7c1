#include "laptimes/best_time_store.h"

#include "laptimes/lap_history.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "storage/record_lookup.h"

using catalogue::seekName;

namespace {

// The catalogue's name index folds ASCII letters only; two names it takes for one row share
// one remembered entry.
QString indexKey(const QString& name) {
    QString key = name;
    for (QChar& c : key)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return key;
}

// Runs the edit or addition in `fill` and stores it; on failure the recordset is left with
// no pending edit, so later reads see the stored row again.
template <class F> void storeRow(Recordset& tracks, F&& fill) {
    try {
        fill();
        tracks.update();
    } catch (...) {
        tracks.cancelUpdate();
        throw;
    }
}

constexpr TimeField kFields[] = {TimeField::WarmUp, TimeField::Practice, TimeField::Qualifying,
                                 TimeField::Race};

} // namespace

BestTimeStore::BestTimeStore(Database& db, Recordset& tracks, QDateTime date)
    : db_(db), tracks_(tracks), date_(std::move(date)) {}

BestTimeStore::~BestTimeStore() = default;

bool BestTimeStore::lookUp(const ParseState& state, StoredTimes& times) {
    const QString key = indexKey(state.track);
    const auto it = known_.constFind(key);
    if (it != known_.constEnd()) {
        times = *it;
        return true;
    }
    if (!seekName(tracks_, state.track)) {
        storeRow(tracks_, [&] {
            tracks_.addNew();
            tracks_.setValue(catalogue::Name, state.track);
            tracks_.setValue(catalogue::Country, state.country);
            for (TimeField f : kFields)
                tracks_.setValue(timeFieldName(f), QString(""));
        });
        // Looked up once more; a row that still is not there gets no time.
        if (!seekName(tracks_, state.track))
            return false;
    }
    for (TimeField f : kFields)
        fieldOf(times, f) = tracks_.text(timeFieldName(f));
    known_.insert(key, times);
    return true;
}

FiledTime BestTimeStore::file(const ParseState& state) {
    if (state.track.isEmpty())
        return {};
    StoredTimes times;
    if (!lookUp(state, times))
        return {};
    const TimeField field = decideRecord(state.mode, state.time, times).field;
    if (field == TimeField::None)
        return {};
    const FiledTime filed{field, fieldOf(times, field)};
    const QString key = indexKey(state.track);
    try {
        if (!history_)
            history_ = db_.openTable(catalogue::History);
        Database::Transaction transaction(db_);
        if (!seekName(tracks_, state.track))
            throw DbError(dberr::NoCurrentRecord, QStringLiteral("No current record."));
        storeRow(tracks_, [&] {
            tracks_.edit();
            tracks_.setValue(timeFieldName(field), state.time);
        });
        appendHistory(*history_, {tracks_.text(catalogue::Name), field, state.time,
                                  filed.previousBest, date_});
        transaction.commit();
    } catch (...) {
        known_.remove(key); // read again next time
        throw;
    }
    fieldOf(known_[key], field) = state.time;
    return filed;
}
