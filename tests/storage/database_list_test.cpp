// The lap time database list on the started main window: listing, picking, the text's tool
// tip, New and Delete with what they must refuse.
#include "platform/guarded.h"
#include "storage/database_names.h"
#include "storage/engine.h"
#include "storage/ui/database_list.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/files.h"
#include "tests/support/main_window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QToolButton>

using namespace pistaro;

namespace {

QStringList entries(const QComboBox* combo) {
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names;
}

// Another lap time database of the program folder, already pointing at the game.
void addDatabase(MainWindowFixture& fx, const QString& name) {
    QString error;
    QVERIFY2(
        sampleapp::prepare(fx.appDir(), QStringLiteral(PSO_APPDIR), fx.gameDir(), name, {}, &error),
        qPrintable(error));
}

void pick(DatabaseList& list, const QString& name) {
    const int i = list.DbCombo->findText(name);
    QVERIFY2(i >= 0, qPrintable(name));
    list.DbCombo->setCurrentIndex(i);
    emit list.DbCombo->activated(i);
}

QString openName(const Gp2PsoBas& bas) {
    return QFileInfo(bas.Db->path()).fileName();
}

} // namespace

class DatabaseListTest final : public QObject {
    Q_OBJECT
private slots:
    void nameRules_data();
    void nameRules();
    void deleteRules();
    void listsEveryDatabaseButTheMaps();
    void editingTheTextOpensNothing();
    void pickingOpensAndGuardsDelete();
    void refusedDatabaseKeepsTheOpenOne_data();
    void refusedDatabaseKeepsTheOpenOne();
    void newDatabase_data();
    void newDatabase();
    void newDatabaseRefusesNamesOutsideTheFolder_data();
    void newDatabaseRefusesNamesOutsideTheFolder();
    void deleteRemovesAndFallsBack();
    void deleteAnsweredNoKeepsEverything();
    void deleteRefusesWhatMustStay_data();
    void deleteRefusesWhatMustStay();
};

void DatabaseListTest::nameRules_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("refused");
    QTest::newRow("plain") << "Season"
                           << "Season.mdb" << false;
    QTest::newRow("own extension") << "Season.mdb"
                                   << "Season.mdb" << false;
    QTest::newRow("other case extension") << "Season.MDB"
                                          << "Season.MDB.mdb" << false;
    QTest::newRow("dots inside") << "a.b"
                                 << "a.b.mdb" << false;
    QTest::newRow("parent") << "../x"
                            << "../x.mdb" << true;
    QTest::newRow("dot dot only") << ".."
                                  << "...mdb" << true;
    QTest::newRow("slash") << "sub/x"
                           << "sub/x.mdb" << true;
    QTest::newRow("backslash") << "sub\\x"
                               << "sub\\x.mdb" << true;
    QTest::newRow("drive") << "C:x"
                           << "C:x.mdb" << true;
    QTest::newRow("maps") << "Maps"
                          << "Maps.mdb" << true;
    QTest::newRow("maps lower case") << "maps"
                                     << "maps.mdb" << true;
    QTest::newRow("longer than a file name")
        << QString(252, u'x') << QString(252, u'x') + ".mdb" << true;
}

void DatabaseListTest::nameRules() {
    QFETCH(QString, answer);
    QFETCH(QString, fileName);
    QFETCH(bool, refused);
    QCOMPARE(dbnames::fileNameFor(answer), fileName);
    QCOMPARE(!dbnames::newRefusal(fileName).isEmpty(), refused);
}

void DatabaseListTest::deleteRules() {
    const QStringList listed{QStringLiteral("pso.mdb"), QStringLiteral("Season.mdb"),
                             QStringLiteral("start.mdb")};
    const QString start = QStringLiteral("start.mdb");
    QVERIFY(dbnames::deleteRefusal(QStringLiteral("Season.mdb"), start, listed).isEmpty());
    for (const char* kept : {"pso.mdb", "PSO.MDB", "start.mdb", "START.mdb", "Maps.mdb", "maps.MDB",
                             "season.mdb", "ghost.mdb", "", "../Season.mdb"})
        QVERIFY2(!dbnames::deleteRefusal(QString::fromLatin1(kept), start, listed).isEmpty(), kept);
}

