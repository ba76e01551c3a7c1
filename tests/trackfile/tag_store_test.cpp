// The tag store on real SQLite files: what it refuses, that a change is all or nothing, and
// that a store it cannot use (damaged, truncated, another program's, a link) is set aside whole
// with a message, never emptied or written through.
#include "storage/engine_sqlite.h"
#include "tests/support/files.h"
#include "trackfile/tag_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using tagstore::Circuit;
using tagstore::TagStore;

namespace {

Circuit circuit(char c, qint64 size = 30000) {
    return {QByteArray(64, c), size};
}

QStringList numbered(int n, const QString& stem = QStringLiteral("t")) {
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << stem + QString::number(i);
    return out;
}

// A store at `path` holding tags on `circuits` circuits.
void makeStore(const QString& path, int circuits) {
    QString note;
    const std::unique_ptr<TagStore> store = TagStore::open(path, &note);
    QVERIFY(store);
    QList<Circuit> all;
    for (int i = 0; i < circuits; ++i)
        all << Circuit{QByteArray::number(i).rightJustified(64, '0'), 1000 + i};
    QCOMPARE(store->change(all, {"fantasy", "1998 season"}, {}), QString());
}

} // namespace

class TagStoreTest final : public QObject {
    Q_OBJECT

private slots:
    void tagsAreRefusedWithWhy_data() {
        QTest::addColumn<QStringList>("first");  // added first, must be taken
        QTest::addColumn<QStringList>("then");   // added then
        QTest::addColumn<QString>("refusal");    // a part of the message, "" when taken
        QTest::addColumn<QStringList>("stored"); // what the circuit holds at the end
        const QStringList two{"fantasy", "1998 season"};
        QTest::newRow("taken") << QStringList() << two << "" << two;
        QTest::newRow("the same tag in other case")
            << QStringList{"Fantasy"} << QStringList{"FANTASY"} << "" << QStringList{"Fantasy"};
        QTest::newRow("the same tag with accents")
            << QStringList{"Fantasy"} << QStringList{"fantàsy"} << "" << QStringList{"Fantasy"};
        QTest::newRow("40 characters") << QStringList() << QStringList{QString(40, 'x')} << ""
                                       << QStringList{QString(40, 'x')};
        QTest::newRow("41 characters")
            << two << QStringList{QString(41, 'x')} << "at most 40" << two;
        QTest::newRow("a very long tag")
            << two << QStringList{QString(100000, 'y')} << "at most 40" << two;
        QTest::newRow("a tab") << two << QStringList{"a\tb"} << "control character" << two;
        QTest::newRow("a line break") << two << QStringList{"a\nb"} << "control character" << two;
        QTest::newRow("a NUL") << two << QStringList{QString("a") + QChar(0) + "b"}
                               << "control character" << two;
        QTest::newRow("a comma") << two << QStringList{"a,b"} << "comma" << two;
        QTest::newRow("blank") << two << QStringList{"  "} << "blank" << two;
        QTest::newRow("100 tags") << QStringList() << numbered(100) << "" << numbered(100);
        QTest::newRow("one more than 100")
            << numbered(100) << QStringList{"one more"} << "at most 100" << numbered(100);
        QTest::newRow("10,000 tags at once") << two << numbered(10000) << "at most 100" << two;
        QTest::newRow("one good, one bad: neither")
            << two << QStringList{"good", "bad\x01"} << "control character" << two;
    }
    void tagsAreRefusedWithWhy() {
        QFETCH(QStringList, first);
        QFETCH(QStringList, then);
        QFETCH(QString, refusal);
        QFETCH(QStringList, stored);
        QTemporaryDir dir;
        QString note;
        const std::unique_ptr<TagStore> store = TagStore::open(dir.filePath("tags.db"), &note);
        QVERIFY(store);
        QCOMPARE(note, QString());
        // A second circuit changed in the same call keeps nothing of a refused change either.
        QCOMPARE(store->change({circuit('a')}, first, {}), QString());
        const QString why = store->change({circuit('b'), circuit('a')}, then, {});
        QVERIFY2(refusal.isEmpty() ? why.isEmpty() : why.contains(refusal), qPrintable(why));
        QCOMPARE(store->tagsOf(circuit('a').hash), stored);
        QCOMPARE(store->tagsOf(circuit('b').hash), refusal.isEmpty() ? then : QStringList());
    }

