#include "storage/engine.h"

#include <QtTest>

#include <sqlite3.h>

#include <functional>
#include <memory>

namespace {

FieldDef field(const QString& name, FieldType type, int size = 0) {
    return FieldDef{name, int(type), size, type == FieldType::Text ? 0 : 1,
                    type == FieldType::Text || type == FieldType::Memo};
}

// The engine error number a step throws, or 0 when it succeeds.
int errorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const DbError& e) {
        return e.number;
    }
    return 0;
}

// A second connection of our own on a database file, to hold locks as another user would.
class OtherUser final {
public:
    explicit OtherUser(const QString& path) {
        sqlite3_open(QFile::encodeName(path).constData(), &db_);
    }
    ~OtherUser() { sqlite3_close(db_); }
    bool exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == 0; }
    QString scalar(const char* sql) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
        QString out;
        if (sqlite3_step(st) == SQLITE_ROW)
            out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        return out;
    }

private:
    sqlite3* db_ = nullptr;
};

// Writes `fill` over the first page of the database's (only) index; false when it has none.
bool overwriteIndexPage(const QString& path, char fill) {
    const int root =
        OtherUser(path).scalar("SELECT rootpage FROM sqlite_master WHERE type = 'index'").toInt();
    const int pageSize = OtherUser(path).scalar("PRAGMA page_size").toInt();
    if (root <= 1)
        return false;
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.seek(qint64(root - 1) * pageSize) &&
           f.write(QByteArray(pageSize, fill)) == pageSize;
}

} // namespace

class EngineTest final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void filesAndTheirErrors();
    void fieldTypesAndSizesReadBack();
    void definitionErrors();
    void seekOnEachIndexKind_data();
    void seekOnEachIndexKind();
    void seekErrors();
    void iterationInIndexOrder();
    void iterationGoesOnPastChanges();
    void indexOrderFollowsChangesMadeElsewhere();
    void schemaChangesMadeElsewhereAreSeen();
    void aClosedDatabaseKeepsNoFileOpen();
    void aBatchCommitsAtItsEndOrRollsBack();
    void addEditUpdate();
    void editingErrors();
    void valuesKeepTheirType();
    void setupBytesRoundTrip();
    void lockedByAnotherConnection();
    void movedFileIsReadOnly();
    void repairRebuildsADamagedIndex();
    void repairRefusesWhatIsNoDatabase();
    void integrityCheckSeesADamagedPage();
    void foreignTablesAreAddressedByTheirOwnRowIds_data();
    void foreignTablesAreAddressedByTheirOwnRowIds();

private:
    QString file(const QString& name) const { return tmp_->filePath(name); }
    // A "Tracks" table with a unique text index, a long index, a Boolean index, a compound
    // and a descending index, and five rows in shuffled order.
    std::unique_ptr<Database> tracks();

    std::unique_ptr<QTemporaryDir> tmp_;
};

void EngineTest::init() {
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
}

void EngineTest::cleanup() {
    tmp_.reset();
}

std::unique_ptr<Database> EngineTest::tracks() {
    Database::create(file(QStringLiteral("t.mdb")))->close();
    auto db = Database::open(file(QStringLiteral("t.mdb")), Database::Sync::Deferred);
    db->createTable(QStringLiteral("Tracks"), field(QStringLiteral("Name"), FieldType::Text, 30));
    db->appendField(QStringLiteral("Tracks"), field(QStringLiteral("Size"), FieldType::Long));
    db->appendField(QStringLiteral("Tracks"),
                    field(QStringLiteral("Original"), FieldType::Boolean));
    db->appendField(QStringLiteral("Tracks"),
                    field(QStringLiteral("Race Time"), FieldType::Text, 8));
    db->appendIndex(QStringLiteral("Tracks"),
                    {QStringLiteral("Name"), QStringLiteral("Name"), true, true});
    db->appendIndex(QStringLiteral("Tracks"),
                    {QStringLiteral("Size"), QStringLiteral("Size"), false, false});
    db->appendIndex(QStringLiteral("Tracks"),
                    {QStringLiteral("Original"), QStringLiteral("Original"), false, false});
    db->appendIndex(QStringLiteral("Tracks"),
                    {QStringLiteral("NameSize"), QStringLiteral("Name;Size"), false, false});
    db->appendIndex(QStringLiteral("Tracks"),
                    {QStringLiteral("BySizeDown"), QStringLiteral("-Size"), false, false});
    auto rs = db->openTable(QStringLiteral("tracks"));
    const QList<std::tuple<const char*, int, bool>> rows = {{"monza", 41038, true},
                                                            {"Adelaide", 44586, true},
                                                            {"Zolder", 30000, false},
                                                            {"brands Hatch", 29000, false},
                                                            {"Imola", 37678, true}};
    for (const auto& [name, size, original] : rows) {
        rs->addNew();
        rs->setValue(QStringLiteral("Name"), QString::fromLatin1(name));
        rs->setValue(QStringLiteral("Size"), size);
        rs->setValue(QStringLiteral("Original"), original);
        rs->update();
    }
    return db;
}

