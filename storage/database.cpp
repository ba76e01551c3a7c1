// The database engine on SQLite. A database keeps the definitions in SQLite's own schema:
// a field's type code and size are its declared column type ("TEXT(50)", "LONG" ...), an
// index is an SQLite index named "ix|<table>|<name>" ("pk|" for the primary one), and text
// index columns sort and compare with COLLATE NOCASE. Text sizes are recorded, not enforced:
// the program cuts the texts it must keep short itself, and a longer country from an info
// block should not cost the track its catalogue row.
// This file: the database (files, tables, fields, indexes); recordset.cpp: its recordsets.
#include "storage/engine.h"

#include "platform/codepage.h"
#include "platform/ignore_step.h"
#include "storage/engine_handles.h"
#include "storage/engine_sqlite.h"

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

} // namespace

void engine_detail::missingTable(const QString& table) {
    fail(dberr::ItemNotFound,
         QStringLiteral("Item not found in this collection: table '%1'.").arg(table));
}

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

Database::Batch::Batch(Database* db) {
    if (!db || !db->d->conn->db || !sqlite3_get_autocommit(db->d->conn->db))
        return;
    try {
        exec(db->d->conn, QStringLiteral("BEGIN"));
        conn_ = db->d->conn;
    } catch (const DbError& e) {
        reportIgnoredFailure("starting a batch of statements", e.what());
    }
}

Database::Batch::~Batch() {
    // Closed meanwhile (which rolled it back), or ended by a statement of its own.
    if (!conn_ || !conn_->db || sqlite3_get_autocommit(conn_->db))
        return;
    try {
        exec(conn_, QStringLiteral("COMMIT"));
    } catch (const DbError& e) {
        // Left open, the transaction would hold every later change back from the file.
        reportIgnoredFailure("committing a batch of statements", e.what());
        ignoreFailure("rolling a batch of statements back",
                      [&] { exec(conn_, QStringLiteral("ROLLBACK")); });
    }
}

Database::Transaction::Transaction(Database& db) {
    sqlite3* handle = db.d->conn->handle();
    if (!sqlite3_get_autocommit(handle))
        return;
    exec(db.d->conn, QStringLiteral("BEGIN"));
    conn_ = db.d->conn;
}

Database::Transaction::~Transaction() {
    // Closed meanwhile (which rolled it back), committed, or ended by a statement of its own.
    if (!conn_ || !conn_->db || sqlite3_get_autocommit(conn_->db))
        return;
    ignoreFailure("rolling a transaction back", [&] { exec(conn_, QStringLiteral("ROLLBACK")); });
}

void Database::Transaction::commit() {
    if (!conn_ || !conn_->db || sqlite3_get_autocommit(conn_->db))
        return;
    try {
        exec(conn_, QStringLiteral("COMMIT"));
    } catch (const DbError&) {
        ignoreFailure("rolling a transaction back",
                      [&] { exec(conn_, QStringLiteral("ROLLBACK")); });
        conn_.reset();
        throw;
    }
    conn_.reset();
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
