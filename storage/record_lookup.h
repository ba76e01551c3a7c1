#pragma once
// The two steps every reader of a catalogue table starts with: the table's recordset, which
// may not have opened, and the row of a key.
#include <QString>
#include <QVariant>

#include <memory>

class Recordset;

namespace catalogue {

// The recordset `table` was opened into; std::runtime_error "the table <table> is not open"
// when it did not open.
Recordset& requireOpen(const std::unique_ptr<Recordset>& rs, const QString& table);

// The key a track name is compared by, wherever names are matched (the catalogue's lookup, the
// race time column, the lap times filed, their history, Record Status): the case of every
// letter of the code page folded. Of several rows with one key, a lookup takes the oldest.
QString nameKey(const QString& name);

// Makes the first row whose key in `index` equals `key` current (text without regard to
// case); false when there is none. The index stays the current one.
bool seekKey(Recordset& rs, const QString& index, const QVariant& key);
// seekKey on the Name index.
bool seekName(Recordset& rs, const QString& name);

} // namespace catalogue