void EngineTest::filesAndTheirErrors() {
    const QString path = file(QStringLiteral("new.mdb"));
    auto db = Database::create(path, QStringLiteral(";LANGID=0x0809;CP=1252;COUNTRY=0"), 2);
    QVERIFY(QFileInfo(path).size() > 0);
    db->createTable(QStringLiteral("T"), field(QStringLiteral("A"), FieldType::Long));
    db->close();
    QVERIFY(!db->isOpen());
    QCOMPARE(errorOf([&] { db->tableNames(); }), dberr::ObjectClosed);
    // A closed database is one file, in rollback journal mode.
    QCOMPARE(QDir(tmp_->path()).entryList(QDir::Files), QStringList{QStringLiteral("new.mdb")});
    QCOMPARE(OtherUser(path).scalar("PRAGMA journal_mode"), QStringLiteral("delete"));

    QCOMPARE(errorOf([&] { Database::create(path); }), dberr::AlreadyExists);
    QCOMPARE(errorOf([&] { Database::create(file(QStringLiteral("no/such/dir/x.mdb"))); }),
             dberr::NotFound);
    QCOMPARE(errorOf([&] { Database::open(file(QStringLiteral("missing.mdb"))); }),
             dberr::NotFound);
    QCOMPARE(errorOf([&] { Database::open(tmp_->path()); }), dberr::PermissionDenied);
    {
        QFile f(file(QStringLiteral("text.mdb")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    QCOMPARE(errorOf([&] { Database::open(file(QStringLiteral("text.mdb"))); }),
             dberr::UnrecognizedFormat);

    // Compacting copies the whole database into a new file only.
    auto again = Database::open(path);
    auto rs = again->openTable(QStringLiteral("T"));
    rs->addNew();
    rs->setValue(QStringLiteral("A"), 7);
    rs->update();
    again->close();
    QCOMPARE(errorOf([&] { rs->recordCount(); }), dberr::ObjectClosed);
    const QString copy = file(QStringLiteral("copy.mdb"));
    Database::compact(path, copy);
    QCOMPARE(Database::open(copy)->openTable(QStringLiteral("t"))->number(QStringLiteral("a")), 7);
    QCOMPARE(errorOf([&] { Database::compact(path, copy); }), dberr::AlreadyExists);
    QCOMPARE(errorOf([&] {
                 Database::compact(file(QStringLiteral("missing.mdb")),
                                   file(QStringLiteral("c2.mdb")));
             }),
             dberr::NotFound);
}

void EngineTest::fieldTypesAndSizesReadBack() {
    struct Case {
        FieldType type;
        int given;
        int size;
    };
    const QList<Case> cases = {
        {FieldType::Boolean, 0, 1}, {FieldType::Byte, 0, 1},     {FieldType::Integer, 7, 2},
        {FieldType::Long, 0, 4},    {FieldType::Currency, 0, 8}, {FieldType::Single, 0, 4},
        {FieldType::Double, 0, 8},  {FieldType::Date, 0, 8},     {FieldType::Binary, 96, 96},
        {FieldType::Text, 50, 50},  {FieldType::Text, 0, 0},     {FieldType::LongBinary, 0, 0},
        {FieldType::Memo, 0, 0}};
    auto db = Database::create(file(QStringLiteral("types.mdb")));
    db->createTable(QStringLiteral("T"),
                    field(QStringLiteral("F0"), cases[0].type, cases[0].given));
    for (int i = 1; i < cases.size(); ++i)
        db->appendField(QStringLiteral("T"),
                        field(QStringLiteral("F%1").arg(i), cases[i].type, cases[i].given));
    db->close();

    const QList<FieldDef> got =
        Database::open(file(QStringLiteral("types.mdb")))->fields(QStringLiteral("t"));
    QCOMPARE(got.size(), cases.size());
    for (int i = 0; i < cases.size(); ++i) {
        QCOMPARE(got[i].name, QStringLiteral("F%1").arg(i));
        QCOMPARE(got[i].type, int(cases[i].type));
        QCOMPARE(got[i].size, cases[i].size);
        QCOMPARE(got[i].attributes, cases[i].type == FieldType::Text ? 0 : 1);
        QCOMPARE(got[i].allowZeroLength,
                 cases[i].type == FieldType::Text || cases[i].type == FieldType::Memo);
    }
}

void EngineTest::definitionErrors() {
    auto db = tracks();
    const QString t = QStringLiteral("Tracks");
    QCOMPARE(db->tableNames(), QStringList{t});
    QVERIFY(db->tableExists(QStringLiteral("TRACKS")));
    QCOMPARE(errorOf([&] {
                 db->createTable(QStringLiteral("tracks"),
                                 field(QStringLiteral("X"), FieldType::Long));
             }),
             dberr::TableExists);
    QCOMPARE(
        errorOf([&] { db->appendField(t, field(QStringLiteral("race time"), FieldType::Long)); }),
        dberr::FieldDefinedTwice);
    QCOMPARE(errorOf([&] {
                 db->appendField(QStringLiteral("Nope"),
                                 field(QStringLiteral("X"), FieldType::Long));
             }),
             dberr::ItemNotFound);
    QCOMPARE(errorOf([&] {
                 db->appendField(t, FieldDef{QStringLiteral("X"), 0, 0, 1, false});
             }),
             dberr::InvalidFieldType);
    QCOMPARE(
        errorOf([&] {
            db->createTable(QStringLiteral("New"), FieldDef{QStringLiteral("X"), 0, 0, 1, false});
        }),
        dberr::InvalidFieldType);
    QVERIFY(!db->tableExists(QStringLiteral("New")));
    QCOMPARE(errorOf([&] {
                 db->appendIndex(QStringLiteral("Nope"),
                                 {QStringLiteral("I"), QStringLiteral("Name"), false, false});
             }),
             dberr::ItemNotFound);
    QCOMPARE(
        errorOf([&] {
            db->appendIndex(t, {QStringLiteral("I"), QStringLiteral("Name;Nope"), false, false});
        }),
        dberr::ItemNotFound);
    QCOMPARE(errorOf([&] {
                 db->appendIndex(t, {QStringLiteral("I"), QString(), false, false});
             }),
             dberr::NoFieldDefined);
    QCOMPARE(
        errorOf([&] {
            db->appendIndex(t, {QStringLiteral("size"), QStringLiteral("Race Time"), false, false});
        }),
        dberr::IndexExists);
    QCOMPARE(errorOf([&] {
                 db->appendIndex(t, {QStringLiteral("Other"), QStringLiteral("Size"), true, true});
             }),
             dberr::PrimaryKeyExists);
    // A unique index over rows that clash, in any case, is refused.
    auto rs = db->openTable(t);
    rs->addNew();
    rs->setValue(QStringLiteral("Name"), QStringLiteral("Dup"));
    rs->setValue(QStringLiteral("Race Time"), QStringLiteral("1:00.000"));
    rs->update();
    rs->addNew();
    rs->setValue(QStringLiteral("Name"), QStringLiteral("Dup2"));
    rs->setValue(QStringLiteral("Race Time"), QStringLiteral("1:00.000"));
    rs->update();
    QCOMPARE(
        errorOf([&] {
            db->appendIndex(t, {QStringLiteral("U"), QStringLiteral("Race Time"), true, false});
        }),
        dberr::DuplicateKey);

    // In the order they were made.
    const QList<IndexDef> idx = db->indexes(QStringLiteral("tracks"));
    QStringList names;
    for (const IndexDef& i : idx)
        names << i.name;
    QCOMPARE(names, (QStringList{"Name", "Size", "Original", "NameSize", "BySizeDown"}));
    QVERIFY(idx[0].unique && idx[0].primary);
    QVERIFY(!idx[1].unique && !idx[1].primary);
    QCOMPARE(idx[3].fields, QStringLiteral("Name;Size"));
    QCOMPARE(idx[4].fields, QStringLiteral("-Size"));
}

void EngineTest::seekOnEachIndexKind_data() {
    QTest::addColumn<QString>("index");
    QTest::addColumn<QVariant>("key");
    QTest::addColumn<QString>("found"); // "" for no match
    QTest::newRow("text, other case") << "Name" << QVariant(QStringLiteral("MONZA")) << "monza";
    QTest::newRow("text, exact") << "name" << QVariant(QStringLiteral("Imola")) << "Imola";
    QTest::newRow("text, prefix is no match") << "Name" << QVariant(QStringLiteral("Mon")) << "";
    QTest::newRow("long") << "Size" << QVariant(44586) << "Adelaide";
    QTest::newRow("long from text") << "Size" << QVariant(QStringLiteral("30000")) << "Zolder";
    QTest::newRow("long, no match") << "Size" << QVariant(1) << "";
    QTest::newRow("boolean: first in index order") << "Original" << QVariant(false) << "Zolder";
    QTest::newRow("compound: first field")
        << "NameSize" << QVariant(QStringLiteral("zolder")) << "Zolder";
    QTest::newRow("descending") << "BySizeDown" << QVariant(29000) << "brands Hatch";
    QTest::newRow("empty key") << "Name" << QVariant() << "";
}

void EngineTest::seekOnEachIndexKind() {
    QFETCH(QString, index);
    QFETCH(QVariant, key);
    QFETCH(QString, found);
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    rs->setIndex(index);
    rs->seek(QStringLiteral("="), key);
    QCOMPARE(rs->noMatch(), found.isEmpty());
    if (found.isEmpty())
        QCOMPARE(errorOf([&] { rs->value(QStringLiteral("Name")); }), dberr::NoCurrentRecord);
    else
        QCOMPARE(rs->text(QStringLiteral("Name")), found);
}

void EngineTest::seekErrors() {
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    QCOMPARE(errorOf([&] { rs->seek(QStringLiteral("="), 1); }), dberr::NoCurrentIndex);
    QCOMPARE(errorOf([&] { rs->setIndex(QStringLiteral("Country")); }), dberr::ItemNotFound);
    rs->setIndex(QStringLiteral("size"));
    QCOMPARE(rs->index(), QStringLiteral("Size"));
    QCOMPARE(errorOf([&] { rs->seek(QStringLiteral("="), QStringLiteral("big")); }),
             dberr::TypeMismatch);
}

void EngineTest::iterationInIndexOrder() {
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    const auto names = [&] {
        QStringList out;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext())
            out << rs->text(QStringLiteral("Name"));
        return out;
    };
    QCOMPARE(names(), (QStringList{"monza", "Adelaide", "Zolder", "brands Hatch", "Imola"}));
    rs->setIndex(QStringLiteral("Name"));
    QCOMPARE(names(), (QStringList{"Adelaide", "brands Hatch", "Imola", "monza", "Zolder"}));
    rs->setIndex(QStringLiteral("BySizeDown"));
    QCOMPARE(names(), (QStringList{"Adelaide", "monza", "Imola", "Zolder", "brands Hatch"}));
    QCOMPARE(errorOf([&] { rs->moveNext(); }), dberr::NoCurrentRecord);

    // A seek makes its row current; moving on follows the index from there.
    rs->setIndex(QStringLiteral("Name"));
    rs->seek(QStringLiteral("="), QStringLiteral("imola"));
    rs->moveNext();
    QCOMPARE(rs->text(QStringLiteral("Name")), QStringLiteral("monza"));

    db->createTable(QStringLiteral("Empty"), field(QStringLiteral("A"), FieldType::Long));
    auto empty = db->openTable(QStringLiteral("Empty"));
    QVERIFY(empty->eof() && empty->bof());
    QCOMPARE(empty->recordCount(), 0);
    QCOMPARE(rs->recordCount(), 5);
}

void EngineTest::iterationGoesOnPastChanges() {
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    rs->setIndex(QStringLiteral("Name"));
    QStringList seen;
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        const QString name = rs->text(QStringLiteral("Name"));
        seen << name;
        if (name == QLatin1String("brands Hatch")) {
            rs->deleteCurrent();
            QCOMPARE(errorOf([&] { rs->value(QStringLiteral("Name")); }), dberr::NoCurrentRecord);
        }
        if (name == QLatin1String("Imola")) { // a row added behind the current one is reached
            rs->addNew();
            rs->setValue(QStringLiteral("Name"), QStringLiteral("Jerez"));
            rs->update();
        }
    }
    QCOMPARE(seen, (QStringList{"Adelaide", "brands Hatch", "Imola", "Jerez", "monza", "Zolder"}));
    QCOMPARE(rs->recordCount(), 5);
}

// Switching back to an index used before must still see rows changed meanwhile, by another
// recordset of the same connection or by another connection.
void EngineTest::indexOrderFollowsChangesMadeElsewhere() {
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    const auto names = [&] {
        QStringList out;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext())
            out << rs->text(QStringLiteral("Name"));
        return out;
    };
    rs->setIndex(QStringLiteral("Name"));
    rs->setIndex(QStringLiteral("Size"));
    auto other = db->openTable(QStringLiteral("Tracks"));
    other->addNew();
    other->setValue(QStringLiteral("Name"), QStringLiteral("Estoril"));
    other->update();
    rs->setIndex(QStringLiteral("Name"));
    QCOMPARE(names(),
             (QStringList{"Adelaide", "brands Hatch", "Estoril", "Imola", "monza", "Zolder"}));
    rs->setIndex(QStringLiteral("Size"));
    db->sync();
    {
        auto second = Database::open(file(QStringLiteral("t.mdb")));
        auto rows = second->openTable(QStringLiteral("Tracks"));
        rows->setIndex(QStringLiteral("Name"));
        rows->seek(QStringLiteral("="), QStringLiteral("Zolder"));
        rows->deleteCurrent();
        second->close();
    }
    rs->setIndex(QStringLiteral("Name"));
    QCOMPARE(names(), (QStringList{"Adelaide", "brands Hatch", "Estoril", "Imola", "monza"}));
}

