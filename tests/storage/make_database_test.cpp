#include "storage/make_database.h"

#include "platform/program_end.h"
#include "platform/scripted_dialogs.h"
#include "storage/engine.h"
#include "storage/gp2psobas.h"
#include "storage/open_database.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/files.h"
#include "tests/support/recording_status.h"

#include <QtTest>

#include <sqlite3.h>

#include <memory>

namespace {

// The tables, fields (with type and size) and indexes of a database, as one comparable text.
QStringList schemaOf(const QString& path) {
    auto db = Database::open(path);
    QStringList out;
    for (const QString& t : db->tableNames()) {
        for (const FieldDef& f : db->fields(t))
            out << QStringLiteral("%1.%2 %3/%4").arg(t, f.name).arg(f.type).arg(f.size);
        for (const IndexDef& i : db->indexes(t))
            out << QStringLiteral("%1 index %2(%3)%4%5")
                       .arg(t, i.name, i.fields, i.unique ? " unique" : "",
                            i.primary ? " primary" : "");
    }
    out.sort();
    return out;
}

// A file in the place of a database that is none.
const QByteArray kJunk = QByteArray("not a database ") + QByteArray(3000, '\x07');

// A pso.def of an older layout: the settings row (without "Car Setup Management") and the
// tracks' descriptive fields, plus `trackFields`, without the statistics, the setups, the tyre
// figure and the "Size" index.
QStringList oldLayout(const QStringList& trackFields) {
    return QStringList{"TABLE: Parameters",
                       "FIELDS:",
                       "Code,Integer",
                       "Gp2 Directory,Text,255",
                       "Use Gp2Lap,Boolean",
                       "Quick Update,Boolean",
                       "Version,Integer",
                       "INDEXES:",
                       "Code,Code,UNIQUE,PRIMARY",
                       "TABLE: Tracks",
                       "FIELDS:",
                       "Name,Text,30",
                       "Country,Text,50",
                       "Size,Long",
                       "Original,Boolean",
                       "Laps,Integer",
                       "Length,Integer",
                       "Slot,Integer",
                       "Event,Text,50",
                       "Author,Text,30",
                       "Description,Text,30"} +
           trackFields + QStringList{"INDEXES:", "Name,Name,UNIQUE,PRIMARY"};
}

} // namespace

class MakeDatabaseTest final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newCatalogue();
    void updateOfAnOldCatalogue();
    void secondRunKeepsWhatThePlayerSet();
    void grammarReachesTheDatabase();
    void errorsThatEndTheProgram_data();
    void errorsThatEndTheProgram();
    void definitionFileMissingOrUnreadable();
    void lockedDatabase();
    void fileThatIsNoDatabaseIsKept();
    void leftoverCopyIsNotDeleted();
    void mapsFilledFromTheCatalogue();
    void openPolicyOutcomes_data();
    void openPolicyOutcomes();

private:
    QString file(const QString& name) const { return tmp_->filePath(name); }
    void writeDef(const QString& name, const QStringList& lines);
    // Runs MakeDatabase; the exit status when the program ended, else -1.
    int make(const QString& name);

    std::unique_ptr<QTemporaryDir> tmp_;
    ScriptedDialogs dialogs_;
    RecordingStatus status_;
    Gp2PsoBas bas_;
};

void MakeDatabaseTest::init() {
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
    for (const char* def : {"pso.def", "maps.def"})
        QVERIFY(QFile::copy(QStringLiteral(PSO_SOURCE_DIR "/data/") + def, file(def)));
    dialogs_ = ScriptedDialogs();
    status_ = RecordingStatus();
    bas_.AppDir = tmp_->path();
    bas_.DbName = QStringLiteral("pso.mdb");
    bas_.dialogs = &dialogs_;
    bas_.status = &status_;
    bas_.StatusText = QStringLiteral("Please wait, making database...");
}

void MakeDatabaseTest::cleanup() {
    tmp_.reset();
}

void MakeDatabaseTest::writeDef(const QString& name, const QStringList& lines) {
    QVERIFY(writeFile(file(name), lines.join(QStringLiteral("\r\n")).toUtf8()));
}

