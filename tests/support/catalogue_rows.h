#pragma once
// Reading and writing the catalogue rows the track info tests look at.
#include "storage/gp2psobas.h"
#include "tests/support/files.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <optional>

namespace testrows {

// The field of the Tracks row `name`, or nothing when there is no such row.
std::optional<QVariant> track(Gp2PsoBas& bas, const QString& name, const QString& field);
// Number of rows in Tracks.
int trackCount(Gp2PsoBas& bas);
// Sets one field of an existing Tracks row.
void setTrack(Gp2PsoBas& bas, const QString& name, const QString& field, const QVariant& value);
// Adds a Tracks row as another program would, whatever rows there are already.
void addTrack(Gp2PsoBas& bas, const QString& name, const QString& raceTime);
// Whether Maps holds a row `name`.
bool hasMap(Gp2PsoBas& bas, const QString& name);
// A field of the Maps row `name` as text; "<no record>" without the row.
QString mapText(Gp2PsoBas& bas, const QString& name, const QString& field);
// A field of the Parameters row as text; "<no row>" without the row.
QString param(Recordset& params, const QString& field);
QString param(Gp2PsoBas& bas, const QString& field);
// A field of the Parameters row of the database file at `path`, opened for this alone.
QVariant storedParam(const QString& path, const QString& field);
// Sets a field of that row, as another program would.
void setStoredParam(const QString& path, const QString& field, const QVariant& value);
// Runs `sql` on the database file at `path` with SQLite itself, as another program would;
// false when it failed.
bool runSql(const QString& path, const QString& sql);
// The car setup stored for the track `name`, or for the original circuit of game slot `slot`;
// "<no row>" without the row.
QByteArray setupOf(Gp2PsoBas& bas, const QString& name);
QByteArray setupOf(Gp2PsoBas& bas, int slot);

} // namespace testrows