void EngineTest::schemaChangesMadeElsewhereAreSeen() {
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    const auto firstName = [&](const QString& index) {
        rs->setIndex(index);
        return rs->text(QStringLiteral("Name"));
    };
    QCOMPARE(firstName(QStringLiteral("Size")), QStringLiteral("brands Hatch"));
    rs->seek(QStringLiteral("="), 30000);
    QCOMPARE(rs->text(QStringLiteral("Name")), QStringLiteral("Zolder"));
    {
        // The statements and indexes this recordset read before are no longer the file's.
        OtherUser other(file(QStringLiteral("t.mdb")));
        QVERIFY(other.exec("DROP INDEX \"ix|Tracks|Size\""));
        QVERIFY(other.exec("CREATE INDEX \"ix|Tracks|Late\" ON Tracks(\"Race Time\" DESC)"));
        QVERIFY(other.exec("ALTER TABLE Tracks ADD COLUMN Extra LONG"));
        QVERIFY(other.exec("UPDATE Tracks SET \"Race Time\" = '1:2' || Name, Extra = Size"));
    }
    QCOMPARE(errorOf([&] { rs->setIndex(QStringLiteral("Size")); }), dberr::ItemNotFound);
    QCOMPARE(firstName(QStringLiteral("Late")), QStringLiteral("Zolder"));
    rs->setIndex(QStringLiteral("Name"));
    rs->seek(QStringLiteral("="), QStringLiteral("imola"));
    QCOMPARE(rs->number(QStringLiteral("Extra")), 37678);
    QCOMPARE(rs->text(QStringLiteral("Race Time")), QStringLiteral("1:2Imola"));
}

