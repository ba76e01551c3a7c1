#pragma once
// DAO-shaped database engine interface on SQLite, so the program's routines read as
// documented: Database (create, open, repair, compact, definitions) and a table Recordset
// (current index, seek "=", noMatch, addNew/edit/update, field get/set, moveFirst/moveNext/eof).
// Failures throw DbError carrying the engine error number the program tests.
// Field names compare without regard to case; text index columns use COLLATE NOCASE.
#include <QString>
#include <QVariant>
#include <memory>
#include <stdexcept>

namespace dberr {
constexpr int FileNotFound = 53;     // system: file not found (e.g. a missing definition file)
constexpr int PermissionDenied = 70; // system: permission denied
constexpr int NotFound = 3024;       // database file not found
constexpr int UnrecognizedFormat = 3343;
constexpr int AlreadyExists = 3204; // database already exists
constexpr int TableExists = 3010;
constexpr int FieldDefinedTwice = 3191;
constexpr int ItemNotFound = 3265; // table, field or index not in the collection
constexpr int AlreadyInCollection = 3266;
constexpr int PrimaryKeyExists = 3283;
constexpr int IndexExists = 3284;
constexpr int Locked = 3262;           // table or database locked by another user ("in use")
constexpr int InvalidFieldType = 3259; // unknown field type code (0)
constexpr int NoCurrentRecord = 3021;
constexpr int DuplicateKey = 3022; // unique index violated
constexpr int UpdateWithoutEdit = 3020;
constexpr int ReadOnly = 3027;       // database or object is read-only
constexpr int NoCurrentIndex = 3019; // seek without a current index
constexpr int NoFieldDefined = 3264; // an index without fields
constexpr int ObjectClosed = 3420;   // the database or recordset was closed
constexpr int TypeMismatch = 3421;   // a value that does not fit the field's type
constexpr int Generic = 3000;        // any other engine failure
} // namespace dberr

class DbError final : public std::runtime_error {
public:
    DbError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number(number), description(description) {}
    int number;
    QString description;
};

// Field type codes of the definition files (the position in the type word table).
enum class FieldType {
    Invalid = 0,
    Boolean = 1,
    Byte = 2,
    Integer = 3,
    Long = 4,
    Currency = 5,
    Single = 6,
    Double = 7,
    Date = 8,
    Binary = 9,
    Text = 10,
    LongBinary = 11,
    Memo = 12
};

struct FieldDef {
    QString name;
    int type = 0; // a FieldType code; 0 is rejected with InvalidFieldType
    int size = 0;
    int attributes = 0; // 1 = fixed size
    bool allowZeroLength = false;
};

struct IndexDef {
    QString name;
    QString fields; // one field name, or names separated by ';' (a leading '+'/'-' is allowed)
    bool unique = false;
    bool primary = false;
};

