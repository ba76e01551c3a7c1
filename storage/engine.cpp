// The database engine on SQLite. A database keeps the definitions in SQLite's own schema:
// a field's type code and size are its declared column type ("TEXT(50)", "LONG" ...), an
// index is an SQLite index named "ix|<table>|<name>" ("pk|" for the primary one), and text
// index columns sort and compare with COLLATE NOCASE. Text sizes are recorded, not enforced:
// the program cuts the texts it must keep short itself, and a longer country from an info
// block should not cost the track its catalogue row.
#include "storage/engine.h"

#include "platform/codepage.h"
#include "storage/edit_buffer.h"
#include "storage/engine_sqlite.h"
#include "storage/row_cursor.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

#include <optional>

using namespace engine_detail;

namespace {

// Marks the header of every database this engine makes (the letters "PSO1").
constexpr int kApplicationId = 0x50534F31;

// A file whose repair failed is not repaired again until it has changed: a second attempt
// in a row could do no better, and callers that retry an open must not go round forever.
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;
    bool operator==(const FileStamp&) const = default;
};
QHash<QString, FileStamp>& unrepairable() {
    static QHash<QString, FileStamp> files;
    return files;
}
FileStamp stampOf(const QFileInfo& fi) {
    return {fi.size(), fi.lastModified()};
}