void EngineTest::aClosedDatabaseKeepsNoFileOpen() {
    const auto openFiles = [] {
        QStringList out;
        const QDir fds(QStringLiteral("/proc/self/fd"));
        for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System))
            out << QFile::symLinkTarget(fds.filePath(fd));
        return out;
    };
    auto db = tracks();
    const QString path = QFileInfo(file(QStringLiteral("t.mdb"))).canonicalFilePath();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    for (const QString& index : {QStringLiteral("Name"), QStringLiteral("Size")}) {
        rs->setIndex(index);
        for (; !rs->eof(); rs->moveNext())
            QVERIFY(!rs->text(QStringLiteral("Name")).isEmpty());
    }
    QVERIFY(openFiles().contains(path));
    db->close();
    QVERIFY2(!openFiles().contains(path), "the file is let go when its database closes");
}

void EngineTest::aBatchCommitsAtItsEndOrRollsBack() {
    auto db = tracks();
    OtherUser other(file(QStringLiteral("t.mdb")));
    const auto add = [&](const char* name) {
        auto rs = db->openTable(QStringLiteral("Tracks"));
        rs->addNew();
        rs->setValue(QStringLiteral("Name"), QString::fromLatin1(name));
        rs->update();
    };
    const auto stored = [&] { return other.scalar("SELECT count(*) FROM Tracks").toInt(); };
    {
        Database::Batch batch(db.get());
        add("Estoril");
        { Database::Batch within(db.get()); }
        QCOMPARE(stored(), 5);
    }
    QCOMPARE(stored(), 6);
    {
        // Another reader keeps the commit from being made.
        Database::Batch batch(db.get());
        add("Jerez");
        QVERIFY(other.exec("BEGIN"));
        QCOMPARE(stored(), 6);
    }
    QVERIFY(other.exec("COMMIT"));
    // Rolled back, it holds no later change from the file.
    add("Monaco");
    QCOMPARE(stored(), 7);
    // A transaction keeps its changes only when committed; one within keeps them to its end.
    {
        Database::Transaction dropped(*db);
        add("Fuji");
        Database::Transaction within(*db);
        within.commit();
    }
    QCOMPARE(stored(), 7);
    {
        Database::Transaction kept(*db);
        add("Fuji");
        kept.commit();
    }
    QCOMPARE(stored(), 8);
    db->close();
    Database::Batch closed(db.get());
}