void DatabaseListTest::listsEveryDatabaseButTheMaps() {
    MainWindowFixture fx;
    addDatabase(fx, QStringLiteral("Season.mdb"));
    MainWindow& frm = fx.start();
    QVERIFY(writeFile(fx.appDir() + QStringLiteral("/MAPS.MDB"), "x"));
    QVERIFY(writeFile(fx.appDir() + QStringLiteral("/maps.mdb"), "x"));
    QVERIFY(writeFile(fx.appDir() + QStringLiteral("/Other.MDB"), "x"));
    QVERIFY(writeFile(fx.appDir() + QStringLiteral("/notes.txt"), "x"));
    DatabaseList& list = *frm.Databases;
    list.UpdateDbList();
    QVERIFY(QFile::exists(fx.appDir() + QStringLiteral("/Maps.mdb")));
    QCOMPARE(entries(list.DbCombo),
             (QStringList{QStringLiteral("Other.MDB"), QStringLiteral("pso.mdb"),
                          QStringLiteral("Season.mdb")}));
    // Refilling keeps the text, the database in use.
    QCOMPARE(list.DbCombo->currentText(), QStringLiteral("pso.mdb"));
}

void DatabaseListTest::editingTheTextOpensNothing() {
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    DatabaseList& list = *frm.Databases;
    list.DbCombo->setEditText(QString());
    QTest::keyClicks(list.DbCombo, QStringLiteral("typed.mdb"));
    QVERIFY(!list.SaveDatabase->isEnabled()); // it has nothing to save
    QCOMPARE(list.DbCombo->toolTip(), QStringLiteral("Lap time database in use 'typed.mdb'"));
    QCOMPARE(openName(fx.bas), QStringLiteral("pso.mdb"));
    QVERIFY(!QFile::exists(fx.appDir() + QStringLiteral("/typed.mdb")));
}

void DatabaseListTest::pickingOpensAndGuardsDelete() {
    MainWindowFixture fx;
    addDatabase(fx, QStringLiteral("Season.mdb"));
    addDatabase(fx, QStringLiteral("start.mdb"));
    MainWindow& frm = fx.start({QStringLiteral("start.mdb")});
    DatabaseList& list = *frm.Databases;
    QCOMPARE(openName(fx.bas), QStringLiteral("start.mdb"));

    pick(list, QStringLiteral("Season.mdb"));
    QCOMPARE(openName(fx.bas), QStringLiteral("Season.mdb"));
    QVERIFY(list.DeleteDatabase->isEnabled());
    QVERIFY(!list.SaveDatabase->isEnabled());
    QVERIFY(fx.bas.ParamsRs && fx.bas.TracksRs);

    pick(list, QStringLiteral("pso.mdb"));
    QCOMPARE(openName(fx.bas), QStringLiteral("pso.mdb"));
    QVERIFY(!list.DeleteDatabase->isEnabled());

    pick(list, QStringLiteral("Season.mdb"));
    pick(list, QStringLiteral("start.mdb"));
    QVERIFY(!list.DeleteDatabase->isEnabled());
    QVERIFY(fx.dialogs.shown.isEmpty());
}

// A database that cannot be used leaves the one open before in use, and stays as it was.
void DatabaseListTest::refusedDatabaseKeepsTheOpenOne_data() {
    QTest::addColumn<bool>("newer"); // of a newer layout, else its game folder prompt cancelled
    QTest::addColumn<QStringList>("kinds");
    QTest::newRow("game prompt cancelled") << false << QStringList{"message", "pickFolder"};
    QTest::newRow("newer layout") << true << QStringList{"message"};
}