int MakeDatabaseTest::make(const QString& name) {
    try {
        MakeDatabase(bas_, name);
    } catch (const ProgramEnded& e) {
        return e.status;
    }
    return -1;
}

void MakeDatabaseTest::newCatalogue() {
    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    QCOMPARE(dialogs_.shown, QStringList());
    QCOMPARE(status_.l1, QStringLiteral("Please wait, making database..."));
    QCOMPARE(status_.lines.first(), QString());
    QVERIFY(status_.lines.contains(QStringLiteral("Car Setup Information")));
    QCOMPARE(status_.lines.mid(status_.lines.size() - 2),
             (QStringList{"Updating original tracks info...", "Done."}));
    QVERIFY(status_.pumps > 30); // the window paints for every field line
    QVERIFY(!status_.visible);
    QCOMPARE(QDir(tmp_->path()).entryList(QDir::Files),
             (QStringList{"maps.def", "pso.def", "pso.mdb"}));

    auto db = Database::open(file(QStringLiteral("pso.mdb")));
    const auto fieldOf = [&](const QString& table, const QString& name) {
        for (const FieldDef& f : db->fields(table))
            if (f.name == name)
                return f;
        return FieldDef{};
    };
    QCOMPARE(fieldOf("Tracks", "Size").type, int(FieldType::Long));
    QCOMPARE(fieldOf("Tracks", "Original").type, int(FieldType::Boolean));
    QCOMPARE(fieldOf("Tracks", "Car Setup Information").type, int(FieldType::LongBinary));
    QCOMPARE(fieldOf("Tracks", "Name").size, 30);
    QVERIFY(fieldOf("Tracks", "Name").allowZeroLength);
    QCOMPARE(fieldOf("Parameters", "Code").type, int(FieldType::Integer));
    QCOMPARE(fieldOf("Parameters", "Time Running Gp2").type, int(FieldType::Long));
    QCOMPARE(fieldOf("History", "Previous Best").size, 8);
    QCOMPARE(db->indexes(QStringLiteral("History")).size(), 1);

    auto params = db->openTable(QStringLiteral("Parameters"));
    QCOMPARE(params->recordCount(), 1);
    QCOMPARE(params->number(QStringLiteral("Code")), 1);
    QCOMPARE(params->text(QStringLiteral("Gp2 Directory")), QStringLiteral("C:\\Gp2"));
    QCOMPARE(params->value(QStringLiteral("Use Gp2Lap")), QVariant(true));
    QCOMPARE(params->number(QStringLiteral("Version")), kLapTimeDatabaseVersion);
    QCOMPARE(params->value(QStringLiteral("Quick Update")), QVariant(true));
    QCOMPARE(params->value(QStringLiteral("Car Setup Management")), QVariant(true));
    // Made before a game folder is known: the first start, which copies the original circuits.
    QCOMPARE(params->value(QStringLiteral("First Time")), QVariant(true));

    // The game's 16 circuits, slot 16 written first.
    auto tracks = db->openTable(QStringLiteral("Tracks"));
    QCOMPARE(tracks->recordCount(), 16);
    int slot = 16;
    for (tracks->moveFirst(); !tracks->eof(); tracks->moveNext(), --slot) {
        QCOMPARE(tracks->text(QStringLiteral("Name")), samplegame::originalName(slot));
        QCOMPARE(tracks->text(QStringLiteral("Country")), samplegame::originalCountry(slot));
        QCOMPARE(tracks->number(QStringLiteral("Size")), samplegame::originalLength(slot));
        QCOMPARE(tracks->number(QStringLiteral("Laps")), samplegame::originalLaps(slot));
        QCOMPARE(tracks->number(QStringLiteral("Slot")), slot);
        QCOMPARE(tracks->value(QStringLiteral("Original")), QVariant(true));
        QCOMPARE(tracks->text(QStringLiteral("Event")), QStringLiteral("Formula 1"));
        QCOMPARE(tracks->text(QStringLiteral("Author")), QStringLiteral("Microprose"));
        QCOMPARE(tracks->text(QStringLiteral("Description")), QStringLiteral("1994 Version"));
    }
    tracks->setIndex(QStringLiteral("Size"));
    tracks->seek(QStringLiteral("="), 58290);
    QCOMPARE(tracks->text(QStringLiteral("Name")), QStringLiteral("Monte-Carlo"));
    QCOMPARE(tracks->number(QStringLiteral("Length")), 3328);

    // The setup field keeps 96 bytes of any value.
    QByteArray setup;
    for (int i = 0; i < 96; ++i)
        setup += char((i * 37) % 256);
    setup[5] = '\0';
    tracks->edit();
    tracks->setValue(QStringLiteral("Car Setup Information"), setup);
    tracks->update();
    db->close();
    auto again =
        Database::open(file(QStringLiteral("pso.mdb")))->openTable(QStringLiteral("Tracks"));
    again->setIndex(QStringLiteral("Name"));
    again->seek(QStringLiteral("="), QStringLiteral("monte-carlo"));
    QCOMPARE(again->value(QStringLiteral("Car Setup Information")).toByteArray(), setup);

    // Made while a game folder is in use: the row names it, and nothing is copied again.
    bas_.Gp2Dir = QStringLiteral("/games/gp2/");
    QCOMPARE(make(QStringLiteral("season.mdb")), -1);
    auto made =
        Database::open(file(QStringLiteral("season.mdb")))->openTable(QStringLiteral("Parameters"));
    QCOMPARE(made->text(QStringLiteral("Gp2 Directory")), bas_.Gp2Dir);
    QCOMPARE(made->value(QStringLiteral("First Time")), QVariant(false));
}

