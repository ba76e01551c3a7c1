#pragma once
// Makes a database of the program's folder from its definition file ("maps.def" for
// "Maps.mdb", "pso.def" for every other name), or brings an existing one up to date, then
// writes the program's default rows. The caller sets bas.StatusText first; the Status window
// shows it while the work goes on. A few failures end the program after a message
// (ProgramEnded); the rest are skipped. A program folder the user cannot write stops it
// before anything is shown or changed: std::runtime_error "cannot write <folder>: <reason>".
#include <QString>

struct Gp2PsoBas;

// The layout version a made or updated lap time database is given ("Version" of Parameters);
// a database of a lower one is brought up to date when it is opened. 163 added History, 164
// the Log Imports that tell how much of the lap timer's log was read.
constexpr int kLapTimeDatabaseVersion = 164;

void MakeDatabase(Gp2PsoBas& bas, const QString& name);
