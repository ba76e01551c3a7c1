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
// Whether Maps holds a row `name`.
bool hasMap(Gp2PsoBas& bas, const QString& name);
// A field of the Parameters row as text; "<no row>" without the row.
QString param(Recordset& params, const QString& field);
QString param(Gp2PsoBas& bas, const QString& field);
// The car setup stored for the original circuit of game slot `slot`; "<no row>" without one.
QByteArray setupOf(Gp2PsoBas& bas, int slot);

} // namespace testrows
