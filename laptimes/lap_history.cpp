#include "laptimes/lap_history.h"

#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "storage/record_lookup.h"
#include "trackfile/lap_time.h"

#include <QCoreApplication>
#include <QHash>

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

// Stored as they are in the history table; shown translated.
const char* sessionText(TimeField session) {
    switch (session) {
    case TimeField::WarmUp:
        return QT_TRANSLATE_NOOP("LapHistory", "Warm up");
    case TimeField::Practice:
        return QT_TRANSLATE_NOOP("LapHistory", "Practice");
    case TimeField::Qualifying:
        return QT_TRANSLATE_NOOP("LapHistory", "Qualifying");
    case TimeField::Race:
        return QT_TRANSLATE_NOOP("LapHistory", "Race");
    case TimeField::None:
        break;
    }
    return nullptr;
}

} // namespace

QString sessionName(TimeField session) {
    return QString::fromLatin1(sessionText(session));
}

QString shownSessionName(TimeField session) {
    const char* text = sessionText(session);
    return text ? QCoreApplication::translate("LapHistory", text) : QString();
}

TimeField sessionOfName(const QString& name) {
    for (TimeField session : kSessionKinds)
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
    const QString key = catalogue::nameKey(track);
    QList<HistoryRecord> out;
    for (const HistoryRecord& r : records)
        if (catalogue::nameKey(r.track) == key)
            out.append(r);
    return out;
}

QList<HistoryRecord> gamesOf(const QList<HistoryRecord>& records) {
    QList<HistoryRecord> games;
    // The entry of each game, by its name key, session and date.
    QHash<QString, qsizetype> entryOf;
    for (const HistoryRecord& r : records) {
        if (!r.date.isValid()) {
            games.append(r);
            continue;
        }
        const QString game = catalogue::nameKey(r.track) + u'\n' + sessionName(r.session) + u'\n' +
                             r.date.toString(kDateFormat);
        const auto at = entryOf.constFind(game);
        if (at == entryOf.cend()) {
            entryOf.insert(game, games.size());
            games.append(r);
        } else if (isBetter(r.time, games[*at].time)) {
            games[*at].time = r.time;
        }
    }
    return games;
}
