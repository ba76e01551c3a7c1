// The recordsets of the SQLite engine (database.cpp): a cursor over a table's rows in the order
// of its current index, with the edit buffer of addNew/edit.
#include "storage/engine.h"

#include "platform/codepage.h"
#include "storage/edit_buffer.h"
#include "storage/engine_handles.h"
#include "storage/engine_sqlite.h"
#include "storage/row_cursor.h"

#include <QHash>

#include <sqlite3.h>

#include <optional>

using namespace engine_detail;

namespace {

qint64 leadingNumber(const QString& text) {
    const QString t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t[end] == QLatin1Char('-') || t[end] == QLatin1Char('+')))
        ++end;
    while (end < t.size() && t[end].isDigit())
        ++end;
    return t.left(end).toLongLong();
}

} // namespace

struct Recordset::Impl {
    ConnectionPtr conn;
    QString table;
    QString rowKey; // addresses the rows: "rowid" unless a column of that name hides it
    QList<Column> cols;
    std::optional<IndexInfo> index;

    RowCursor cursor;
    OrderCache orders;
    EditBuffer edits;
    // The table's indexes as read at schema version `indexesSchema`: looking a circuit up by
    // size and then by name switches the index twice per circuit.
    QList<IndexInfo> indexList;
    qint64 indexesSchema = -1;