void MakeDatabaseTest::updateOfAnOldCatalogue() {
    // An older layout: no statistics, no setups, no tyre figure and no "Size" index.
    writeDef(QStringLiteral("pso.def"), oldLayout({"Race Time,Text,8"}));
    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    const QString path = file(QStringLiteral("pso.mdb"));
    {
        auto db = Database::open(path);
        auto params = db->openTable(QStringLiteral("Parameters"));
        params->edit();
        params->setValue(QStringLiteral("Version"), 149);
        params->setValue(QStringLiteral("Gp2 Directory"), QStringLiteral("/games/gp2/"));
        params->setValue(QStringLiteral("Use Gp2Lap"), false);
        params->setValue(QStringLiteral("Quick Update"), false);
        params->update();
        auto tracks = db->openTable(QStringLiteral("Tracks"));
        tracks->setIndex(QStringLiteral("Name"));
        tracks->seek(QStringLiteral("="), QStringLiteral("Monza"));
        tracks->edit();
        tracks->setValue(QStringLiteral("Country"), QStringLiteral("Italia"));
        tracks->setValue(QStringLiteral("Race Time"), QStringLiteral("1:23.456"));
        tracks->update();
        tracks->addNew();
        tracks->setValue(QStringLiteral("Name"), QStringLiteral("Zandvoort 1985"));
        tracks->setValue(QStringLiteral("Race Time"), QStringLiteral("1:19.001"));
        tracks->update();
    }
    const QByteArray old = readFileOrMissing(path);
    QVERIFY(QFile::remove(file(QStringLiteral("pso.def"))));
    QVERIFY(QFile::copy(QStringLiteral(PSO_SOURCE_DIR "/data/pso.def"),
                        file(QStringLiteral("pso.def"))));
    bas_.StatusText = QStringLiteral("Please wait, updating database...");
    dialogs_.shown.clear();

    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    QCOMPARE(dialogs_.shown, QStringList());
    QCOMPARE(status_.l1, QStringLiteral("Please wait, updating database..."));
    QCOMPARE(readFileOrMissing(file(QStringLiteral("tmp.bak"))), old);
    QCOMPARE(readFileOrMissing(file(QStringLiteral("pso.mdb.v149"))), old);
    QVERIFY(!QFile::exists(file(QStringLiteral("tmp99.mdb"))));
    QVERIFY(!QFile::exists(file(QStringLiteral("pso.mdb.update"))));

    auto db = Database::open(path);
    QStringList fields;
    for (const FieldDef& f : db->fields(QStringLiteral("Tracks")))
        fields << f.name;
    QVERIFY(fields.contains(QStringLiteral("Car Setup Information")));
    QVERIFY(fields.contains(QStringLiteral("Tyre")));
    QCOMPARE(db->indexes(QStringLiteral("Tracks")).size(), 2);
    QCOMPARE(db->fields(QStringLiteral("Parameters")).size(), 14);

    auto params = db->openTable(QStringLiteral("Parameters"));
    QCOMPARE(params->recordCount(), 1);
    QCOMPARE(params->number(QStringLiteral("Version")), kLapTimeDatabaseVersion);
    QCOMPARE(params->text(QStringLiteral("Gp2 Directory")), QStringLiteral("/games/gp2/"));
    QCOMPARE(params->value(QStringLiteral("Use Gp2Lap")), QVariant(false));
    // A setting the player had stays; one the layout lacked gets its default.
    QCOMPARE(params->value(QStringLiteral("Quick Update")), QVariant(false));
    QCOMPARE(params->value(QStringLiteral("Car Setup Management")), QVariant(true));
    auto tracks = db->openTable(QStringLiteral("Tracks"));
    QCOMPARE(tracks->recordCount(), 17);
    tracks->setIndex(QStringLiteral("Name"));
    tracks->seek(QStringLiteral("="), QStringLiteral("Monza"));
    QCOMPARE(tracks->text(QStringLiteral("Country")), QStringLiteral("Italia"));
    QCOMPARE(tracks->text(QStringLiteral("Race Time")), QStringLiteral("1:23.456"));
    tracks->seek(QStringLiteral("="), QStringLiteral("Zandvoort 1985"));
    QCOMPARE(tracks->text(QStringLiteral("Race Time")), QStringLiteral("1:19.001"));
}

