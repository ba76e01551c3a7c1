#include "storage/engine_sqlite.h"

#include "platform/codepage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

#include <cmath>
#include <limits>
#include <utility>

namespace engine_detail {
namespace {

// How long a statement waits for another connection's lock before the file counts as in use.
constexpr int kBusyTimeoutMs = 200;

int engineNumber(int rc) {
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return dberr::Locked;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return dberr::UnrecognizedFormat;
    case SQLITE_READONLY:
        return dberr::ReadOnly;
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
        return dberr::PermissionDenied;
    case SQLITE_CONSTRAINT:
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
            return dberr::DuplicateKey;
        return dberr::Generic;
    default:
        return dberr::Generic;
    }
}

QString describe(int number, const QString& path, const QString& context, const QString& sqlite) {
    switch (number) {
    case dberr::Locked:
        return QStringLiteral("The database '%1' is in use by another user.").arg(path);
    case dberr::UnrecognizedFormat:
        return QStringLiteral("Unrecognized database format '%1'.").arg(path);
    case dberr::ReadOnly:
        return QStringLiteral("Cannot update. Database '%1' is read-only.").arg(path);
    case dberr::PermissionDenied:
        return QStringLiteral("Permission denied: '%1'.").arg(path);
    case dberr::DuplicateKey:
        return QStringLiteral("The changes would create duplicate values in a unique index (%1).")
            .arg(sqlite);
    default:
        return QStringLiteral("%1: %2").arg(context, sqlite);
    }
}

// Own sizes of the fixed types; the position is the type code.
constexpr int kOwnSize[13] = {0, 1, 1, 2, 4, 8, 4, 8, 8, 0, 0, 0, 0};
const char* const kTypeWord[13] = {"",         "BOOLEAN",    "BYTE",    "SHORT",    "LONG",
                                   "CURRENCY", "SINGLE",     "DOUBLE",  "DATETIME", "BINARY",
                                   "TEXT",     "LONGBINARY", "LONGTEXT"};

bool hasSize(int type) {
    return type == int(FieldType::Text) || type == int(FieldType::Binary);
}

// Type code and size from a declared column type; columns made elsewhere get the code that
// fits their affinity.
Column parseDeclared(const QString& name, const QString& declared) {
    Column col{name, 0, 0};
    QString word = declared.trimmed().toUpper();
    int size = 0;
    const qsizetype paren = word.indexOf(QLatin1Char('('));
    if (paren >= 0) {
        size = word.mid(paren + 1).section(QLatin1Char(')'), 0, 0).trimmed().toInt();
        word = word.left(paren).trimmed();
    }
    for (int code = 1; code <= 12; ++code) {
        if (word == QLatin1String(kTypeWord[code])) {
            col.type = code;
            col.size = hasSize(code) ? size : kOwnSize[code];
            return col;
        }
    }
    if (word.contains(QLatin1String("INT")))
        col.type = int(FieldType::Long);
    else if (word.contains(QLatin1String("CHAR")) || word.contains(QLatin1String("CLOB")) ||
             word.contains(QLatin1String("TEXT")))
        col.type = int(FieldType::Memo);
    else if (word.isEmpty() || word.contains(QLatin1String("BLOB")))
        col.type = int(FieldType::LongBinary);
    else
        col.type = int(FieldType::Double);
    col.size = kOwnSize[col.type];
    return col;
}

bool isString(const QVariant& v) {
    return v.metaType().id() == QMetaType::QString;
}

[[noreturn]] void mismatch(const QVariant& value) {
    fail(dberr::TypeMismatch,
         QStringLiteral("Data type conversion error: '%1'.").arg(value.toString()));
}

QVariant toWhole(const QVariant& value) {
    if (isString(value) || value.metaType().id() == QMetaType::QByteArray) {
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return {};
        bool ok = false;
        const qint64 n = t.toLongLong(&ok);
        if (ok)
            return n;
        const double d = t.toDouble(&ok);
        if (ok && std::isfinite(d))
            return qint64(std::llround(d));
        mismatch(value);
    }
    if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float)
        return qint64(std::llround(value.toDouble()));
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    if (!ok)
        mismatch(value);
    return n;
}

QVariant toReal(const QVariant& value) {
    if (isString(value)) {
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return {};
        bool ok = false;
        const double d = t.toDouble(&ok);
        if (!ok)
            mismatch(value);
        return d;
    }
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok)
        mismatch(value);
    return d;
}