void EngineTest::addEditUpdate() {
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    rs->setIndex(QStringLiteral("Name"));
    rs->seek(QStringLiteral("="), QStringLiteral("Imola"));
    // A new row leaves the current row where it was.
    rs->addNew();
    QVERIFY(rs->value(QStringLiteral("Size")).isNull());
    rs->setValue(QStringLiteral("NAME"), QStringLiteral("Suzuka"));
    rs->setValue(QStringLiteral("size"), 35730);
    QCOMPARE(rs->text(QStringLiteral("Name")), QStringLiteral("Suzuka"));
    rs->update();
    QCOMPARE(rs->text(QStringLiteral("Name")), QStringLiteral("Imola"));

    rs->edit();
    rs->setValue(QStringLiteral("Race Time"), QStringLiteral("1:23.456"));
    QCOMPARE(rs->text(QStringLiteral("race time")), QStringLiteral("1:23.456"));
    rs->update();
    rs->seek(QStringLiteral("="), QStringLiteral("suzuka"));
    QCOMPARE(rs->number(QStringLiteral("Size")), 35730);
    QVERIFY(rs->value(QStringLiteral("Race Time")).isNull());
    QCOMPARE(rs->text(QStringLiteral("Race Time")), QString());

    // Another connection's new field and a changed row are seen.
    auto other = Database::open(file(QStringLiteral("t.mdb")));
    other->appendField(QStringLiteral("Tracks"),
                       field(QStringLiteral("Country"), FieldType::Text, 50));
    auto ors = other->openTable(QStringLiteral("Tracks"));
    ors->setIndex(QStringLiteral("Name"));
    ors->seek(QStringLiteral("="), QStringLiteral("Suzuka"));
    ors->edit();
    ors->setValue(QStringLiteral("Country"), QStringLiteral("Japan"));
    ors->update();
    QCOMPARE(rs->text(QStringLiteral("COUNTRY")), QStringLiteral("Japan"));
    rs->seek(QStringLiteral("="), QStringLiteral("Imola"));
    QCOMPARE(ors->text(QStringLiteral("Name")), QStringLiteral("Suzuka"));
    QCOMPARE(rs->text(QStringLiteral("Race Time")), QStringLiteral("1:23.456"));

    // Text is kept whole, beyond the field's declared size.
    rs->edit();
    rs->setValue(QStringLiteral("Race Time"), QStringLiteral("12:34.5678"));
    rs->update();
    QCOMPARE(rs->text(QStringLiteral("Race Time")), QStringLiteral("12:34.5678"));
    rs->edit();
    rs->setValue(QStringLiteral("Race Time"), QStringLiteral("9:99.999"));
    rs->cancelUpdate();
    QCOMPARE(rs->text(QStringLiteral("Race Time")), QStringLiteral("12:34.5678"));
}