void checkExisting(const QFileInfo& fi, const QString& path) {
    if (!fi.exists())
        fail(dberr::NotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    if (fi.isDir())
        fail(dberr::PermissionDenied, QStringLiteral("Permission denied: '%1'.").arg(path));
}

[[noreturn]] void missingTable(const QString& table) {
    fail(dberr::ItemNotFound,
         QStringLiteral("Item not found in this collection: table '%1'.").arg(table));
}

void checkName(const QString& name, const char* what) {
    if (name.trimmed().isEmpty())
        fail(dberr::Generic, QStringLiteral("A %1 needs a name.").arg(QLatin1String(what)));
}

// A field of a row id's name would hide the row id the recordsets address rows by.
void checkFieldName(const FieldDef& field) {
    checkName(field.name, "field");
    if (isRowIdName(field.name.trimmed()))
        fail(dberr::Generic,
             QStringLiteral("Field name '%1' is kept for the row id and cannot be used.")
                 .arg(field.name));
}

// "pso.mdb.damaged", or "pso.mdb.damaged2" ... when an earlier one is still there.
QString freeAsideName(const QString& path) {
    const QString base = path + QStringLiteral(".damaged");
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QString::number(n);
    return name;
}

// Copies what can still be read of a damaged database into a new file and puts it in place;
// the damaged file stays beside it under a name of its own.
void recover(const ConnectionPtr& damaged, const QString& path) {
    struct Entry {
        QString type, name, sql;
    };
    QList<Entry> schema;
    {
        Statement st(damaged, QStringLiteral("SELECT type, name, sql FROM sqlite_master "
                                             "WHERE sql IS NOT NULL ORDER BY rowid"));
        while (st.step())
            schema << Entry{st.text(0), st.text(1), st.text(2)};
    }
    const QString temp = path + QStringLiteral(".repair");
    QFile::remove(temp);
    {
        ConnectionPtr out = connect(temp, true);
        exec(out, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
        exec(out, QStringLiteral("BEGIN"));
        for (const Entry& e : schema) {
            if (e.type != QLatin1String("table") || e.name.startsWith(QLatin1String("sqlite_")))
                continue;
            exec(out, e.sql);
            Statement rows(damaged, QStringLiteral("SELECT * FROM %1").arg(quoted(e.name)));
            for (;;) {
                try {
                    if (!rows.step())
                        break;
                } catch (const DbError&) {
                    break; // the rest of the table lies behind a damaged page
                }
                QStringList marks;
                for (int i = 0; i < rows.columnCount(); ++i)
                    marks << QStringLiteral("?");
                Statement ins(out, QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                       .arg(quoted(e.name), marks.join(QLatin1Char(','))));
                for (int i = 0; i < rows.columnCount(); ++i)
                    ins.bind(i + 1, rows.column(i));
                ins.run();
            }
        }
        for (const Entry& e : schema) {
            if (e.type != QLatin1String("index"))
                continue;
            try {
                exec(out, e.sql);
            } catch (const DbError&) {
                // an index the recovered rows no longer satisfy is left out
            }
        }
        exec(out, QStringLiteral("COMMIT"));
    }
    damaged->close();
    // The damaged file is kept beside the repaired one: the repair may have left rows behind
    // that could still be got out of it by other means.
    const QString aside = freeAsideName(path);
    if (!QFile::rename(path, aside)) {
        QFile::remove(temp);
        fail(dberr::PermissionDenied,
             QStringLiteral("Could not put the repaired database in place of '%1'.").arg(path));
    }
    if (!QFile::rename(temp, path)) {
        QFile::rename(aside, path);
        fail(dberr::PermissionDenied,
             QStringLiteral("Could not put the repaired database in place of '%1'.").arg(path));
    }
}

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

struct Database::Impl {
    ConnectionPtr conn;
};

Database::Database(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
Database::~Database() = default;

std::unique_ptr<Database> Database::create(const QString& path, const QString&, int) {
    if (QFileInfo::exists(path))
        fail(dberr::AlreadyExists, QStringLiteral("Database '%1' already exists.").arg(path));
    ConnectionPtr conn = connect(path, true);
    // Writing the header makes the new database a file at once.
    exec(conn, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
    return std::unique_ptr<Database>(new Database(std::make_unique<Impl>(Impl{conn})));
}

std::unique_ptr<Database> Database::open(const QString& path) {
    return open(path, Sync::Full);
}

std::unique_ptr<Database> Database::open(const QString& path, Sync sync) {
    const QFileInfo fi(path);
    checkExisting(fi, path);
    ConnectionPtr conn = connect(path, false, sync == Sync::Deferred);
    unrepairable().remove(fi.absoluteFilePath());
    return std::unique_ptr<Database>(new Database(std::make_unique<Impl>(Impl{conn})));
}

void Database::repair(const QString& path) {
    const QFileInfo fi(path);
    checkExisting(fi, path);
    const QString key = fi.absoluteFilePath();
    const auto known = unrepairable().constFind(key);
    if (known != unrepairable().constEnd() && *known == stampOf(fi))
        fail(dberr::UnrecognizedFormat,
             QStringLiteral("Unrecognized database format '%1' (repaired before).").arg(path));
    try {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            fail(dberr::PermissionDenied, QStringLiteral("Permission denied: '%1'.").arg(path));
        const QByteArray head = f.read(16);
        if (head.isEmpty())
            return; // an empty file is an empty database
        if (head != QByteArray("SQLite format 3", 16))
            fail(dberr::UnrecognizedFormat,
                 QStringLiteral("Unrecognized database format '%1'.").arg(path));
        f.close();
        ConnectionPtr conn = connect(path, false);
        try {
            Statement check(conn, QStringLiteral("PRAGMA quick_check"));
            if (check.step() && check.text(0) == QLatin1String("ok"))
                return;
        } catch (const DbError& e) {
            if (e.number != dberr::UnrecognizedFormat)
                throw;
        }
        recover(conn, path);
    } catch (const DbError& e) {
        if (e.number == dberr::UnrecognizedFormat)
            unrepairable().insert(key, stampOf(QFileInfo(path)));
        throw;
    }
}

void Database::compact(const QString& source, const QString& target) {
    if (QFileInfo::exists(target))
        fail(dberr::AlreadyExists, QStringLiteral("Database '%1' already exists.").arg(target));
    checkExisting(QFileInfo(source), source);
    ConnectionPtr conn = connect(source, false);
    Statement st(conn, QStringLiteral("VACUUM INTO ?1"));
    st.bind(1, target);
    st.run();
}

void Database::sync() {
    sqlite3* db = d->conn->handle();
    sqlite3_file* f = nullptr;
    const int rc = sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &f);
    if (rc != SQLITE_OK)
        failSqlite(db, rc, QStringLiteral("sync"));
    if (f && f->pMethods) {
        const int synced = f->pMethods->xSync(f, SQLITE_SYNC_FULL);
        if (synced != SQLITE_OK)
            failSqlite(db, synced, QStringLiteral("sync"));
    }
}

bool Database::integrityOk() const {
    try {
        Statement check(d->conn, QStringLiteral("PRAGMA integrity_check"));
        // One row "ok" when sound, else one row per problem found.
        return check.step() && check.text(0) == QLatin1String("ok") && !check.step();
    } catch (const DbError& e) {
        if (e.number == dberr::UnrecognizedFormat)
            return false;
        throw;
    }
}

void Database::close() {
    d->conn->close();
}

bool Database::isOpen() const {
    return d->conn->db != nullptr;
}

QString Database::path() const {
    return d->conn->path;
}

bool Database::tableExists(const QString& table) const {
    return !tableName(d->conn, table).isEmpty();
}

QString Database::objectType(const QString& name) const {
    Statement st(d->conn, QStringLiteral("SELECT type, name FROM sqlite_master"));
    while (st.step())
        if (st.text(1).compare(name, Qt::CaseInsensitive) == 0)
            return st.text(0);
    return {};
}

QStringList Database::tableNames() const {
    QStringList names;
    Statement st(d->conn, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                         "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                                         "ORDER BY rowid"));
    while (st.step())
        names << st.text(0);
    return names;
}

void Database::createTable(const QString& table, const FieldDef& firstField) {
    checkName(table, "table");
    if (tableExists(table))
        fail(dberr::TableExists, QStringLiteral("Table '%1' already exists.").arg(table));
    checkFieldName(firstField);
    exec(d->conn,
         QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table), columnDefinition(firstField)));
}

void Database::appendField(const QString& table, const FieldDef& field) {
    const QString real = tableName(d->conn, table);
    if (real.isEmpty())
        missingTable(table);
    checkFieldName(field);
    if (findColumn(columns(d->conn, real), field.name) >= 0)
        fail(dberr::FieldDefinedTwice,
             QStringLiteral("Field '%1' is defined more than once.").arg(field.name));
    exec(d->conn,
         QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(quoted(real), columnDefinition(field)));
}

void Database::appendIndex(const QString& table, const IndexDef& index) {
    const QString real = tableName(d->conn, table);
    if (real.isEmpty())
        missingTable(table);
    checkName(index.name, "index");
    const QList<Column> cols = columns(d->conn, real);
    QStringList terms;
    for (QString part : index.fields.split(QLatin1Char(';'))) {
        part = part.trimmed();
        bool descending = false;
        if (part.startsWith(QLatin1Char('+')) || part.startsWith(QLatin1Char('-'))) {
            descending = part.startsWith(QLatin1Char('-'));
            part = part.mid(1).trimmed();
        }
        if (part.isEmpty())
            continue;
        const int c = findColumn(cols, part);
        if (c < 0)
            fail(dberr::ItemNotFound,
                 QStringLiteral("Item not found in this collection: field '%1'.").arg(part));
        QString term = quoted(cols.at(c).name);
        if (isTextType(cols.at(c).type))
            term += QLatin1String(" COLLATE NOCASE");
        if (descending)
            term += QLatin1String(" DESC");
        terms << term;
    }
    if (terms.isEmpty())
        fail(dberr::NoFieldDefined,
             QStringLiteral("No field defined--cannot append index '%1'.").arg(index.name));
    for (const IndexInfo& existing : engine_detail::indexes(d->conn, real)) {
        if (existing.name.compare(index.name, Qt::CaseInsensitive) == 0)
            fail(dberr::IndexExists, QStringLiteral("Index '%1' already exists.").arg(index.name));
        if (index.primary && existing.primary)
            fail(dberr::PrimaryKeyExists,
                 QStringLiteral("Primary key already exists in table '%1'.").arg(real));
    }
    const bool unique = index.unique || index.primary;
    exec(d->conn, QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                      .arg(unique ? QStringLiteral("UNIQUE ") : QString(),
                           quoted(indexSqlName(real, index.name, index.primary)), quoted(real),
                           terms.join(QLatin1String(", "))));
}

QList<FieldDef> Database::fields(const QString& table) const {
    const QString real = tableName(d->conn, table);
    if (real.isEmpty())
        missingTable(table);
    QList<FieldDef> out;
    for (const Column& c : columns(d->conn, real))
        out << fieldFromColumn(c);
    return out;
}

QList<IndexDef> Database::indexes(const QString& table) const {
    const QString real = tableName(d->conn, table);
    if (real.isEmpty())
        missingTable(table);
    QList<IndexDef> out;
    for (const IndexInfo& i : engine_detail::indexes(d->conn, real))
        out << IndexDef{i.name, i.fieldList(), i.unique, i.primary};
    return out;
}

// ---------------------------------------------------------------------------------------------

struct Recordset::Impl {
    ConnectionPtr conn;
    QString table;
    QString rowKey; // addresses the rows: "rowid" unless a column of that name hides it
    QList<Column> cols;
    std::optional<IndexInfo> index;

    RowCursor cursor;
    OrderCache orders;
    EditBuffer edits;

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

void Recordset::setIndex(const QString& indexName) {
    for (const IndexInfo& i : engine_detail::indexes(d->c(), d->table)) {
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
        Statement st(
            d->c(), QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1%4 ORDER BY %5 LIMIT 1")
                        .arg(d->rowKey, quoted(d->table), quoted(first.column),
                             isTextType(first.type) ? QStringLiteral(" COLLATE NOCASE") : QString(),
                             d->index->orderBy(d->rowKey)));
        st.bind(1, stored);
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
