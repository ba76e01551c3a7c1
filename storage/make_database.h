#pragma once
// Makes a database of the program's folder from its definition file ("maps.def" for
// "Maps.mdb", "pso.def" for every other name), or brings an existing one up to date, then
// writes the program's default rows where they are missing: a row or field the player had is
// kept as it was. The caller sets bas.StatusText first; the Status window shows it while the
// work goes on. A few failures end the program after a message (ProgramEnded); the rest are
// skipped. A program folder the user cannot write stops it before anything is shown or
// changed: std::runtime_error "cannot write <folder>: <reason>".
//
// An existing lap time database is brought up to date in a copy beside it, which takes its
// name only once complete; until then the file stays as it was. When its layout was older
// than this program's, the file as it was is kept beside it ("pso.mdb.v162"; no ".mdb" at the
// end, so the database list does not offer it as a lap time database) and its path returned;
// otherwise "" is returned. A database of a newer layout is never touched:
// std::runtime_error with newerLayoutRefusal().
#include <QString>

struct Gp2PsoBas;

// The layout version a made or updated lap time database is given ("Version" of Parameters);
// a database of a lower one is brought up to date when it is opened. 163 added History, 164
// the Log Imports that tell how much of the lap timer's log was read.
constexpr int kLapTimeDatabaseVersion = 164;

QString MakeDatabase(Gp2PsoBas& bas, const QString& name);

// Why database `name` of layout `version` (above kLapTimeDatabaseVersion) is not used.
QString newerLayoutRefusal(const QString& name, int version);