void EngineTest::editingErrors() {
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    rs->setIndex(QStringLiteral("Name"));
    QCOMPARE(errorOf([&] { rs->update(); }), dberr::UpdateWithoutEdit);
    QCOMPARE(errorOf([&] { rs->setValue(QStringLiteral("Name"), QStringLiteral("X")); }),
             dberr::UpdateWithoutEdit);
    rs->seek(QStringLiteral("="), QStringLiteral("nowhere"));
    QCOMPARE(errorOf([&] { rs->edit(); }), dberr::NoCurrentRecord);
    QCOMPARE(errorOf([&] { rs->deleteCurrent(); }), dberr::NoCurrentRecord);
    QCOMPARE(errorOf([&] { rs->moveNext(); }), dberr::NoCurrentRecord);

    rs->addNew();
    QCOMPARE(errorOf([&] { rs->setValue(QStringLiteral("Nope"), 1); }), dberr::ItemNotFound);
    QCOMPARE(errorOf([&] { rs->setValue(QStringLiteral("Size"), QStringLiteral("big")); }),
             dberr::TypeMismatch);
    rs->setValue(QStringLiteral("Name"), QStringLiteral("MONZA")); // the name index ignores case
    QCOMPARE(errorOf([&] { rs->update(); }), dberr::DuplicateKey);
    rs->cancelUpdate();
    QCOMPARE(rs->recordCount(), 5);

    rs->seek(QStringLiteral("="), QStringLiteral("Imola"));
    rs->edit();
    rs->setValue(QStringLiteral("Name"), QStringLiteral("Zolder"));
    QCOMPARE(errorOf([&] { rs->update(); }), dberr::DuplicateKey);
    rs->cancelUpdate();
    QCOMPARE(rs->text(QStringLiteral("Name")), QStringLiteral("Imola"));
    QCOMPARE(errorOf([&] { rs->value(QStringLiteral("Nope")); }), dberr::ItemNotFound);
    QCOMPARE(errorOf([&] { db->openTable(QStringLiteral("Nope")); }), dberr::ItemNotFound);
    rs->close();
    QCOMPARE(errorOf([&] { rs->moveFirst(); }), dberr::ObjectClosed);
}

void EngineTest::valuesKeepTheirType() {
    auto db = Database::create(file(QStringLiteral("v.mdb")));
    const QString t = QStringLiteral("Parameters");
    db->createTable(t, field(QStringLiteral("Code"), FieldType::Integer));
    db->appendField(t, field(QStringLiteral("Use Gp2Lap"), FieldType::Boolean));
    db->appendField(t, field(QStringLiteral("First Time"), FieldType::Boolean));
    db->appendField(t, field(QStringLiteral("Execution"), FieldType::Long));
    db->appendField(t, field(QStringLiteral("Gp2 Directory"), FieldType::Text, 255));
    db->appendField(t, field(QStringLiteral("Ratio"), FieldType::Double));
    auto rs = db->openTable(t);
    rs->addNew();
    rs->setValue(QStringLiteral("Code"), QStringLiteral("1"));
    rs->setValue(QStringLiteral("Use Gp2Lap"), true);
    rs->setValue(QStringLiteral("Gp2 Directory"), QStringLiteral("C:\\Gp2 ß€"));
    rs->setValue(QStringLiteral("Ratio"), 0.5);
    rs->update();
    rs->moveFirst();
    QCOMPARE(rs->value(QStringLiteral("Use Gp2Lap")).metaType().id(), int(QMetaType::Bool));
    QCOMPARE(rs->value(QStringLiteral("Use Gp2Lap")), QVariant(true));
    QCOMPARE(rs->value(QStringLiteral("First Time")), QVariant(false)); // never set
    QVERIFY(rs->boolean(QStringLiteral("use gp2lap")));
    QCOMPARE(rs->value(QStringLiteral("Code")), QVariant(1));
    QVERIFY(rs->value(QStringLiteral("Execution")).isNull());
    QCOMPARE(rs->number(QStringLiteral("Execution")), 0);
    QCOMPARE(rs->text(QStringLiteral("Gp2 Directory")), QStringLiteral("C:\\Gp2 ß€"));
    QCOMPARE(rs->value(QStringLiteral("Ratio")).toDouble(), 0.5);
    rs->edit();
    rs->setValue(QStringLiteral("Execution"), QString()); // an empty text stores nothing
    rs->setValue(QStringLiteral("Use Gp2Lap"), QVariant());
    rs->update();
    QVERIFY(rs->value(QStringLiteral("Execution")).isNull());
    QCOMPARE(rs->value(QStringLiteral("Use Gp2Lap")), QVariant(false));
    // A whole column read at once gives the values as value() does, the current row kept.
    rs->addNew();
    rs->setValue(QStringLiteral("Code"), 2);
    rs->setValue(QStringLiteral("Execution"), 7);
    rs->update();
    const QList<QVariantList> rows = rs->columnValues(
        {QStringLiteral("use gp2lap"), QStringLiteral("Execution"), QStringLiteral("Code")});
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).at(0).metaType().id(), int(QMetaType::Bool));
    QVERIFY(rows.at(0).at(1).isNull());
    QCOMPARE(rows.at(1).at(1), QVariant(7));
    QCOMPARE(rows.at(1).at(2), QVariant(2));
    QCOMPARE(rs->text(QStringLiteral("Gp2 Directory")), QStringLiteral("C:\\Gp2 ß€"));
    QVERIFY_THROWS_EXCEPTION(DbError, rs->columnValues({QStringLiteral("Nope")}));
}

