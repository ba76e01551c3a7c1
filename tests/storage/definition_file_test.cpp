#include "storage/definition_file.h"

#include <QtTest>

using deffile::Item;

class DefinitionFileTest final : public QObject {
    Q_OBJECT
private slots:
    void splitting_data();
    void splitting();
    void fieldLines_data();
    void fieldLines();
    void indexLines_data();
    void indexLines();
    void sectionsAndTables();
    void trailingCommaFails();
    void shippedFilesDeclareWhatTheProgramUses_data();
    void shippedFilesDeclareWhatTheProgramUses();
};

void DefinitionFileTest::splitting_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("no comma") << "Name" << QStringList{"Name"};
    QTest::newRow("three parts") << "Name,Text,50" << QStringList{"Name", "Text", "50"};
    QTest::newRow("blanks stay") << "Name , Text" << QStringList{"Name ", " Text"};
    QTest::newRow("empty middle") << "Data,,96" << QStringList{"Data", "", "96"};
    QStringList many;
    for (int i = 1; i <= 120; ++i)
        many << QString::number(i);
    QStringList capped = many.mid(0, 98);
    capped << QStringList(many.mid(98)).join(QLatin1Char(','));
    QTest::newRow("at most 99 parts, the last keeps the rest")
        << many.join(QLatin1Char(',')) << capped;
}

void DefinitionFileTest::splitting() {
    QFETCH(QString, line);
    QFETCH(QStringList, parts);
    QCOMPARE(deffile::splitParts(line), parts);
}

void DefinitionFileTest::fieldLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("attributes");
    QTest::addColumn<bool>("zeroLength");
    QTest::newRow("text of 50") << "Name,Text,50" << 10 << 50 << 0 << true;
    QTest::newRow("integer, size 0 is its own") << "Laps,Integer,0" << 3 << 2 << 1 << false;
    QTest::newRow("type word in any case") << "Original,bOOLEAN" << 1 << 1 << 1 << false;
    QTest::newRow("long, no size") << "Size,Long" << 4 << 4 << 1 << false;
    QTest::newRow("size not a number") << "Tyre,Long,big" << 4 << 4 << 1 << false;
    QTest::newRow("byte") << "B,Byte" << 2 << 1 << 1 << false;
    QTest::newRow("currency") << "C,Currency" << 5 << 8 << 1 << false;
    QTest::newRow("single") << "S,Single" << 6 << 4 << 1 << false;
    QTest::newRow("double") << "D,Double" << 7 << 8 << 1 << false;
    QTest::newRow("date") << "When,Date" << 8 << 8 << 1 << false;
    QTest::newRow("empty type is binary") << "Raw,,96" << 9 << 96 << 1 << false;
    QTest::newRow("no type part is binary") << "Raw" << 9 << 0 << 1 << false;
    QTest::newRow("long binary") << "Car Setup Information,Long Binary" << 11 << 0 << 1 << false;
    QTest::newRow("memo") << "Notes,Memo" << 12 << 0 << 1 << true;
    QTest::newRow("unknown word") << "Name,Txt,50" << 0 << 50 << 1 << false;
    QTest::newRow("a blank after the comma") << "Name, Text,50" << 0 << 50 << 1 << false;
    QTest::newRow("further parts ignored") << "Name,Text,30,x,y" << 10 << 30 << 0 << true;
}

void DefinitionFileTest::fieldLines() {
    QFETCH(QString, line);
    QFETCH(int, type);
    QFETCH(int, size);
    QFETCH(int, attributes);
    QFETCH(bool, zeroLength);
    const QList<Item> items = deffile::parse({"TABLE: T", "FIELDS:", line});
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0].kind, Item::Kind::Field);
    QCOMPARE(items[0].field.name, deffile::splitParts(line).first());
    QCOMPARE(items[0].field.type, type);
    QCOMPARE(items[0].field.size, size);
    QCOMPARE(items[0].field.attributes, attributes);
    QCOMPARE(items[0].field.allowZeroLength, zeroLength);
}

void DefinitionFileTest::indexLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<bool>("unique");
    QTest::addColumn<bool>("primary");
    QTest::newRow("unique primary") << "Code,Code,UNIQUE,PRIMARY"
                                    << "Code"
                                    << "Code" << true << true;
    QTest::newRow("unique, not primary") << "Name,Name,unique,x"
                                         << "Name"
                                         << "Name" << true << false;
    QTest::newRow("plain") << "Size,Size"
                           << "Size"
                           << "Size" << false << false;
    QTest::newRow("field list as given") << "Both,+Name;-Size,no,primary"
                                         << "Both"
                                         << "+Name;-Size" << false << true;
    QTest::newRow("a blank before the mark") << "N,Name, UNIQUE"
                                             << "N"
                                             << "Name" << false << false;
}