void MakeDatabaseTest::secondRunKeepsWhatThePlayerSet() {
    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    const QString path = file(QStringLiteral("pso.mdb"));
    const QStringList schema = schemaOf(path);
    {
        auto db = Database::open(path);
        auto params = db->openTable(QStringLiteral("Parameters"));
        params->edit();
        params->setValue(QStringLiteral("Version"), 150);
        params->setValue(QStringLiteral("Quick Update"), false);
        params->setValue(QStringLiteral("Execution"), 12);
        params->update();
        auto tracks = db->openTable(QStringLiteral("Tracks"));
        tracks->setIndex(QStringLiteral("Name"));
        tracks->seek(QStringLiteral("="), QStringLiteral("Suzuka"));
        tracks->edit();
        tracks->setValue(QStringLiteral("Laps"), 10);
        tracks->setValue(QStringLiteral("Warm Up Time"), QStringLiteral("1:40.000"));
        tracks->update();
        tracks->seek(QStringLiteral("="), QStringLiteral("Jerez"));
        tracks->deleteCurrent();
    }
    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    QCOMPARE(dialogs_.shown, QStringList());
    QCOMPARE(schemaOf(path), schema);
    QVERIFY(schema.contains(QStringLiteral("Tracks index Name(Name) unique primary")));
    auto db = Database::open(path);
    auto params = db->openTable(QStringLiteral("Parameters"));
    QCOMPARE(params->number(QStringLiteral("Version")), kLapTimeDatabaseVersion);
    QCOMPARE(params->value(QStringLiteral("Quick Update")), QVariant(false));
    QCOMPARE(params->number(QStringLiteral("Execution")), 12);
    auto tracks = db->openTable(QStringLiteral("Tracks"));
    QCOMPARE(tracks->recordCount(), 16);
    tracks->setIndex(QStringLiteral("Name"));
    tracks->seek(QStringLiteral("="), QStringLiteral("Suzuka"));
    QCOMPARE(tracks->number(QStringLiteral("Laps")), 10);
    QCOMPARE(tracks->text(QStringLiteral("Warm Up Time")), QStringLiteral("1:40.000"));
    // A missing original row is written whole.
    tracks->seek(QStringLiteral("="), QStringLiteral("Jerez"));
    QCOMPARE(tracks->text(QStringLiteral("Country")), QStringLiteral("Europe"));
    db->close();
    QVERIFY(QFile::exists(path + QStringLiteral(".v150")));

    // A newer program's layout is refused untouched: no stamp, no copy, no backup.
    testrows::setStoredParam(path, QStringLiteral("Version"), 999);
    const QStringList files = QDir(tmp_->path()).entryList(QDir::Files);
    const QByteArray newer = readFileOrMissing(path);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, MakeDatabase(bas_, QStringLiteral("pso.mdb")));
    QCOMPARE(readFileOrMissing(path), newer);
    QCOMPARE(QDir(tmp_->path()).entryList(QDir::Files), files);
}