void EngineTest::setupBytesRoundTrip() {
    const QString path = file(QStringLiteral("s.mdb"));
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    const QByteArray setup = QByteArray(16, '\0') + all.mid(0, 80); // 96 bytes, zeros first
    {
        auto db = Database::create(path);
        db->createTable(QStringLiteral("Tracks"),
                        field(QStringLiteral("Name"), FieldType::Text, 30));
        db->appendField(QStringLiteral("Tracks"),
                        field(QStringLiteral("Car Setup Information"), FieldType::LongBinary));
        auto rs = db->openTable(QStringLiteral("Tracks"));
        for (const QByteArray& bytes : {setup, all, QByteArray(96, '\0')}) {
            rs->addNew();
            rs->setValue(QStringLiteral("Name"),
                         QString::number(bytes.size()) + bytes.left(1).toHex());
            rs->setValue(QStringLiteral("Car Setup Information"), bytes);
            rs->update();
        }
        rs->addNew(); // text goes in one byte per character
        rs->setValue(QStringLiteral("Name"), QStringLiteral("text"));
        rs->setValue(QStringLiteral("Car Setup Information"), QStringLiteral("A€\u0081"));
        rs->update();
    }
    auto rs = Database::open(path)->openTable(QStringLiteral("Tracks"));
    QList<QByteArray> got;
    for (rs->moveFirst(); !rs->eof(); rs->moveNext())
        got << rs->value(QStringLiteral("car setup information")).toByteArray();
    QCOMPARE(got.size(), 4);
    QCOMPARE(got[0], setup);
    QCOMPARE(got[0].size(), 96);
    QCOMPARE(got[1], all);
    QCOMPARE(got[2], QByteArray(96, '\0'));
    QCOMPARE(got[3], QByteArray("A\x80\x81"));
}

void EngineTest::lockedByAnotherConnection() {
    auto db = tracks();
    db->close();
    const QString path = file(QStringLiteral("t.mdb"));
    OtherUser other(path);
    {
        // A writer in progress lets others read but not write.
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        auto mine = Database::open(path);
        auto rs = mine->openTable(QStringLiteral("Tracks"));
        QCOMPARE(rs->recordCount(), 5);
        rs->edit();
        rs->setValue(QStringLiteral("Size"), 1);
        QCOMPARE(errorOf([&] { rs->update(); }), dberr::Locked);
        QCOMPARE(errorOf([&] {
                     mine->appendField(QStringLiteral("Tracks"),
                                       field(QStringLiteral("X"), FieldType::Long));
                 }),
                 dberr::Locked);
        QVERIFY(other.exec("COMMIT"));
    }
    QVERIFY(other.exec("BEGIN EXCLUSIVE"));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(errorOf([&] { Database::open(path); }), dberr::Locked);
    QVERIFY2(clock.elapsed() < 2000, "a locked file is reported after a short wait");
    QVERIFY(other.exec("COMMIT"));
    QCOMPARE(Database::open(path)->openTable(QStringLiteral("Tracks"))->recordCount(), 5);
}

void EngineTest::movedFileIsReadOnly() {
    auto db = tracks();
    auto rs = db->openTable(QStringLiteral("Tracks"));
    QVERIFY(QFile::rename(file(QStringLiteral("t.mdb")), file(QStringLiteral("moved.mdb"))));
    rs->edit();
    rs->setValue(QStringLiteral("Size"), 1);
    QCOMPARE(errorOf([&] { rs->update(); }), dberr::ReadOnly);
}

void EngineTest::repairRebuildsADamagedIndex() {
    const QString path = file(QStringLiteral("r.mdb"));
    {
        auto db = Database::create(path);
        db->createTable(QStringLiteral("T"), field(QStringLiteral("Name"), FieldType::Text, 30));
        db->appendIndex(QStringLiteral("T"),
                        {QStringLiteral("Name"), QStringLiteral("Name"), true, true});
        db->close();
        OtherUser filler(path); // one transaction for all rows
        QVERIFY(filler.exec("BEGIN"));
        for (int i = 0; i < 400; ++i)
            QVERIFY(filler.exec(QStringLiteral("INSERT INTO T VALUES ('track %1')")
                                    .arg(i, 3, 10, QLatin1Char('0'))
                                    .toUtf8()
                                    .constData()));
        QVERIFY(filler.exec("COMMIT"));
    }
    const QByteArray healthy = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    Database::repair(path); // nothing to do on a healthy file
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), healthy);
    }
    QVERIFY(overwriteIndexPage(path, '\xA5'));
    QVERIFY(OtherUser(path).scalar("PRAGMA quick_check") != QLatin1String("ok"));

    Database::repair(path);
    QCOMPARE(OtherUser(path).scalar("PRAGMA quick_check"), QStringLiteral("ok"));
    auto rs = Database::open(path)->openTable(QStringLiteral("T"));
    QCOMPARE(rs->recordCount(), 400);
    rs->setIndex(QStringLiteral("Name"));
    rs->seek(QStringLiteral("="), QStringLiteral("TRACK 123"));
    QVERIFY(!rs->noMatch());
    QCOMPARE(rs->text(QStringLiteral("Name")), QStringLiteral("track 123"));
    // The damaged file is kept beside the rebuilt one.
    QCOMPARE(QDir(tmp_->path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("r.mdb"), QStringLiteral("r.mdb.damaged")}));
}

