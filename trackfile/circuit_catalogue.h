#pragma once
// A circuit's facts joined to the catalogue: the original circuits known by their file length,
// the rows a track is given where the program means to keep it, and its stored car setup.
#include "trackfile/circuit_info.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class Recordset;
struct OpenDatabases;

namespace catalogue {

// Looks the originals up in the Tracks rows that hold a file length (the Size index). A table
// that is not open knows no original.
OriginalsByLength originalsIn(Recordset* tracks);

// readCircuitInfo with the originals of the open catalogue.
CircuitInfo readCircuit(const OpenDatabases& bas, const QString& path);

// Adds the Tracks row (name and country) and the Maps row of `info`'s track where they are
// missing. Rows that are there are left as they are; a catalogue that fails is noted.
void ensureTrackRow(const OpenDatabases& bas, const CircuitInfo& info);
// The same for several circuits, all or none per database (one transaction each), for a
// command that must say whether its rows were kept: "" when they were (or a database is not
// open), else each database that failed, its path and why.
QString ensureTrackRows(const OpenDatabases& bas, const QList<CircuitInfo>& infos);

// readCircuit for a circuit that goes into a game slot (Change, View Pack, Export, the slots
// read from the game): its rows are ensured, so that its times and pictures have their place.
CircuitInfo readSlotCircuit(const OpenDatabases& bas, const QString& path);

// The menu pictures kept for `track` in its Maps row (640x480, then 440x330; trimmed file
// names); blank without a row.
QStringList menuPictures(const OpenDatabases& bas, const QString& track);

// The car setup kept for `info`'s track: its Tracks row's, else an original's own; empty when
// none is stored.
QByteArray storedSetup(const OpenDatabases& bas, const CircuitInfo& info);

} // namespace catalogue
