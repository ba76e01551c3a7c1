#pragma once
// Rules for the names of the lap time databases in the program folder: which files are
// listed, what a typed name becomes, and which names the list commands must leave alone.
#include <QString>
#include <QStringList>

namespace dbnames {

// The menu picture database and the standard lap time database.
inline const QString kMaps = QStringLiteral("Maps.mdb");
inline const QString kStandard = QStringLiteral("pso.mdb");

// Every .mdb file of the folder is a lap time database except the menu picture one.
bool isLapTimeDatabase(const QString& fileName);

// The file name for a typed answer: ".mdb" is appended unless the answer ends in exactly
// that (so "Season.MDB" becomes "Season.MDB.mdb").
QString fileNameFor(const QString& answer);

// A plain file name of one folder: not empty, no separator, no drive colon, not "." or "..".
bool isPlainFileName(const QString& name);

// The message refusing a new database of that file name, or "" when it may be made.
QString newRefusal(const QString& fileName);

// The message refusing to delete `name`, or "" when it may be deleted. Kept are the menu
// picture database, the standard database, the one opened at start-up (`dbName`) and any
// name that is not one of `listed` (the list holds what the folder has).
QString deleteRefusal(const QString& name, const QString& dbName, const QStringList& listed);

} // namespace dbnames