void MakeDatabaseTest::grammarReachesTheDatabase() {
    writeDef(QStringLiteral("maps.def"),
             {"TABLE:   Maps  ", "fields:", "Name,Text,50", "Laps,Integer,0", "Name,Memo",
              "INDEXES:", "Code,Laps,UNIQUE,PRIMARY", "Name,Name,unique,x", "name,Laps",
              "Other,Name,UNIQUE,PRIMARY"});
    bas_.DbName = QStringLiteral("none.mdb"); // no catalogue to copy pictures from
    QCOMPARE(make(QStringLiteral("Maps.mdb")), -1);
    QCOMPARE(dialogs_.shown, QStringList()); // field and indexes defined twice are passed over
    QCOMPARE(schemaOf(file(QStringLiteral("Maps.mdb"))),
             (QStringList{"Maps index Code(Laps) unique primary", "Maps index Name(Name) unique",
                          "Maps.Laps 3/2", "Maps.Name 10/50"}));
    auto db = Database::open(file(QStringLiteral("Maps.mdb")));
    QVERIFY(db->fields(QStringLiteral("Maps")).at(0).allowZeroLength);
    QCOMPARE(db->tableNames(), QStringList{QStringLiteral("Maps")}); // no default rows here
}

void MakeDatabaseTest::errorsThatEndTheProgram_data() {
    QTest::addColumn<QStringList>("def");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("fieldsMade");
    const QStringList head = {"TABLE: T", "FIELDS:", "A,Long"};
    QTest::newRow("trailing comma")
        << head + QStringList{"Name,Text,50,", "B,Long"} << "ERROR : 5 - " << QStringList{"A"};
    QTest::newRow("unknown type word") << head + QStringList{"B,Long", "Name,Txt,50", "C,Long"}
                                       << "ERROR : 3259 - " << QStringList{"A", "B"};
    QTest::newRow("index of a missing table") << head + QStringList{"TABLE: U", "INDEXES:", "A,A"}
                                              << "ERROR : 3265 - " << QStringList{"A"};
    QTest::newRow("index of a missing field")
        << head + QStringList{"INDEXES:", "I,Nope"} << "ERROR : 3265 - " << QStringList{"A"};
    QTest::newRow("catalogue without its tables") << head << "ERROR : 3265 - " << QStringList{"A"};
}

void MakeDatabaseTest::errorsThatEndTheProgram() {
    QFETCH(QStringList, def);
    QFETCH(QString, message);
    QFETCH(QStringList, fieldsMade);
    writeDef(QStringLiteral("pso.def"), def);
    QCOMPARE(make(QStringLiteral("pso.mdb")), 1);
    QCOMPARE(dialogs_.kinds, QStringList{QStringLiteral("message")});
    QVERIFY2(dialogs_.shown.at(0).startsWith(message), qPrintable(dialogs_.shown.at(0)));
    // The half-made database never takes its name, so the next start makes it again.
    QVERIFY(!QFile::exists(file(QStringLiteral("pso.mdb"))));
    QStringList made;
    for (const FieldDef& f :
         Database::open(file(QStringLiteral("pso.mdb.new")))->fields(QStringLiteral("T")))
        made << f.name;
    QCOMPARE(made, fieldsMade);
}

void MakeDatabaseTest::definitionFileMissingOrUnreadable() {
    QVERIFY(QFile::remove(file(QStringLiteral("pso.def"))));
    QCOMPARE(make(QStringLiteral("pso.mdb")), 1);
    QCOMPARE(dialogs_.messages(), QStringList{QStringLiteral("Arquivo não encontrado !")});

    dialogs_.shown.clear();
    dialogs_.kinds.clear();
    QVERIFY(QDir(tmp_->path()).mkdir(QStringLiteral("pso.def")));
    QCOMPARE(make(QStringLiteral("season.mdb")), 1);
    QCOMPARE(dialogs_.messages(),
             QStringList{QStringLiteral(
                 "Arquivo está em uso. Feche todos os programas e tente novamente !")});
}

