#include "trackfile/circuit_catalogue.h"

#include "platform/ignore_step.h"
#include "platform/program_end.h"
#include "platform/shown_text.h"
#include "storage/catalogue_names.h"
#include "storage/gp2psobas.h"
#include "storage/record_lookup.h"

#include <QList>

#include <exception>

namespace catalogue {

OriginalsByLength originalsIn(Recordset* tracks) {
    return [tracks](qint64 length) {
        CircuitInfo info;
        if (!tracks)
            return info;
        ignoreFailure("looking the circuit up by its length", [&] {
            const bool found = seekKey(*tracks, SizeIndex, length);
            if (found) {
                info.recognised = true;
                info.original = true;
                info.track = tracks->text(Name).trimmed();
                info.country = tracks->text(Country).trimmed();
                info.laps = tracks->text(Laps);
                info.tyre = tracks->text(Tyre);
                info.length = tracks->text(Length);
                info.slot = tracks->text(Slot);
                info.event = tracks->text(Event);
                info.author = tracks->text(Author);
                info.description = tracks->text(Description).trimmed();
                info.carSetup = tracks->value(CarSetup).toByteArray();
            }
            tracks->setIndex(NameIndex);
        });
        return info;
    };
}

CircuitInfo readCircuit(const OpenDatabases& bas, const QString& path) {
    return readCircuitInfo(path, originalsIn(bas.TracksRs.get()));
}

namespace {

void addTracksRow(Recordset& tracks, const CircuitInfo& info) {
    if (info.track.isEmpty() || seekName(tracks, info.track))
        return;
    tracks.addNew();
    tracks.setValue(Name, info.track);
    tracks.setValue(Country, info.country.left(30));
    tracks.update();
}

void addMapsRow(Recordset& maps, const CircuitInfo& info) {
    if (info.track.isEmpty() || seekName(maps, info.track))
        return;
    maps.addNew();
    maps.setValue(Name, info.track);
    maps.update();
}

} // namespace

void ensureTrackRow(const OpenDatabases& bas, const CircuitInfo& info) {
    if (info.track.isEmpty())
        return;
    ignoreFailure("adding the track's catalogue row",
                  [&] { addTracksRow(requireOpen(bas.TracksRs, Tracks), info); });
    ignoreFailure("adding the track's menu picture row",
                  [&] { addMapsRow(requireOpen(bas.MapsRs, Maps), info); });
}

QString ensureTrackRows(const OpenDatabases& bas, const QList<CircuitInfo>& infos) {
    QStringList failed;
    const auto addAll = [&](Database* db, Recordset* rs,
                            void (*add)(Recordset&, const CircuitInfo&)) {
        if (!db || !db->isOpen() || !rs)
            return;
        try {
            Database::Transaction transaction(*db);
            for (const CircuitInfo& info : infos)
                add(*rs, info);
            transaction.commit();
        } catch (const ProgramEnded&) {
            throw;
        } catch (const std::exception& e) {
            failed << shown::path(db->path()) + QStringLiteral(" (") +
                          shown::text(QString::fromStdString(e.what())) + QStringLiteral(")");
        }
    };
    addAll(bas.Db.get(), bas.TracksRs.get(), addTracksRow);
    addAll(bas.MapsDb.get(), bas.MapsRs.get(), addMapsRow);
    return failed.join(QStringLiteral("; "));
}

CircuitInfo readSlotCircuit(const OpenDatabases& bas, const QString& path) {
    const CircuitInfo circuit = readCircuit(bas, path);
    ensureTrackRow(bas, circuit);
    return circuit;
}

QStringList menuPictures(const OpenDatabases& bas, const QString& track) {
    QStringList pictures{QString(), QString()};
    if (track.isEmpty())
        return pictures;
    ignoreFailure("reading the track's menu pictures", [&] {
        Recordset& maps = requireOpen(bas.MapsRs, Maps);
        if (seekName(maps, track))
            pictures = {maps.text(MenuPicture).trimmed(), maps.text(MenuPicture2).trimmed()};
    });
    return pictures;
}

QByteArray storedSetup(const OpenDatabases& bas, const CircuitInfo& info) {
    QByteArray setup = info.carSetup;
    if (info.track.isEmpty())
        return setup;
    ignoreFailure("reading the track's car setup", [&] {
        Recordset& tracks = requireOpen(bas.TracksRs, Tracks);
        if (seekName(tracks, info.track))
            setup = tracks.value(CarSetup).toByteArray();
    });
    return setup;
}

} // namespace catalogue