    void removedTagsGoAndTheRestStay() {
        QTemporaryDir dir;
        QString note;
        std::unique_ptr<TagStore> store = TagStore::open(dir.filePath("tags.db"), &note);
        QCOMPARE(store->change({circuit('a'), circuit('b', 5)}, {"fantasy", "old", "1998"}, {}),
                 QString());
        QCOMPARE(store->change({circuit('a')}, {}, {"OLD", "1998"}), QString());
        QCOMPARE(store->change({circuit('b', 5)}, {}, {"fantasy", "old", "1998"}), QString());
        store.reset();
        store = TagStore::open(dir.filePath("tags.db"), &note);
        const tagstore::Snapshot all = store->read();
        QCOMPARE(all.tags.size(), 1);
        QCOMPARE(all.tags.value(circuit('a').hash), QStringList{"fantasy"});
        // The lengths tell the health check which circuits to hash: b's is gone with its tags.
        QCOMPARE(all.dataSizes, QSet<qint64>{30000});
    }

    void aStoreItCannotUseIsSetAside_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("suffix"); // of the name it is kept under; "" when used
        QTest::addColumn<QString>("why");
        QTest::newRow("ours") << "ours"
                              << ""
                              << "";
        QTest::newRow("not a database") << "garbage"
                                        << ".damaged"
                                        << "not a database";
        QTest::newRow("empty file") << "empty"
                                    << ""
                                    << "";
        QTest::newRow("truncated") << "truncated"
                                   << ".damaged"
                                   << "damaged";
        QTest::newRow("another program's") << "foreign"
                                           << ".foreign"
                                           << "another program";
        QTest::newRow("a newer version of ours") << "newer"
                                                 << ".foreign"
                                                 << "another program";
        QTest::newRow("a link to a store") << "link"
                                           << ".link"
                                           << "link";
        QTest::newRow("a folder") << "folder"
                                  << ".other"
                                  << "not a regular file";
    }
    void aStoreItCannotUseIsSetAside() {
        QFETCH(QString, kind);
        QFETCH(QString, suffix);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString path = dir.filePath("tags.db");
        const QString elsewhere = dir.filePath("elsewhere.db");
        if (kind == "ours" || kind == "truncated" || kind == "newer") {
            makeStore(path, kind == "truncated" ? 3000 : 2);
        } else if (kind == "garbage") {
            QVERIFY(writeFile(path, QByteArray("these are not the tags you are looking for\n")));
        } else if (kind == "empty") {
            QVERIFY(writeFile(path, {}));
        } else if (kind == "foreign" || kind == "newer") {
            auto conn = engine_detail::connect(path, true);
            engine_detail::exec(conn, "CREATE TABLE circuit_tags (hash TEXT, laps INTEGER)");
        } else if (kind == "link") {
            makeStore(elsewhere, 2);
            QVERIFY(QFile::link(elsewhere, path));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(path + "/inside"));
        }
        if (kind == "newer") {
            auto conn = engine_detail::connect(path, false);
            engine_detail::exec(conn, "PRAGMA user_version=7");
        }
        if (kind == "truncated") {
            QFile f(path);
            QVERIFY(f.resize(f.size() / 2));
        }
        const QByteArray before = readFile(kind == "link" ? elsewhere : path);

        QString note;
        const std::unique_ptr<TagStore> store = TagStore::open(path, &note);
        QVERIFY2(store, qPrintable(note));
        if (suffix.isEmpty()) {
            QCOMPARE(note, QString());
            QCOMPARE(store->read().tags.size(), kind == "ours" ? 2 : 0);
        } else {
            // Named with why and where it was kept; kept whole, and a new store is in its place.
            QVERIFY2(note.contains(why) && note.contains(QDir::toNativeSeparators(path + suffix)),
                     qPrintable(note));
            QCOMPARE(store->read().tags.size(), 0);
            if (kind == "link") {
                QCOMPARE(QFileInfo(path + suffix).symLinkTarget(), QFileInfo(elsewhere).filePath());
                QVERIFY(!QFileInfo(path).isSymLink());
            } else if (kind != "folder") {
                QCOMPARE(readFile(path + suffix), before);
            }
        }
        // The new store takes tags; what lies behind a link is never written.
        QCOMPARE(store->change({circuit('z')}, {"kept"}, {}), QString());
        QCOMPARE(store->tagsOf(circuit('z').hash), QStringList{"kept"});
        if (kind == "link")
            QCOMPARE(readFile(elsewhere), before);
    }

    void typedTagsAreSplitAtCommas() {
        QCOMPARE(tagstore::splitTyped(" fantasy,1998 season ,, Fantasy,  "),
                 (QStringList{"fantasy", "1998 season"}));
    }
};

QTEST_GUILESS_MAIN(TagStoreTest)
#include "tag_store_test.moc"