void MakeDatabaseTest::lockedDatabase() {
    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    const QString path = file(QStringLiteral("pso.mdb"));
    testrows::setStoredParam(path, QStringLiteral("Version"), 150);
    const QByteArray before = readFileOrMissing(path);
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const int ended = make(QStringLiteral("pso.mdb"));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    QCOMPARE(ended, 1);
    QCOMPARE(dialogs_.messages(), QStringList{QStringLiteral("Database is in use.")});
    // The update could not read the file: it stays as it was, with no copy or backup beside.
    QVERIFY(!QFile::exists(file(QStringLiteral("tmp99.mdb"))));
    QCOMPARE(readFileOrMissing(path), before);
    QCOMPARE(QDir(tmp_->path()).entryList({QStringLiteral("pso.mdb*")}),
             QStringList{QStringLiteral("pso.mdb")});
}

void MakeDatabaseTest::fileThatIsNoDatabaseIsKept() {
    QVERIFY(writeFile(file(QStringLiteral("pso.mdb")), kJunk));
    QCOMPARE(make(QStringLiteral("pso.mdb")), 1);
    QCOMPARE(dialogs_.messages().size(), 1);
    QVERIFY2(dialogs_.messages().at(0).startsWith(QLatin1String("ERROR : 3343 - ")),
             qPrintable(dialogs_.messages().at(0)));
    QCOMPARE(readFileOrMissing(file(QStringLiteral("pso.mdb"))), kJunk);
    QCOMPARE(readFileOrMissing(file(QStringLiteral("tmp.bak"))), kJunk);
    QVERIFY(!QFile::exists(file(QStringLiteral("tmp99.mdb"))));
}

void MakeDatabaseTest::leftoverCopyIsNotDeleted() {
    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    // A tmp99.mdb from an earlier run may be the only copy of some database: it stays.
    Database::create(file(QStringLiteral("tmp99.mdb")))->close();
    const QByteArray leftover = readFileOrMissing(file(QStringLiteral("tmp99.mdb")));
    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    QCOMPARE(dialogs_.shown, QStringList());
    QCOMPARE(readFileOrMissing(file(QStringLiteral("tmp99.mdb"))), leftover);
    QCOMPARE(Database::open(file(QStringLiteral("pso.mdb")))
                 ->openTable(QStringLiteral("Tracks"))
                 ->recordCount(),
             16);
}

void MakeDatabaseTest::mapsFilledFromTheCatalogue() {
    // A catalogue of the time the pictures were kept with the tracks.
    writeDef(QStringLiteral("pso.def"),
             oldLayout({"Menu Picture,Text,255", "Menu Picture 2,Text,255"}));
    bas_.DbName = QStringLiteral("Season.mdb");
    QCOMPARE(make(QStringLiteral("Season.mdb")), -1);
    {
        auto db = Database::open(file(QStringLiteral("Season.mdb")));
        auto tracks = db->openTable(QStringLiteral("Tracks"));
        tracks->setIndex(QStringLiteral("Name"));
        const QList<std::tuple<const char*, const char*, const char*>> pictures = {
            {"Monza", "C:\\pics\\monza.bmp", "C:\\pics\\monza2.bmp"},
            {"Adelaide", "", ""},
            {"Imola", "", "C:\\pics\\imola2.bmp"}};
        for (const auto& [name, p1, p2] : pictures) {
            tracks->seek(QStringLiteral("="), QString::fromLatin1(name));
            tracks->edit();
            tracks->setValue(QStringLiteral("Menu Picture"), QString::fromLatin1(p1));
            tracks->setValue(QStringLiteral("Menu Picture 2"), QString::fromLatin1(p2));
            tracks->update();
        }
    }
    status_.lines.clear();
    QCOMPARE(make(QStringLiteral("Maps.mdb")), -1);
    QCOMPARE(dialogs_.shown, QStringList());
    QCOMPARE(status_.lines.mid(status_.lines.size() - 2),
             (QStringList{"Updating maps info...", "Done."}));
    auto maps = Database::open(file(QStringLiteral("Maps.mdb")))->openTable(QStringLiteral("Maps"));
    QStringList rows;
    for (maps->moveFirst(); !maps->eof(); maps->moveNext())
        rows << maps->text(QStringLiteral("Name")) + QLatin1Char('|') +
                    maps->text(QStringLiteral("Menu Picture")) + QLatin1Char('|') +
                    maps->text(QStringLiteral("Menu Picture 2"));
    QCOMPARE(rows, (QStringList{"Imola||C:\\pics\\imola2.bmp",
                                "Monza|C:\\pics\\monza.bmp|C:\\pics\\monza2.bmp"}));

    // Made again, rows already there are kept; a catalogue without picture fields adds none.
    QCOMPARE(make(QStringLiteral("Maps.mdb")), -1);
    QCOMPARE(Database::open(file(QStringLiteral("Maps.mdb")))
                 ->openTable(QStringLiteral("Maps"))
                 ->recordCount(),
             2);
    QFile::remove(file(QStringLiteral("pso.def")));
    QVERIFY(QFile::copy(QStringLiteral(PSO_SOURCE_DIR "/data/pso.def"),
                        file(QStringLiteral("pso.def"))));
    bas_.DbName = QStringLiteral("pso.mdb");
    QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    QFile::remove(file(QStringLiteral("Maps.mdb")));
    QCOMPARE(make(QStringLiteral("Maps.mdb")), -1);
    QCOMPARE(dialogs_.shown, QStringList());
    QCOMPARE(Database::open(file(QStringLiteral("Maps.mdb")))
                 ->openTable(QStringLiteral("Maps"))
                 ->recordCount(),
             0);
}