void EngineTest::repairRefusesWhatIsNoDatabase() {
    const QString path = file(QStringLiteral("junk.mdb"));
    const auto write = [&](const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    write(QByteArray("Standard Jet DB") + QByteArray(2000, '\0'));
    QCOMPARE(errorOf([&] { Database::repair(file(QStringLiteral("missing.mdb"))); }),
             dberr::NotFound);
    QCOMPARE(errorOf([&] { Database::repair(path); }), dberr::UnrecognizedFormat);
    QCOMPARE(errorOf([&] { Database::repair(path); }), dberr::UnrecognizedFormat);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("Standard Jet DB")); // left as it was
    }
    // Once the file has been replaced by a database, it is checked again.
    QVERIFY(QFile::remove(path));
    Database::create(path)->createTable(QStringLiteral("T"),
                                        field(QStringLiteral("A"), FieldType::Long));
    QCOMPARE(errorOf([&] { Database::repair(path); }), 0);
}

void EngineTest::integrityCheckSeesADamagedPage() {
    const QString path = file(QStringLiteral("i.mdb"));
    {
        auto db = Database::create(path);
        db->createTable(QStringLiteral("T"), field(QStringLiteral("Name"), FieldType::Text, 30));
        db->appendIndex(QStringLiteral("T"),
                        {QStringLiteral("Name"), QStringLiteral("Name"), true});
        OtherUser filler(path);
        QVERIFY(filler.exec("BEGIN"));
        for (int i = 0; i < 300; ++i)
            QVERIFY(filler.exec(
                QStringLiteral("INSERT INTO T VALUES ('row %1')").arg(i).toUtf8().constData()));
        QVERIFY(filler.exec("COMMIT"));
        QVERIFY(db->integrityOk());
    }
    // A page of the index written over: the file still opens, its rows still read.
    QVERIFY(overwriteIndexPage(path, '\x5A'));
    auto db = Database::open(path);
    QCOMPARE(db->openTable(QStringLiteral("T"))->recordCount(), 300);
    QVERIFY(!db->integrityOk());
    db->close();
    QCOMPARE(errorOf([&] { db->integrityOk(); }), dberr::ObjectClosed);
}

QTEST_GUILESS_MAIN(EngineTest)
// Tables made by another program may declare columns that hide SQLite's row id, or have none.
// Editing and deleting must reach the row the recordset stands on; a table whose rows cannot
// be told apart is refused, and a definition naming a row id field is refused too.
void EngineTest::foreignTablesAreAddressedByTheirOwnRowIds_data() {
    QTest::addColumn<QString>("create");
    QTest::addColumn<bool>("usable");
    // Rows a, b, c; the hiding columns hold 3, 2, 1, so a row id taken from them names
    // another row.
    const QString rows = "; INSERT INTO T (Name) VALUES ('a'), ('b'), ('c')";
    QTest::newRow("rowid column") << "CREATE TABLE T (rowid LONG, Name TEXT(30))" + rows +
                                         "; UPDATE T SET rowid = 4 - oid"
                                  << true;
    QTest::newRow("rowid and _rowid_")
        << "CREATE TABLE T (ROWID LONG, _ROWID_ LONG, Name TEXT)" + rows +
               "; UPDATE T SET rowid = 4 - oid, _rowid_ = 4 - oid"
        << true;
    QTest::newRow("integer primary key")
        << "CREATE TABLE T (Id INTEGER PRIMARY KEY, rowid LONG, Name TEXT)" + rows +
               "; UPDATE T SET rowid = 4 - Id"
        << true;
    QTest::newRow("all three names")
        << "CREATE TABLE T (rowid LONG, oid LONG, _rowid_ LONG, Name TEXT)" + rows << false;
    QTest::newRow("without rowid")
        << "CREATE TABLE T (Name TEXT PRIMARY KEY, rowid LONG) WITHOUT ROWID" + rows << false;
}

void EngineTest::foreignTablesAreAddressedByTheirOwnRowIds() {
    QFETCH(QString, create);
    QFETCH(bool, usable);
    const QString path = file(QStringLiteral("f.mdb"));
    sqlite3* raw = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &raw), SQLITE_OK);
    const int rc = sqlite3_exec(raw, create.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    QCOMPARE(rc, SQLITE_OK);
    auto db = Database::open(path);
    if (!usable) {
        QCOMPARE(errorOf([&] { db->openTable(QStringLiteral("T")); }), dberr::Generic);
        return;
    }
    auto rs = db->openTable(QStringLiteral("T"));
    const auto names = [&] {
        QStringList out;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext())
            out << rs->text(QStringLiteral("Name"));
        return out;
    };
    QCOMPARE(names(), (QStringList{"a", "b", "c"}));
    rs->moveFirst();
    rs->edit();
    rs->setValue(QStringLiteral("Name"), QStringLiteral("first"));
    rs->update();
    rs->moveNext();
    rs->deleteCurrent();
    QCOMPARE(names(), (QStringList{"first", "c"}));
    // The engine's own tables never get such a field.
    for (const char* reserved : {"rowid", "OID", "_RowId_"})
        QCOMPARE(errorOf([&] {
                     db->createTable(QStringLiteral("U"),
                                     field(QString::fromLatin1(reserved), FieldType::Long));
                 }),
                 dberr::Generic);
}

#include "engine_test.moc"
