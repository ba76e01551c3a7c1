#include "storage/record_lookup.h"

#include "platform/codepage.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"

#include <stdexcept>

namespace catalogue {

Recordset& requireOpen(const std::unique_ptr<Recordset>& rs, const QString& table) {
    if (!rs)
        throw std::runtime_error("the table " + table.toStdString() + " is not open");
    return *rs;
}

QString nameKey(const QString& name) {
    return cp1252::foldCase(name);
}

bool seekKey(Recordset& rs, const QString& index, const QVariant& key) {
    // Choosing the index again would read the row order once more for nothing.
    if (rs.index().compare(index, Qt::CaseInsensitive) != 0)
        rs.setIndex(index);
    rs.seek(QStringLiteral("="), key);
    return !rs.noMatch();
}

bool seekName(Recordset& rs, const QString& name) {
    return seekKey(rs, NameIndex, name);
}

} // namespace catalogue
