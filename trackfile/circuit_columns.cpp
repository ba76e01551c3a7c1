#include "trackfile/circuit_columns.h"

#include "platform/codepage.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "storage/record_lookup.h"
#include "trackfile/track_name.h"

namespace circuitcolumns {

namespace {

QString textOf(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.metaType().id() == QMetaType::QByteArray)
        return cp1252::toUnicode(v.toByteArray());
    return v.toString();
}

} // namespace

QString Columns::status() const {
    if (kindMark.isEmpty() || problems.isEmpty())
        return kindMark + problems;
    return kindMark + QStringLiteral("; ") + problems;
}

QString raceTimeKey(const QString& track) {
    return catalogue::nameKey(trackKey(track));
}

QString raceTimeOf(const CatalogueValues& catalogue, const QString& track) {
    return track.isEmpty() ? QString() : catalogue.raceTimes.value(raceTimeKey(track));
}

CatalogueValues readCatalogueValues(const Recordset& tracks) {
    enum { Name, Country, Author, Laps, Length, Size, RaceTime };
    const QList<QVariantList> rows = tracks.columnValues(
        {catalogue::Name, catalogue::Country, catalogue::Author, catalogue::Laps, catalogue::Length,
         catalogue::Size, catalogue::RaceTime});
    CatalogueValues out;
    out.raceTimes.reserve(rows.size());
    for (const QVariantList& row : rows) {
        const QString name = trackKey(textOf(row.at(Name)));
        const QString key = raceTimeKey(name);
        // The first row of a name is the one a lookup by name finds.
        if (!key.isEmpty() && !out.raceTimes.contains(key))
            out.raceTimes.insert(key, textOf(row.at(RaceTime)).trimmed());
        if (!row.at(Size).isNull() && !out.originals.contains(row.at(Size).toLongLong())) {
            CircuitInfo original;
            original.recognised = true;
            original.track = name;
            original.country = textOf(row.at(Country)).trimmed();
            original.author = textOf(row.at(Author)).trimmed();
            original.laps = textOf(row.at(Laps)).trimmed();
            original.length = textOf(row.at(Length)).trimmed();
            out.originals.insert(row.at(Size).toLongLong(), original);
        }
    }
    return out;
}

Columns readColumns(const QString& path, const CatalogueValues& catalogue) {
    // Read as the track info panel reads it: a file without block may be an original circuit,
    // known by its length.
    const CircuitInfo info = readCircuitInfo(
        path, [&catalogue](qint64 length) { return catalogue.originals.value(length); });
    Columns c;
    c.track = info.track;
    c.country = info.country.trimmed();
    c.author = info.author.trimmed();
    c.laps = info.laps.trimmed();
    c.length = info.length.trimmed();
    c.raceTime = raceTimeOf(catalogue, c.track);
    const QString fileName = path.section(QLatin1Char('/'), -1);
    c.kind = circuitKind(fileName, info);
    c.kindMark = kindMark(fileName, info);
    return c;
}

} // namespace circuitcolumns
