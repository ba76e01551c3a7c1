#pragma once
// Private helpers of the database engine: the SQLite connection shared by a Database and its
// recordsets, prepared statements, the mapping of SQLite's codes onto engine error numbers,
// and the column type words that keep a field's type code and size in the schema itself.
#include "storage/engine.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace engine_detail {

// One open SQLite file. A closed connection (db == nullptr) makes every later use fail with
// ObjectClosed, which is what happens to recordsets whose database was closed.
struct Connection final {
    sqlite3* db = nullptr;
    QString path;
    // Prepared statements that are not running, by their SQL, for the next Statement of the
    // same text: the recordsets run a few small statements again and again (a field of the
    // current row, a seek, the data version), and preparing one costs more than running it.
    QHash<QString, sqlite3_stmt*> idle;
    ~Connection();
    void close();
    sqlite3* handle() const; // throws ObjectClosed when closed
};
using ConnectionPtr = std::shared_ptr<Connection>;

// Opens `path` read-write (creating it when `create`), sets the busy timeout and the rollback
// journal, and checks that it is a database (UnrecognizedFormat, Locked otherwise).
// With `deferred`, commits are not synced to disk one by one.
ConnectionPtr connect(const QString& path, bool create, bool deferred = false);

[[noreturn]] void fail(int number, const QString& description);
// Throws the engine error for a failed SQLite call on `db` (rc is SQLite's result code).
[[noreturn]] void failSqlite(sqlite3* db, int rc, const QString& context);

class Statement final {
public:
    Statement(const ConnectionPtr& conn, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds an already converted value: null, bool/integers, double, QByteArray (blob), text.
    void bind(int position, const QVariant& value);
    bool step(); // true while a row is there; throws on failure
    void run();  // steps to the end
    int columnCount() const;
    QVariant column(int i) const; // null, qint64, double, QString or QByteArray
    qint64 int64(int i) const;
    QString text(int i) const;

private:
    ConnectionPtr conn_;
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString sql_;
};

void exec(const ConnectionPtr& conn, const QString& sql);

QString quoted(const QString& identifier);

// A column as the engine sees it: its name and the field definition kept in its type word.
struct Column {
    QString name;
    int type = 0;
    int size = 0;
};
QList<Column> columns(const ConnectionPtr& conn, const QString& table);
// The real name of a table compared without regard to case, or "" when there is none.
QString tableName(const ConnectionPtr& conn, const QString& table);
int findColumn(const QList<Column>& cols, const QString& name); // -1 when missing

// The names SQLite gives a table's row id; a declared column of one of them hides it.
bool isRowIdName(const QString& name);
// The name that addresses `table`'s rows by their row id: the first of rowid, _rowid_, oid
// that no declared column takes. Fails (Generic) for a table without row ids (WITHOUT ROWID)
// or one whose columns take all three names: its rows cannot be told apart safely.
QString rowKey(const ConnectionPtr& conn, const QString& table);

// "TEXT(50)", "LONG", "BOOLEAN NOT NULL DEFAULT 0" ...; InvalidFieldType for code 0.
QString columnDefinition(const FieldDef& field);
FieldDef fieldFromColumn(const Column& col);
bool isTextType(int type);
bool isBinaryType(int type);

// A value set by the program, converted for a column of `type` (TypeMismatch when it does
// not fit), and a stored value read back as the field's type gives it.
QVariant toStored(int type, const QVariant& value);
QVariant fromStored(int type, const QVariant& stored);

// An index of a table: its own name, SQLite's name for it and its key columns.
struct IndexInfo {
    QString name;
    QString sqlName;
    bool unique = false;
    bool primary = false;
    struct Part {
        QString column;
        int type = 0;
        bool descending = false;
    };
    QList<Part> parts;
    QString fieldList() const; // "Name" or "Name;-Size"
    // ORDER BY terms, text columns without regard to case, the row id (`rowKey`) last.
    QString orderBy(const QString& rowKey) const;
};
QList<IndexInfo> indexes(const ConnectionPtr& conn, const QString& table);
QString indexSqlName(const QString& table, const QString& index, bool primary);

} // namespace engine_detail