class Recordset;
namespace engine_detail {
struct Connection;
}

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Creates a new database file. Throws AlreadyExists (3204) when the file exists.
    // `locale` and `options` are accepted for the record (the general sort order is NOCASE).
    static std::unique_ptr<Database> create(const QString& path, const QString& locale = {},
                                            int options = 0);
    // Opens an existing database. NotFound (3024) when missing, UnrecognizedFormat (3343)
    // when it is not a database of ours, Locked (3262) when another process holds it.
    static std::unique_ptr<Database> open(const QString& path);
    // How a connection commits. Full: every update is on disk when it returns. Deferred: the
    // system writes it out when it likes, for a batch of small changes that ends in sync().
    enum class Sync { Full, Deferred };
    static std::unique_ptr<Database> open(const QString& path, Sync sync);
    // Puts everything written to the file so far on disk.
    void sync();
    // Whether SQLite's full check finds the file sound: every page, row and index entry.
    // False for a file too damaged to be checked at all.
    bool integrityOk() const;
    // Repairs a database file in place as far as possible; a file that had to be rebuilt is
    // kept beside it as "<file>.damaged" (then "<file>.damaged2" ...). Throws NotFound when
    // missing, UnrecognizedFormat when nothing can be recovered.
    static void repair(const QString& path);
    // Compacts `source` into the new file `target` (VACUUM INTO). Throws AlreadyExists when
    // `target` exists, NotFound when `source` is missing.
    static void compact(const QString& source, const QString& target);

    void close();
    bool isOpen() const;
    QString path() const;

    // Definitions.
    bool tableExists(const QString& table) const;
    // What the schema holds under `name` (any case): "table", "view", "index", "trigger", or
    // "" when nothing.
    QString objectType(const QString& name) const;
    QStringList tableNames() const;
    // TableExists (3010) when present; InvalidFieldType for type 0.
    void createTable(const QString& table, const FieldDef& firstField);
    // ItemNotFound (3265) when the table is missing; FieldDefinedTwice (3191) when a field of
    // that name (any case) exists; InvalidFieldType for type 0.
    void appendField(const QString& table, const FieldDef& field);
    // ItemNotFound when the table or a field is missing; IndexExists (3284) when an index of
    // that name exists; PrimaryKeyExists (3283) for a second primary index.
    void appendIndex(const QString& table, const IndexDef& index);
    QList<FieldDef> fields(const QString& table) const;
    QList<IndexDef> indexes(const QString& table) const;

    // A table recordset. ItemNotFound when the table is missing; Generic for a table whose
    // rows have no row id the engine can address (see engine_detail::rowKey).
    std::unique_ptr<Recordset> openTable(const QString& table);

    // One transaction around a run of small statements, so that the file is locked once for
    // all of them rather than once each (the start reads sixteen circuits' rows so). Nothing
    // on a closed database or within a transaction already open. It commits when it ends; a
    // commit that fails is rolled back and reported as an ignored failure.
    class Batch final {
    public:
        explicit Batch(Database* db);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        std::shared_ptr<engine_detail::Connection> conn_; // set while its transaction is open
    };

    // One transaction whose changes stand or fall together: commit() keeps them, and one that
    // ends without it (an exception on the way) is rolled back. Within a transaction already
    // open it has none of its own: its changes are the enclosing transaction's. Failures to
    // begin or commit are thrown; a commit that fails is rolled back first.
    class Transaction final {
    public:
        explicit Transaction(Database& db);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

    private:
        std::shared_ptr<engine_detail::Connection> conn_; // set while its transaction is open
    };

    struct Impl;

private:
    explicit Database(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
    friend class Recordset;
};

class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Current index by name (any case); ItemNotFound when there is none.
    void setIndex(const QString& indexName);
    QString index() const;
    // Seeks the first row (in index order) whose first index field equals key ("=" only).
    // Text compares without regard to case. Sets noMatch(); on a match the row is current.
    void seek(const QString& op, const QVariant& key);
    bool noMatch() const;

    // Row iteration in the current index's order (rowid order without index).
    void moveFirst();
    void moveNext();
    bool eof() const;
    bool bof() const;
    int recordCount() const;

    // Editing: addNew() starts a new row, edit() the current one; setValue() on either;
    // update() stores it (DuplicateKey on a unique index clash), cancelUpdate() drops it.
    void addNew();
    void edit();
    void setValue(const QString& field, const QVariant& value);
    void update();
    void cancelUpdate();
    void deleteCurrent();

    // The current row's field (any case). Null QVariant for an empty field.
    // ItemNotFound for an unknown field, NoCurrentRecord when there is no current row.
    QVariant value(const QString& field) const;
    // Convenience: the field as text ("" for null) / as a number (0 for null or not a number).
    QString text(const QString& field) const;
    qint64 number(const QString& field) const;
    bool boolean(const QString& field) const;
    // The values of `fields` in every stored row (rowid order), read in one statement, for a
    // reader that needs a whole column; the current row and index stay as they are.
    // ItemNotFound for an unknown field.
    QList<QVariantList> columnValues(const QStringList& fields) const;

    void close();

    struct Impl;

private:
    explicit Recordset(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
    friend class Database;
};
