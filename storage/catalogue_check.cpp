#include "storage/catalogue_check.h"

#include "storage/engine.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <utility>

namespace {

// "Name;-Size" and "+name; -size" name the same key.
QString keyOf(const QString& fields) {
    QStringList parts;
    for (QString part : fields.split(QLatin1Char(';'))) {
        part = part.trimmed();
        if (part.startsWith(QLatin1Char('+')))
            part = part.mid(1).trimmed();
        if (!part.isEmpty())
            parts << part.toCaseFolded();
    }
    return parts.join(QLatin1Char(';'));
}

bool hasField(const QList<FieldDef>& fields, const QString& name) {
    for (const FieldDef& f : fields)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

CatalogueFaults checkCatalogue(Database& db, const QList<deffile::Item>& items) {
    CatalogueFaults out;
    QSet<QString> tablesDone; // each table's own faults are told once
    QSet<QString> unusableTables;
    // What the file holds of each table, read once: pso.def names a table on every line.
    QHash<QString, bool> exists;
    QHash<QString, QList<FieldDef>> fieldsOf;
    QHash<QString, QList<IndexDef>> indexesOf;
    for (const deffile::Item& item : items) {
        if (item.kind == deffile::Item::Kind::BadLine)
            continue;
        const QString table = item.table;
        const QString folded = table.toCaseFolded();
        if (!tablesDone.contains(folded)) {
            tablesDone.insert(folded);
            const QString type = db.objectType(table);
            if (type.isEmpty()) {
                out.missing << QCoreApplication::translate("CatalogueCheck", "table %1").arg(table);
            } else if (type != QLatin1String("table")) {
                out.unusable << QCoreApplication::translate("CatalogueCheck",
                                                            "%1 is a %2, not a table")
                                    .arg(table, type);
                unusableTables.insert(folded);
            } else {
                try {
                    db.openTable(table)->close();
                } catch (const DbError& e) {
                    if (e.number != dberr::Generic)
                        throw;
                    out.unusable << e.description;
                    unusableTables.insert(folded);
                }
            }
        }
        if (!exists.contains(folded))
            exists.insert(folded, db.tableExists(table));
        if (unusableTables.contains(folded) || !exists.value(folded))
            continue; // a missing table brings its fields and indexes along
        if (item.kind == deffile::Item::Kind::Field) {
            if (!fieldsOf.contains(folded))
                fieldsOf.insert(folded, db.fields(table));
            if (!hasField(fieldsOf.value(folded), item.field.name))
                out.missing << QCoreApplication::translate("CatalogueCheck", "field %1.%2")
                                   .arg(table, item.field.name);
            continue;
        }
        const IndexDef& wanted = item.index;
        bool found = false;
        if (!indexesOf.contains(folded))
            indexesOf.insert(folded, db.indexes(table));
        for (const IndexDef& have : std::as_const(indexesOf[folded])) {
            if (have.name.compare(wanted.name, Qt::CaseInsensitive) != 0)
                continue;
            found = true;
            if (keyOf(have.fields) != keyOf(wanted.fields))
                out.unusable << QCoreApplication::translate("CatalogueCheck",
                                                            "index %1.%2 is over %3, not %4")
                                    .arg(table, wanted.name, have.fields, wanted.fields);
            else if ((wanted.unique || wanted.primary) && !have.unique)
                out.unusable << QCoreApplication::translate("CatalogueCheck",
                                                            "index %1.%2 is not unique")
                                    .arg(table, wanted.name);
        }
        if (!found)
            out.missing << QCoreApplication::translate("CatalogueCheck", "index %1.%2")
                               .arg(table, wanted.name);
    }
    return out;
}