// The open policy: what is made or repaired, at most once, and how each failure is told.
void MakeDatabaseTest::openPolicyOutcomes_data() {
    QTest::addColumn<QString>("file"); // "made", "junk" or "" (missing)
    QTest::addColumn<bool>("mayMake");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("failure");
    QTest::newRow("present") << "made" << true << int(dbopen::Outcome::Opened)
                             << int(dbopen::Failure::None);
    QTest::newRow("missing") << "" << true << int(dbopen::Outcome::Made)
                             << int(dbopen::Failure::None);
    QTest::newRow("missing, made before")
        << "" << false << int(dbopen::Outcome::Unusable) << int(dbopen::Failure::NotMade);
    QTest::newRow("no database") << "junk" << true << int(dbopen::Outcome::Unusable)
                                 << int(dbopen::Failure::NotRepaired);
}

void MakeDatabaseTest::openPolicyOutcomes() {
    QFETCH(QString, file);
    QFETCH(bool, mayMake);
    QFETCH(int, outcome);
    QFETCH(int, failure);
    const QString path = this->file(QStringLiteral("pso.mdb"));
    if (file == QLatin1String("made"))
        QCOMPARE(make(QStringLiteral("pso.mdb")), -1);
    if (file == QLatin1String("junk"))
        QVERIFY(writeFile(path, kJunk));
    dbopen::Policy policy;
    policy.make = mayMake;
    const dbopen::Result r = dbopen::open(bas_, QStringLiteral("pso.mdb"), policy);
    QCOMPARE(int(r.outcome()), outcome);
    QCOMPARE(int(r.failure), failure);
    QCOMPARE(bool(r.db), outcome != int(dbopen::Outcome::Unusable));
    // Nothing is made or repaired twice by a second opening.
    const dbopen::Policy left = r.left(policy);
    QCOMPARE(left.make, mayMake && outcome != int(dbopen::Outcome::Made));
    QCOMPARE(left.repair, file != QLatin1String("junk"));
    if (r.db)
        QCOMPARE(r.db->openTable(QStringLiteral("Tracks"))->recordCount(), 16);
    if (file == QLatin1String("junk")) {
        QVERIFY2(r.reason.startsWith(QLatin1String("Unrecognized database format")),
                 qPrintable(r.reason));
        QCOMPARE(readFileOrMissing(path), kJunk);
    }
    if (!mayMake)
        QVERIFY(!QFile::exists(path));
    QCOMPARE(dialogs_.shown, QStringList());
}

QTEST_GUILESS_MAIN(MakeDatabaseTest)
#include "make_database_test.moc"
