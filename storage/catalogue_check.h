#pragma once
// Whether a database holds the tables, fields and indexes its definition file describes, in
// a form the engine can work with: a database made elsewhere may lack them or hold them in a
// shape the program must not use.
#include "storage/definition_file.h"

#include <QList>
#include <QStringList>

class Database;

struct CatalogueFaults {
    // What an update from the definition file adds: "table Tracks", "index Tracks.Name" ...
    QStringList missing;
    // What no update can mend: a view in a table's place, a table without row ids, an index
    // of the right name over other fields or not unique.
    QStringList unusable;
    bool none() const { return missing.isEmpty() && unusable.isEmpty(); }
    QStringList all() const { return missing + unusable; }
};

// Checks `db` against the field and index items of a definition file (other items are
// passed over). Engine failures (a held or damaged file) are thrown.
CatalogueFaults checkCatalogue(Database& db, const QList<deffile::Item>& items);
