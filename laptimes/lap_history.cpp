#include "laptimes/lap_history.h"

#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "trackfile/lap_time.h"

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

constexpr TimeField kSessions[] = {TimeField::WarmUp, TimeField::Practice, TimeField::Qualifying,
                                   TimeField::Race};

// The catalogue's name index folds ASCII letters only.
bool sameTrack(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const auto fold = [](QChar c) {
            return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c;
        };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

} // namespace

QString sessionName(TimeField session) {
    switch (session) {
    case TimeField::WarmUp:
        return QStringLiteral("Warm up");
    case TimeField::Practice:
        return QStringLiteral("Practice");
    case TimeField::Qualifying:
        return QStringLiteral("Qualifying");
    case TimeField::Race:
        return QStringLiteral("Race");
    case TimeField::None:
        break;
    }
    return QString();
}

TimeField sessionOfName(const QString& name) {
    for (TimeField session : kSessions)
        if (sessionName(session) == name)
            return session;
    return TimeField::None;
}

void appendHistory(Recordset& history, const HistoryRecord& record) {
    try {
        history.addNew();
        history.setValue(catalogue::Track, record.track);
        history.setValue(catalogue::Session, sessionName(record.session));
        history.setValue(catalogue::Time, record.time);
        history.setValue(catalogue::PreviousBest, record.previousBest);
        history.setValue(catalogue::Date, record.date.toString(kDateFormat));
        history.update();
    } catch (...) {
        history.cancelUpdate();
        throw;
    }
}

QList<HistoryRecord> readHistory(const Recordset& history) {
    QList<HistoryRecord> out;
    const QList<QVariantList> rows =
        history.columnValues({catalogue::Track, catalogue::Session, catalogue::Time,
                              catalogue::PreviousBest, catalogue::Date});
    for (const QVariantList& row : rows)
        out.append({row.at(0).toString(), sessionOfName(row.at(1).toString()), row.at(2).toString(),
                    row.at(3).toString(),
                    QDateTime::fromString(row.at(4).toString(), kDateFormat)});
    return out;
}

QList<HistoryRecord> historyOf(const QList<HistoryRecord>& records, const QString& track) {
    QList<HistoryRecord> out;
    for (const HistoryRecord& r : records)
        if (sameTrack(r.track, track))
            out.append(r);
    return out;
}