void DatabaseListTest::refusedDatabaseKeepsTheOpenOne() {
    QFETCH(bool, newer);
    QFETCH(QStringList, kinds);
    // Old.mdb names a folder without the game (another installation's) or is a newer one's.
    MainWindowFixture fx;
    QString error;
    QVERIFY2(sampleapp::prepare(fx.appDir(), QStringLiteral(PSO_APPDIR),
                                newer ? fx.gameDir() : fx.tmp.filePath(QStringLiteral("elsewhere")),
                                QStringLiteral("Old.mdb"), {}, &error),
             qPrintable(error));
    const QString old = fx.appDir() + QStringLiteral("/Old.mdb");
    if (newer)
        testrows::setStoredParam(old, QStringLiteral("Version"), 999);
    const QByteArray before = readFile(old);
    MainWindow& frm = fx.start();
    DatabaseList& list = *frm.Databases;
    list.UpdateDbList();
    fx.dialogs.answers = {QString()};
    pick(list, QStringLiteral("Old.mdb"));
    QCOMPARE(fx.dialogs.kinds, kinds);
    if (newer)
        QVERIFY2(fx.dialogs.shown.at(0).startsWith(
                     QStringLiteral("Database Old.mdb has layout version 999, made by a newer")),
                 qPrintable(fx.dialogs.shown.at(0)));
    QCOMPARE(readFile(old), before);
    QVERIFY(!ProgramEndState::ended);
    QCOMPARE(openName(fx.bas), QStringLiteral("pso.mdb"));
    QCOMPARE(list.DbCombo->currentText(), QStringLiteral("pso.mdb"));
    QCOMPARE(fx.bas.Gp2Dir, fx.gameDir());
    QVERIFY(fx.bas.ParamsRs && fx.bas.TracksRs);
}

void DatabaseListTest::newDatabase_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("exists"); // the folder holds it already, with Quick Update off
    QTest::newRow("plain") << "Season"
                           << "Season.mdb" << false;
    QTest::newRow("other case extension") << "Season.MDB"
                                          << "Season.MDB.mdb" << false;
    QTest::newRow("existing") << "Season"
                              << "Season.mdb" << true;
}

void DatabaseListTest::newDatabase() {
    QFETCH(QString, answer);
    QFETCH(QString, fileName);
    QFETCH(bool, exists);
    MainWindowFixture fx;
    if (exists) {
        addDatabase(fx, fileName);
        testrows::setStoredParam(fx.database(fileName), QStringLiteral("Quick Update"), false);
    }
    MainWindow& frm = fx.start();
    DatabaseList& list = *frm.Databases;
    // The new row names the game folder in use: nothing more is asked.
    fx.dialogs.answers = {answer};
    QTest::mouseClick(list.NewDatabase, Qt::LeftButton);
    QCOMPARE(fx.dialogs.shown, QStringList{QStringLiteral("Enter the new database name:")});
    QCOMPARE(fx.bas.ParamsRs->text(QStringLiteral("Gp2 Directory")), fx.gameDir());
    QCOMPARE(fx.bas.StatusText, QStringLiteral("Please wait, making new database..."));
    QVERIFY(QFile::exists(fx.appDir() + QLatin1Char('/') + fileName));
    QVERIFY(entries(list.DbCombo).contains(fileName));
    QCOMPARE(list.DbCombo->currentText(), fileName);
    QCOMPARE(list.DbCombo->toolTip(),
             QStringLiteral("Lap time database in use '") + fileName + "'");
    QCOMPARE(openName(fx.bas), fileName);
    QCOMPARE(fx.bas.Gp2Dir, fx.gameDir());
    // A database of that name is opened as it was.
    QCOMPARE(fx.bas.QuickUpdate, !exists);

    // An empty answer does nothing.
    fx.dialogs.answers = {QString()};
    list.NewDatabase_Click();
    QCOMPARE(openName(fx.bas), fileName);
}

void DatabaseListTest::newDatabaseRefusesNamesOutsideTheFolder_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("parent") << "../escaped";
    QTest::newRow("sub folder") << "sub/x";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("maps") << "Maps";
}