QVariant toFlag(const QVariant& value) {
    if (isString(value)) {
        const QString t = value.toString().trimmed().toLower();
        if (t.isEmpty() || t == QLatin1String("false") || t == QLatin1String("no") ||
            t == QLatin1String("0"))
            return qint64(0);
        if (t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("-1") ||
            t == QLatin1String("1"))
            return qint64(1);
        mismatch(value);
    }
    return qint64(value.toBool() ? 1 : 0);
}

} // namespace

Connection::~Connection() {
    close();
}

void Connection::close() {
    for (sqlite3_stmt* st : std::as_const(idle))
        sqlite3_finalize(st);
    idle.clear();
    if (db)
        sqlite3_close_v2(db);
    db = nullptr;
}

sqlite3* Connection::handle() const {
    if (!db)
        fail(dberr::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
    return db;
}

void fail(int number, const QString& description) {
    throw DbError(number, description);
}

void failSqlite(sqlite3* db, int rc, const QString& context) {
    const int number = engineNumber(rc);
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    const QString path = file ? QString::fromUtf8(file) : QString();
    const QString msg =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    fail(number, describe(number, path, context, msg));
}

namespace {

// pso_fold(text): the name key rule of the program (cp1252::foldCase), so a seek for a name
// with letters beyond ASCII finds the row that differs only in their case.
void foldFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray folded =
        cp1252::foldCase(QString::fromUtf8(text, sqlite3_value_bytes(argv[0]))).toUtf8();
    sqlite3_result_text(ctx, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

} // namespace

ConnectionPtr connect(const QString& path, bool create, bool deferred) {
    auto conn = std::make_shared<Connection>();
    conn->path = path;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &conn->db, flags, nullptr);
    if (rc != SQLITE_OK) {
        conn->close();
        if (create && !QFileInfo(path).absoluteDir().exists())
            fail(dberr::NotFound, QStringLiteral("Could not find the folder of '%1'.").arg(path));
        fail(engineNumber(rc), describe(engineNumber(rc), path, QStringLiteral("open"),
                                        QString::fromUtf8(sqlite3_errstr(rc))));
    }
    sqlite3_extended_result_codes(conn->db, 1);
    sqlite3_busy_timeout(conn->db, kBusyTimeoutMs);
    sqlite3_create_function_v2(conn->db, "pso_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               foldFunction, nullptr, nullptr, nullptr);
    // The first read shows whether the file is a database at all and whether it is held.
    Statement(conn, QStringLiteral("SELECT count(*) FROM sqlite_master")).run();
    Statement mode(conn, QStringLiteral("PRAGMA journal_mode"));
    if (mode.step() && mode.text(0).compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        exec(conn, QStringLiteral("PRAGMA journal_mode=DELETE"));
    if (deferred)
        exec(conn, QStringLiteral("PRAGMA synchronous=OFF"));
    return conn;
}

namespace {

// How many idle statements a connection keeps at most.
constexpr qsizetype kKeptStatements = 64;

// Statements kept for reuse: those that read or change rows, which SQLite prepares again by
// itself when the schema changed, and the data and schema versions, read anew at each step. A
// PRAGMA that reads the schema answers what its preparation found (nothing, for a table made
// later).
bool reusable(const QString& sql) {
    for (const char* word : {"SELECT ", "INSERT ", "UPDATE ", "DELETE "})
        if (sql.startsWith(QLatin1String(word)))
            return true;
    return sql == QLatin1String("PRAGMA data_version") ||
           sql == QLatin1String("PRAGMA schema_version");
}

} // namespace

Statement::Statement(const ConnectionPtr& conn, const QString& sql)
    : conn_(conn), db_(conn->handle()), sql_(sql) {
    if (reusable(sql_)) {
        stmt_ = conn_->idle.take(sql_);
        if (stmt_)
            return;
    }
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        failSqlite(db_, rc, sql);
    }
}

Statement::~Statement() {
    if (!stmt_)
        return;
    if (conn_->db == db_ && reusable(sql_) && conn_->idle.size() < kKeptStatements &&
        !conn_->idle.contains(sql_)) {
        // Reset, it holds no lock and keeps no value bound.
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        conn_->idle.insert(sql_, stmt_);
        return;
    }
    sqlite3_finalize(stmt_);
}

void Statement::bind(int position, const QVariant& value) {
    int rc = SQLITE_OK;
    switch (value.metaType().id()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        rc = sqlite3_bind_null(stmt_, position);
        break;
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        rc = sqlite3_bind_int64(stmt_, position, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        rc = sqlite3_bind_double(stmt_, position, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        rc = sqlite3_bind_blob64(stmt_, position, b.constData(), sqlite3_uint64(b.size()),
                                 SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray t = value.toString().toUtf8();
        rc = sqlite3_bind_text64(stmt_, position, t.constData(), sqlite3_uint64(t.size()),
                                 SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    }
    if (rc != SQLITE_OK)
        failSqlite(db_, rc, sql_);
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    failSqlite(db_, rc, sql_);
}

void Statement::run() {
    while (step()) {
    }
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QVariant Statement::column(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(stmt_, i));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt_, i);
    case SQLITE_BLOB: {
        const void* p = sqlite3_column_blob(stmt_, i);
        return QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(stmt_, i));
    }
    default:
        return text(i);
    }
}

qint64 Statement::int64(int i) const {
    return sqlite3_column_int64(stmt_, i);
}

QString Statement::text(int i) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(stmt_, i)) : QString();
}

void exec(const ConnectionPtr& conn, const QString& sql) {
    Statement(conn, sql).run();
}

QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QList<Column> columns(const ConnectionPtr& conn, const QString& table) {
    QList<Column> out;
    Statement st(conn, QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)));
    while (st.step())
        out << parseDeclared(st.text(1), st.text(2));
    return out;
}