    const ConnectionPtr& c() const {
        if (!conn)
            fail(dberr::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
        conn->handle();
        return conn;
    }

    int column(const QString& name) {
        int i = findColumn(cols, name);
        if (i < 0) { // a field appended since the recordset was opened
            cols = columns(c(), table);
            i = findColumn(cols, name);
        }
        if (i < 0)
            fail(dberr::ItemNotFound,
                 QStringLiteral("Item not found in this collection: field '%1'.").arg(name));
        return i;
    }

    const QList<IndexInfo>& tableIndexes() {
        Statement st(c(), QStringLiteral("PRAGMA schema_version"));
        st.step();
        const qint64 schema = st.int64(0);
        if (schema != indexesSchema) {
            indexList = indexes(c(), table);
            indexesSchema = schema;
        }
        return indexList;
    }

    DataStamp stamp() const {
        Statement st(c(), QStringLiteral("PRAGMA data_version"));
        st.step();
        return {sqlite3_total_changes64(c()->handle()), st.int64(0)};
    }

    // The rows in the current index's order (rowid order without index) as they are now.
    RowOrder currentOrder() {
        const QString orderBy = index ? index->orderBy(rowKey) : rowKey;
        const DataStamp now = stamp();
        const auto cached = orders.constFind(orderBy);
        if (cached != orders.cend() && cached->stamp == now)
            return *cached;
        RowOrder order{now, {}};
        Statement st(
            c(),
            QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(rowKey, quoted(table), orderBy));
        while (st.step())
            order.rows << st.int64(0);
        orders.insert(orderBy, order);
        return order;
    }

    void moveFirst() {
        edits.clear();
        cursor.moveFirst(currentOrder());
    }

    void moveNext() {
        if (!cursor.hasCurrent())
            fail(dberr::NoCurrentRecord, QStringLiteral("No current record."));
        edits.clear();
        cursor.moveNext(stamp() == cursor.stamp() ? cursor.order() : currentOrder());
    }
};

Recordset::Recordset(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
Recordset::~Recordset() = default;

void Recordset::setIndex(const QString& indexName) {
    for (const IndexInfo& i : d->tableIndexes()) {
        if (i.name.compare(indexName, Qt::CaseInsensitive) == 0) {
            d->index = i;
            d->moveFirst();
            return;
        }
    }
    fail(dberr::ItemNotFound,
         QStringLiteral("'%1' isn't an index in table '%2'.").arg(indexName, d->table));
}

QString Recordset::index() const {
    return d->index ? d->index->name : QString();
}

void Recordset::seek(const QString& op, const QVariant& key) {
    if (op.trimmed() != QLatin1String("="))
        fail(dberr::Generic, QStringLiteral("Seek supports only the comparison \"=\"."));
    if (!d->index)
        fail(dberr::NoCurrentIndex, QStringLiteral("Operation invalid without a current index."));
    if (d->index->parts.isEmpty())
        fail(dberr::Generic,
             QStringLiteral("Index '%1' has no field to seek on.").arg(d->index->name));
    d->edits.clear();
    const IndexInfo::Part& first = d->index->parts.first();
    const QVariant stored = toStored(first.type, key);
    std::optional<qint64> found;
    if (!stored.isNull()) {
        // Text keys compare by the program's name rule, which folds every letter of the code
        // page. The index folds ASCII letters alone, so it serves a key without other letters;
        // a key with them is compared row by row. Either way the oldest of the rows the rule
        // takes for one finds, whatever the spelling asked for.
        const bool text = isTextType(first.type);
        const bool beyondAscii = text && cp1252::hasLetterBeyondAscii(stored.toString());
        const QString sql =
            beyondAscii
                ? QStringLiteral("SELECT %1 FROM %2 WHERE pso_fold(%3) = ?1 ORDER BY %1 LIMIT 1")
                      .arg(d->rowKey, quoted(d->table), quoted(first.column))
                : QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1%4 ORDER BY %5 LIMIT 1")
                      .arg(d->rowKey, quoted(d->table), quoted(first.column),
                           text ? QStringLiteral(" COLLATE NOCASE") : QString(),
                           d->index->orderBy(d->rowKey));
        Statement st(d->c(), sql);
        st.bind(1, beyondAscii ? QVariant(cp1252::foldCase(stored.toString())) : stored);
        if (st.step())
            found = st.int64(0);
    }
    d->cursor.seekFound(found);
}

bool Recordset::noMatch() const {
    return d->cursor.noMatch();
}

void Recordset::moveFirst() {
    d->c();
    d->moveFirst();
}

void Recordset::moveNext() {
    d->c();
    d->moveNext();
}

bool Recordset::eof() const {
    return d->cursor.eof();
}

bool Recordset::bof() const {
    return d->cursor.bof();
}

int Recordset::recordCount() const {
    Statement st(d->c(), QStringLiteral("SELECT count(*) FROM %1").arg(quoted(d->table)));
    st.step();
    return int(st.int64(0));
}

void Recordset::addNew() {
    d->c();
    d->edits.start(EditBuffer::Mode::Add);
}

void Recordset::edit() {
    d->c();
    d->cursor.currentRow();
    d->edits.start(EditBuffer::Mode::Edit);
}

void Recordset::setValue(const QString& field, const QVariant& value) {
    d->edits.requireStarted();
    const int c = d->column(field);
    d->edits.set(c, toStored(d->cols.at(c).type, value));
}

void Recordset::update() {
    d->edits.requireStarted();
    QStringList names;
    QList<QVariant> values;
    for (auto it = d->edits.values().cbegin(); it != d->edits.values().cend(); ++it) {
        names << quoted(d->cols.at(it.key()).name);
        values << it.value();
    }
    const QString table = quoted(d->table);
    if (d->edits.mode() == EditBuffer::Mode::Add) {
        QStringList marks;
        for (int i = 1; i <= names.size(); ++i)
            marks << QStringLiteral("?%1").arg(i);
        Statement st(d->c(), names.isEmpty()
                                 ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                 : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                       .arg(table, names.join(QLatin1Char(',')),
                                            marks.join(QLatin1Char(','))));
        for (int i = 0; i < values.size(); ++i)
            st.bind(i + 1, values.at(i));
        st.run();
    } else if (!names.isEmpty()) {
        QStringList sets;
        for (int i = 0; i < names.size(); ++i)
            sets << QStringLiteral("%1 = ?%2").arg(names.at(i)).arg(i + 1);
        Statement st(d->c(), QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?%4")
                                 .arg(table, sets.join(QLatin1String(", ")), d->rowKey)
                                 .arg(names.size() + 1));
        for (int i = 0; i < values.size(); ++i)
            st.bind(i + 1, values.at(i));
        st.bind(int(names.size()) + 1, d->cursor.currentRow());
        st.run();
    }
    d->edits.clear();
}

void Recordset::cancelUpdate() {
    d->edits.clear();
}

void Recordset::deleteCurrent() {
    const qint64 row = d->cursor.currentRow();
    d->edits.clear();
    Statement st(d->c(),
                 QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(quoted(d->table), d->rowKey));
    st.bind(1, row);
    st.run();
    d->cursor.currentDeleted();
}

QVariant Recordset::value(const QString& field) const {
    const int c = d->column(field);
    const int type = d->cols.at(c).type;
    if (d->edits.holds(c))
        return fromStored(type, d->edits.value(c));
    if (d->edits.mode() == EditBuffer::Mode::Add)
        return fromStored(type, QVariant());
    const qint64 row = d->cursor.currentRow();
    Statement st(d->c(), QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1")
                             .arg(quoted(d->cols.at(c).name), quoted(d->table), d->rowKey));
    st.bind(1, row);
    if (!st.step())
        fail(dberr::NoCurrentRecord, QStringLiteral("No current record."));
    return fromStored(type, st.column(0));
}

QList<QVariantList> Recordset::columnValues(const QStringList& fields) const {
    QList<int> cols;
    QStringList names;
    for (const QString& f : fields) {
        cols << d->column(f);
        names << quoted(d->cols.at(cols.last()).name);
    }
    QList<QVariantList> rows;
    if (cols.isEmpty())
        return rows;
    Statement st(d->c(), QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                             .arg(names.join(QLatin1Char(',')), quoted(d->table), d->rowKey));
    while (st.step()) {
        QVariantList row;
        row.reserve(cols.size());
        for (int i = 0; i < cols.size(); ++i)
            row << fromStored(d->cols.at(cols.at(i)).type, st.column(i));
        rows << row;
    }
    return rows;
}

QString Recordset::text(const QString& field) const {
    const QVariant v = value(field);
    if (v.isNull())
        return {};
    switch (v.metaType().id()) {
    case QMetaType::QByteArray:
        return cp1252::toUnicode(v.toByteArray());
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

qint64 Recordset::number(const QString& field) const {
    const QVariant v = value(field);
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::LongLong:
        return v.toLongLong();
    case QMetaType::Double:
        return qint64(v.toDouble());
    case QMetaType::QByteArray:
        return leadingNumber(cp1252::toUnicode(v.toByteArray()));
    default:
        return leadingNumber(v.toString());
    }
}

bool Recordset::boolean(const QString& field) const {
    const QVariant v = value(field);
    if (v.metaType().id() == QMetaType::QString) {
        const QString t = v.toString().trimmed().toLower();
        return t == QLatin1String("true") || t == QLatin1String("yes") || leadingNumber(t) != 0;
    }
    return v.toBool();
}

void Recordset::close() {
    d->conn.reset();
}

std::unique_ptr<Recordset> Database::openTable(const QString& table) {
    const QString real = tableName(d->conn, table);
    if (real.isEmpty())
        missingTable(table);
    auto impl = std::make_unique<Recordset::Impl>();
    impl->conn = d->conn;
    impl->table = real;
    impl->rowKey = rowKey(d->conn, real);
    impl->cols = columns(d->conn, real);
    impl->moveFirst();
    return std::unique_ptr<Recordset>(new Recordset(std::move(impl)));
}