void DatabaseListTest::newDatabaseRefusesNamesOutsideTheFolder() {
    QFETCH(QString, answer);
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    QDir(fx.appDir()).mkdir(QStringLiteral("sub"));
    const QStringList before = QDir(fx.tmp.path()).entryList() + QDir(fx.appDir()).entryList();
    const QByteArray maps = [&] {
        QFile f(fx.appDir() + QStringLiteral("/Maps.mdb"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    fx.dialogs.answers = {answer};
    frm.Databases->NewDatabase_Click();
    QCOMPARE(fx.dialogs.messages().size(), 1);
    QVERIFY(fx.dialogs.messages().at(0).startsWith(QStringLiteral("Database '")));
    QCOMPARE(QDir(fx.tmp.path()).entryList() + QDir(fx.appDir()).entryList(), before);
    QVERIFY(QDir(fx.appDir() + QStringLiteral("/sub")).isEmpty());
    QFile f(fx.appDir() + QStringLiteral("/Maps.mdb"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), maps);
    QCOMPARE(openName(fx.bas), QStringLiteral("pso.mdb"));
}

void DatabaseListTest::deleteRemovesAndFallsBack() {
    MainWindowFixture fx;
    addDatabase(fx, QStringLiteral("Season.mdb"));
    MainWindow& frm = fx.start();
    DatabaseList& list = *frm.Databases;
    pick(list, QStringLiteral("Season.mdb"));
    fx.dialogs.answers = {true};
    QTest::mouseClick(list.DeleteDatabase, Qt::LeftButton);
    QCOMPARE(fx.dialogs.kinds, (QStringList{QStringLiteral("yesno"), QStringLiteral("message")}));
    QCOMPARE(fx.dialogs.shown, (QStringList{QStringLiteral("Sure you want to kill 'Season.mdb' ?"),
                                            QStringLiteral("Database 'Season.mdb' deleted.")}));
    QVERIFY(!QFile::exists(fx.appDir() + QStringLiteral("/Season.mdb")));
    QCOMPARE(entries(list.DbCombo), QStringList{QStringLiteral("pso.mdb")});
    QCOMPARE(list.DbCombo->currentText(), QStringLiteral("pso.mdb"));
    QCOMPARE(openName(fx.bas), QStringLiteral("pso.mdb"));
    QVERIFY(fx.bas.ParamsRs && fx.bas.TracksRs);
}

void DatabaseListTest::deleteAnsweredNoKeepsEverything() {
    MainWindowFixture fx;
    addDatabase(fx, QStringLiteral("Season.mdb"));
    MainWindow& frm = fx.start();
    DatabaseList& list = *frm.Databases;
    pick(list, QStringLiteral("Season.mdb"));
    const Database* open = fx.bas.Db.get();
    fx.dialogs.answers = {false};
    list.DeleteDatabase_Click();
    QCOMPARE(fx.dialogs.kinds, QStringList{QStringLiteral("yesno")});
    QVERIFY(QFile::exists(fx.appDir() + QStringLiteral("/Season.mdb")));
    QCOMPARE(fx.bas.Db.get(), open);
}

void DatabaseListTest::deleteRefusesWhatMustStay_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("standard") << "pso.mdb";
    QTest::newRow("standard, other case") << "PSO.MDB";
    QTest::newRow("start-up database") << "start.mdb";
    QTest::newRow("menu pictures") << "Maps.mdb";
    QTest::newRow("not listed") << "ghost.mdb";
    QTest::newRow("outside the folder") << "../game/GP2.EXE";
}

void DatabaseListTest::deleteRefusesWhatMustStay() {
    QFETCH(QString, text);
    MainWindowFixture fx;
    addDatabase(fx, QStringLiteral("start.mdb"));
    MainWindow& frm = fx.start({QStringLiteral("start.mdb")});
    DatabaseList& list = *frm.Databases;
    QVERIFY(writeFile(fx.appDir() + QStringLiteral("/ghost.mdb"), "x")); // there, but not listed
    const QStringList before = QDir(fx.appDir()).entryList();
    const Database* open = fx.bas.Db.get();
    list.DbCombo->setEditText(text);
    fx.dialogs.answers = {true};
    QTest::mouseClick(list.DeleteDatabase, Qt::LeftButton);
    QCOMPARE(fx.dialogs.kinds, QStringList{QStringLiteral("message")}); // nothing asked
    QVERIFY(fx.dialogs.shown.at(0).startsWith(QStringLiteral("Database '") + text + "'"));
    QCOMPARE(QDir(fx.appDir()).entryList(), before);
    QVERIFY(QFile::exists(fx.gameDir() + QStringLiteral("GP2.EXE")));
    QCOMPARE(fx.bas.Db.get(), open); // not closed
    QVERIFY(fx.bas.ParamsRs);
}

QTEST_MAIN(DatabaseListTest)
#include "database_list_test.moc"