void DefinitionFileTest::indexLines() {
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, fields);
    QFETCH(bool, unique);
    QFETCH(bool, primary);
    const QList<Item> items = deffile::parse({"TABLE: T", "INDEXES:", line});
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0].kind, Item::Kind::Index);
    QCOMPARE(items[0].index.name, name);
    QCOMPARE(items[0].index.fields, fields);
    QCOMPARE(items[0].index.unique, unique);
    QCOMPARE(items[0].index.primary, primary);
}

void DefinitionFileTest::sectionsAndTables() {
    const QStringList lines = {
        "A comment, ignored outside a section",
        "Code,Integer",               // no section yet: ignored
        "  TABLE:   Parameters   \r", // blanks after the colon; the name is trimmed
        "Code,Integer",               // a table but no section: ignored
        "fields:",                    // any case
        "",
        "   Code,Integer   ",
        "Gp2 Directory,Text,255",
        "Indexes: the rest of this line is ignored",
        "Code,Code,UNIQUE,PRIMARY",
        "table:Tracks",
        "Name,Text,30", // TABLE: closes the section
        "FIELDS:",
        "Name,Text,30",
        "INDEXES:",
        "Name,Name,UNIQUE,PRIMARY",
        "FIELDS:", // back to fields of the same table
        "Size,Long",
    };
    const QList<Item> items = deffile::parse(lines);
    QStringList got;
    for (const Item& i : items)
        got << QStringLiteral("%1 %2 %3 @%4")
                   .arg(i.table, i.kind == Item::Kind::Field ? "field" : "index",
                        i.kind == Item::Kind::Field ? i.field.name : i.index.name)
                   .arg(i.lineNumber);
    QCOMPARE(got, (QStringList{"Parameters field Code @7", "Parameters field Gp2 Directory @8",
                               "Parameters index Code @10", "Tracks field Name @14",
                               "Tracks index Name @16", "Tracks field Size @18"}));
}

void DefinitionFileTest::trailingCommaFails() {
    const QList<Item> items = deffile::parse(
        {"TABLE: T", "FIELDS:", "A,Long", "Name,Text,50,", "B,Long", "INDEXES:", "A,A,"});
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[1].kind, Item::Kind::BadLine);
    QCOMPARE(items[1].lineNumber, 4);
    QVERIFY(items[1].problem().contains(QLatin1String("Name,Text,50,")));
    QCOMPARE(items[2].kind, Item::Kind::Field); // what follows is still read
    QCOMPARE(items[3].kind, Item::Kind::BadLine);
}

void DefinitionFileTest::shippedFilesDeclareWhatTheProgramUses_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("indexes");
    QTest::newRow("settings") << "pso.def"
                              << "Parameters"
                              << QStringList{"Code",
                                             "Gp2 Directory",
                                             "Circuits Directory",
                                             "Use Gp2Lap",
                                             "Delete Log File",
                                             "Rename Log File",
                                             "Quick Update",
                                             "Car Setup Management",
                                             "Version",
                                             "First Time",
                                             "Execution",
                                             "First Use",
                                             "Last Use",
                                             "Time Running Gp2"}
                              << QStringList{"Code"};
    QTest::newRow("tracks") << "pso.def"
                            << "Tracks"
                            << QStringList{"Name",         "Country",       "Size",
                                           "Original",     "Laps",          "Length",
                                           "Slot",         "Event",         "Author",
                                           "Description",  "Tyre",          "Car Setup Information",
                                           "Warm Up Time", "Practice Time", "Qualifying Time",
                                           "Race Time"}
                            << QStringList{"Name", "Size"};
    QTest::newRow("maps") << "maps.def"
                          << "Maps" << QStringList{"Name", "Menu Picture", "Menu Picture 2"}
                          << QStringList{"Name"};
}

void DefinitionFileTest::shippedFilesDeclareWhatTheProgramUses() {
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, indexes);
    QFile f(QStringLiteral(PSO_SOURCE_DIR "/data/") + file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<Item> items = deffile::parse(QString::fromUtf8(f.readAll()).split('\n'));
    QStringList gotFields, gotIndexes;
    for (const Item& i : items) {
        QVERIFY2(i.kind != Item::Kind::BadLine, qPrintable(i.line));
        if (i.kind == Item::Kind::Field) {
            QVERIFY2(i.field.type != 0, qPrintable(i.line));
            if (i.table == table)
                gotFields << i.field.name;
        } else if (i.table == table) {
            gotIndexes << i.index.name;
        }
    }
    QCOMPARE(gotFields, fields);
    QCOMPARE(gotIndexes, indexes);
}

QTEST_GUILESS_MAIN(DefinitionFileTest)
#include "definition_file_test.moc"