QString tableName(const ConnectionPtr& conn, const QString& table) {
    Statement st(conn, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (st.step()) {
        const QString name = st.text(0);
        if (name.compare(table, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

int findColumn(const QList<Column>& cols, const QString& name) {
    for (int i = 0; i < cols.size(); ++i)
        if (cols.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool isRowIdName(const QString& name) {
    for (const char* alias : {"rowid", "_rowid_", "oid"})
        if (name.compare(QLatin1String(alias), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString rowKey(const ConnectionPtr& conn, const QString& table) {
    QStringList declared; // hidden and generated columns hide the row id as well
    {
        Statement st(conn, QStringLiteral("PRAGMA table_xinfo(%1)").arg(quoted(table)));
        while (st.step())
            declared << st.text(1);
    }
    for (const char* alias : {"rowid", "_rowid_", "oid"}) {
        const QString key = QLatin1String(alias);
        if (declared.contains(key, Qt::CaseInsensitive))
            continue;
        try {
            Statement(conn, QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(key, quoted(table)));
            return key;
        } catch (const DbError& e) {
            if (e.number != dberr::Generic)
                throw; // held or damaged: not a question of the table's layout
            break;     // a table without row ids
        }
    }
    fail(dberr::Generic,
         QStringLiteral("Table '%1' has no row id the program can use (a table WITHOUT ROWID, "
                        "or columns named rowid, _rowid_ and oid).")
             .arg(table));
}

QString columnDefinition(const FieldDef& field) {
    if (field.type < 1 || field.type > 12)
        fail(dberr::InvalidFieldType,
             QStringLiteral("Invalid field data type (field '%1').").arg(field.name));
    QString def = quoted(field.name) + QLatin1Char(' ') + QLatin1String(kTypeWord[field.type]);
    if (hasSize(field.type) && field.size > 0)
        def += QStringLiteral("(%1)").arg(field.size);
    if (field.type == int(FieldType::Boolean))
        def += QLatin1String(" NOT NULL DEFAULT 0"); // a Yes/No field is never empty
    return def;
}

FieldDef fieldFromColumn(const Column& col) {
    FieldDef f;
    f.name = col.name;
    f.type = col.type;
    f.size = col.size;
    // The engine keeps type and size; the rest follows from the type as the definition files
    // give it: text is variable in size, text and memo accept the empty string.
    f.attributes = col.type == int(FieldType::Text) ? 0 : 1;
    f.allowZeroLength = isTextType(col.type);
    return f;
}

bool isTextType(int type) {
    return type == int(FieldType::Text) || type == int(FieldType::Memo);
}

bool isBinaryType(int type) {
    return type == int(FieldType::Binary) || type == int(FieldType::LongBinary);
}

QVariant toStored(int type, const QVariant& value) {
    const auto t = FieldType(type);
    if (!value.isValid() || value.isNull())
        return t == FieldType::Boolean ? QVariant(qint64(0)) : QVariant();
    switch (t) {
    case FieldType::Boolean:
        return toFlag(value);
    case FieldType::Byte:
    case FieldType::Integer:
    case FieldType::Long:
        return toWhole(value);
    case FieldType::Currency:
    case FieldType::Single:
    case FieldType::Double:
        return toReal(value);
    case FieldType::Date:
        if (value.metaType().id() == QMetaType::QDateTime)
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (value.metaType().id() == QMetaType::QDate)
            return value.toDate().toString(QStringLiteral("yyyy-MM-dd 00:00:00"));
        return value.toString().trimmed().isEmpty() ? QVariant() : QVariant(value.toString());
    case FieldType::Binary:
    case FieldType::LongBinary:
        if (value.metaType().id() == QMetaType::QByteArray)
            return value;
        return cp1252::fromUnicode(value.toString());
    default:
        if (value.metaType().id() == QMetaType::QByteArray)
            return cp1252::toUnicode(value.toByteArray());
        return value.toString();
    }
}

QVariant fromStored(int type, const QVariant& stored) {
    const auto t = FieldType(type);
    if (stored.isNull())
        return t == FieldType::Boolean ? QVariant(false) : QVariant();
    const bool numeric = stored.metaType().id() == QMetaType::LongLong ||
                         stored.metaType().id() == QMetaType::Double;
    switch (t) {
    case FieldType::Boolean:
        return numeric ? stored.toDouble() != 0 : stored.toBool();
    case FieldType::Byte:
    case FieldType::Integer:
    case FieldType::Long: {
        if (!numeric)
            return stored;
        const qint64 n = stored.toLongLong();
        if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max())
            return int(n);
        return n;
    }
    case FieldType::Currency:
    case FieldType::Single:
    case FieldType::Double:
        return numeric ? QVariant(stored.toDouble()) : stored;
    case FieldType::Date: {
        const QDateTime dt =
            QDateTime::fromString(stored.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return dt.isValid() ? QVariant(dt) : stored;
    }
    case FieldType::Binary:
    case FieldType::LongBinary:
        if (stored.metaType().id() == QMetaType::QByteArray)
            return stored;
        return cp1252::fromUnicode(stored.toString());
    default:
        if (stored.metaType().id() == QMetaType::QByteArray)
            return cp1252::toUnicode(stored.toByteArray());
        return stored.toString();
    }
}

QString IndexInfo::fieldList() const {
    QStringList names;
    for (const Part& p : parts)
        names << (p.descending ? QLatin1Char('-') + p.column : p.column);
    return names.join(QLatin1Char(';'));
}

QString IndexInfo::orderBy(const QString& rowKey) const {
    QStringList terms;
    for (const Part& p : parts) {
        QString term = quoted(p.column);
        if (isTextType(p.type))
            term += QLatin1String(" COLLATE NOCASE");
        if (p.descending)
            term += QLatin1String(" DESC");
        terms << term;
    }
    terms << rowKey;
    return terms.join(QLatin1String(", "));
}

QString indexSqlName(const QString& table, const QString& index, bool primary) {
    return (primary ? QStringLiteral("pk|") : QStringLiteral("ix|")) + table + QLatin1Char('|') +
           index;
}

QList<IndexInfo> indexes(const ConnectionPtr& conn, const QString& table) {
    const QList<Column> cols = columns(conn, table);
    QHash<QString, bool> uniqueOf;
    {
        Statement list(conn, QStringLiteral("PRAGMA index_list(%1)").arg(quoted(table)));
        while (list.step())
            uniqueOf.insert(list.text(1), list.int64(2) != 0);
    }
    // In the order they were made.
    Statement made(conn, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' "
                                        "AND sql IS NOT NULL ORDER BY rowid"));
    QList<IndexInfo> out;
    while (made.step()) {
        IndexInfo info;
        info.sqlName = made.text(0);
        if (!uniqueOf.contains(info.sqlName))
            continue; // an index of another table
        info.unique = uniqueOf.value(info.sqlName);
        const QString prefix = info.sqlName.left(3);
        const QString ownTable = info.sqlName.mid(3, table.size());
        if ((prefix == QLatin1String("ix|") || prefix == QLatin1String("pk|")) &&
            ownTable.compare(table, Qt::CaseInsensitive) == 0 &&
            info.sqlName.mid(3 + table.size(), 1) == QLatin1String("|")) {
            info.name = info.sqlName.mid(4 + table.size());
            info.primary = prefix == QLatin1String("pk|");
        } else {
            info.name = info.sqlName;
        }
        Statement xinfo(conn, QStringLiteral("PRAGMA index_xinfo(%1)").arg(quoted(info.sqlName)));
        while (xinfo.step()) {
            if (xinfo.int64(5) == 0 || xinfo.int64(1) < 0)
                continue; // the rowid and other auxiliary columns
            IndexInfo::Part part;
            part.column = xinfo.text(2);
            part.descending = xinfo.int64(3) != 0;
            const int c = findColumn(cols, part.column);
            part.type = c >= 0 ? cols.at(c).type : 0;
            info.parts << part;
        }
        out << info;
    }
    return out;
}

} // namespace engine_detail
