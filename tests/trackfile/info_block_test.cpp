#include "storage/gp2psobas.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tests/support/files.h"
#include "trackfile/info_block.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// An area made by hand: `start` followed by '~' up to 4096 bytes.
QByteArray area(const QByteArray& start) {
    QByteArray a = start;
    a.append(4096 - a.size(), '~');
    return a;
}

const QByteArray kExample = "#GP2INFO|Name|Monza|Country|Italy|Author|Anon|#";

} // namespace

class InfoBlockTest final : public QObject {
    Q_OBJECT

private slots:
    void workedExample() {
        QByteArray text = area(kExample);
        QCOMPARE(infoblock::getDat(text, "Country"), QStringLiteral("Italy"));
        QCOMPARE(infoblock::getDat(text, "Author"), QStringLiteral("Anon"));
        QCOMPARE(infoblock::getDat(text, "Laps"), QString());

        QVERIFY(infoblock::updateDatInfo(text, "Country", "Italia"));
        QCOMPARE(text, area("#GP2INFO|Name|Monza|Country|Italia|Author|Anon|#"));

        text = area(kExample);
        QVERIFY(infoblock::updateDatInfo(text, "Name", ""));
        QCOMPARE(text, area("#GP2INFO|Name||Country|Italy|Author|Anon|#"));
    }

    void growingDropsTheLastBytes() {
        // A tail that is not all '~' shows exactly which bytes go.
        QByteArray text = area(kExample);
        text[4095] = 'X';
        text[4094] = 'Y';
        QVERIFY(infoblock::updateDatInfo(text, "Author", "Anon2"));
        QByteArray expected = "#GP2INFO|Name|Monza|Country|Italy|Author|Anon2|#";
        expected.append(4096 - expected.size() - 1, '~');
        expected += 'Y';
        QCOMPARE(text, expected);
    }

    void shrinkingFillsWithTilde() {
        QByteArray text = area(kExample);
        text[4095] = 'X';
        QVERIFY(infoblock::updateDatInfo(text, "Country", "It"));
        QByteArray expected = "#GP2INFO|Name|Monza|Country|It|Author|Anon|#";
        expected.append(4096 - 3 - expected.size() - 1, '~');
        expected += "X~~~";
        QCOMPARE(text, expected);
    }

    void lookups_data() {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("empty value")
            << QByteArray("#GP2INFO|Name||Country|X|#") << QStringLiteral("Name") << QString();
        QTest::newRow("last field closed by #")
            << QByteArray("#GP2INFO|Name|Monza|Country|Italy#") << QStringLiteral("Country")
            << QStringLiteral("Italy");
        QTest::newRow("key case matters")
            << QByteArray("#GP2INFO|name|Monza|#") << QStringLiteral("Name") << QString();
        QTest::newRow("key met first as a value")
            << QByteArray("#GP2INFO|Country|Name|Italy|Name|Monza|#") << QStringLiteral("Name")
            << QStringLiteral("Italy");
        QTest::newRow("untrimmed") << QByteArray("#GP2INFO|Name|  Monza |#")
                                   << QStringLiteral("Name") << QStringLiteral("  Monza ");
        QTest::newRow("key outside the code page")
            << QByteArray("#GP2INFO|N?me|x|#") << QString::fromUtf8("N\u4E00me") << QString();
        QTest::newRow("empty key") << kExample << QString() << QString();
        QTest::newRow("cp1252 bytes") << QByteArray("#GP2INFO|Country|Espa\xF1"
                                                    "a \x80|#")
                                      << QStringLiteral("Country") << QString::fromUtf8("España €");
    }
    void lookups() {
        QFETCH(QByteArray, start);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(infoblock::getDat(area(start), key), value);
    }

    void unterminatedValue() {
        // No "|" and no "#" after the value: the key counts as absent.
        QByteArray text("#GP2INFO|Name|Monza");
        text.append(4096 - text.size(), '~');
        QCOMPARE(infoblock::getDat(text, "Name"), QString());
        const QByteArray before = text;
        QVERIFY(!infoblock::updateDatInfo(text, "Name", "Imola"));
        QCOMPARE(text, before);
    }

    void editsThatChangeNothing() {
        QByteArray text = area(kExample);
        const QByteArray before = text;
        QVERIFY(!infoblock::updateDatInfo(text, "", "x"));
        QVERIFY(!infoblock::updateDatInfo(text, "Laps", "53"));       // keys are never added
        QVERIFY(!infoblock::updateDatInfo(text, "country", "Spain")); // case matters
        QCOMPARE(text, before);
        QByteArray empty;
        QVERIFY(!infoblock::updateDatInfo(empty, "Name", "x"));
        QVERIFY(empty.isEmpty());
        QCOMPARE(infoblock::getDat(empty, "Name"), QString());
    }

    void lastFieldClosedByHashKeepsTheHash() {
        QByteArray text = area("#GP2INFO|Name|Monza|Country|Italy#");
        QVERIFY(infoblock::updateDatInfo(text, "Country", "San Marino"));
        QByteArray expected = "#GP2INFO|Name|Monza|Country|San Marino#";
        expected.append(4096 - expected.size(), '~');
        QCOMPARE(text, expected);
    }

    void emptyValueCanBeFilled() {
        QByteArray text = area("#GP2INFO|Name||Country|Italy|#");
        QVERIFY(infoblock::updateDatInfo(text, "Name", "Monza"));
        QCOMPARE(infoblock::getDat(text, "Name"), QStringLiteral("Monza"));
        QVERIFY(text.startsWith("#GP2INFO|Name|Monza|Country|Italy|#~"));
    }

    void twoEditsEqualTheLastAlone() {
        QByteArray twice = area(kExample);
        infoblock::updateDatInfo(twice, "Country", "Republica Italiana");
        infoblock::updateDatInfo(twice, "Country", "Ita");
        QByteArray once = area(kExample);
        infoblock::updateDatInfo(once, "Country", "Ita");
        QCOMPARE(twice, once);
    }

    void valueIsEncodedInCp1252() {
        QByteArray text = area(kExample);
        QVERIFY(infoblock::updateDatInfo(text, "Country", QString::fromUtf8("Österreich €")));
        QVERIFY(text.startsWith("#GP2INFO|Name|Monza|Country|\xD6sterreich \x80|Author|"));
        QCOMPARE(text.size(), 4096);
    }

    void fullAreaRefusesToLoseBlockContent() {
        // A block that fills the whole area: growing a value would cut off its end.
        QByteArray text("#GP2INFO|Name|Monza|Desc|");
        text.append(4096 - text.size() - 1, 'd');
        text += '#';
        const QByteArray before = text;
        QVERIFY(!infoblock::updateDatInfo(text, "Name", "Monza 2"));
        QCOMPARE(text, before);
        // Growing into filler that is not '~' is fine: only what lies past "#" goes.
        QByteArray zeros("#GP2INFO|Name|Monza|#");
        zeros.append(4096 - zeros.size(), '\0');
        QVERIFY(infoblock::updateDatInfo(zeros, "Name", "Monza 2001"));
        QByteArray expected("#GP2INFO|Name|Monza 2001|#");
        expected.append(4096 - expected.size(), '\0');
        QCOMPARE(zeros, expected);
        // A "#" inside a later value is no end of the block: the block's own "#" at the last
        // byte would be pushed out, and the Author field cut short.
        QByteArray hash("#GP2INFO|Name|Monza|Desc|");
        hash.append(4096 - hash.size() - 17, 'd');
        hash += "|Author|Team #5|#";
        QCOMPARE(hash.size(), 4096);
        const QByteArray hashBefore = hash;
        QVERIFY(!infoblock::updateDatInfo(hash, "Name", "Monza 2"));
        QCOMPARE(hash, hashBefore);
        QVERIFY(infoblock::updateDatInfo(hash, "Name", "Mon"));
        QCOMPARE(infoblock::getDat(hash, "Author"), QStringLiteral("Team #5"));
    }

    void readArea_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");
        QByteArray big = samplegame::circuit(9000, {{"Name", "Monza"}});
        QTest::newRow("block") << big << big.left(4096);
        QByteArray lower = big;
        lower[1] = 'g';
        QTest::newRow("lower-case tag") << lower << QByteArray();
        QByteArray other = big;
        other[7] = 'X';
        QTest::newRow("eighth byte differs") << other << QByteArray();
        QTest::newRow("original") << samplegame::circuit(32406, {}, {}, 1) << QByteArray();
        QTest::newRow("shorter than the tag") << QByteArray("#GP2") << QByteArray();
        QByteArray small = samplegame::circuit(3000, {{"Name", "Tiny"}});
        QByteArray padded = small;
        padded.append(4096 - 3000, '~');
        QTest::newRow("3000 bytes") << small << padded;
    }
    void readArea() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("t.dat");
        QVERIFY(writeFile(path, file));
        QCOMPARE(infoblock::readInfoArea(path), expected);
    }

    void loadThroughSharedState() {
        QTemporaryDir dir;
        Gp2PsoBas st;
        st.InfoText = "stale";
        GetAllDatInfo(st); // no CurrentFile
        QVERIFY(st.InfoText.isEmpty());

        st.CurrentFile = dir.filePath("missing.dat");
        st.InfoText = "stale";
        GetAllDatInfo(st);
        QVERIFY(st.InfoText.isEmpty());

        const QByteArray file = samplegame::circuit(8000, {{"Name", "Monza"}, {"Laps", "53"}});
        st.CurrentFile = dir.filePath("monza.dat");
        QVERIFY(writeFile(st.CurrentFile, file));
        GetAllDatInfo(st);
        QCOMPARE(st.InfoText, file.left(4096));
        QCOMPARE(GetDat(st, "Laps"), QStringLiteral("53"));
        QVERIFY(UpdateDatInfo(st, "Laps", "60"));
        QCOMPARE(GetDat(st, "Laps"), QStringLiteral("60"));
        QCOMPARE(readFile(st.CurrentFile), file); // only the write-back touches the file
    }

    void writeBackChangesOnlyTheArea() {
        QTemporaryDir dir;
        Gp2PsoBas st;
        st.CurrentFile = dir.filePath("monza.dat");
        const QByteArray before = samplegame::circuit(
            41250, samplegame::addonFields("Monza 2001", "Italy", 53), {"gamejams\\a.jam"}, 5);
        QVERIFY(writeFile(st.CurrentFile, before));
        GetAllDatInfo(st);
        QVERIFY(UpdateDatInfo(st, "Country", "Italia"));
        QString error;
        QVERIFY2(WriteDatInfo(st, &error), qPrintable(error));
        const QByteArray after = readFile(st.CurrentFile);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(4096), st.InfoText);
        QCOMPARE(after.mid(4096), before.mid(4096)); // trailer too: the checksum tool's job
        GetAllDatInfo(st);
        QCOMPARE(GetDat(st, "Country"), QStringLiteral("Italia"));
    }

    void writeBackNeverGrowsAShortFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("tiny.dat");
        const QByteArray before = samplegame::circuit(3000, {{"Name", "Tiny"}, {"Laps", "9"}});
        QVERIFY(writeFile(path, before));
        QByteArray text = infoblock::readInfoArea(path);
        QVERIFY(infoblock::updateDatInfo(text, "Laps", "12"));
        QVERIFY(infoblock::writeInfoArea(path, text));
        const QByteArray after = readFile(path);
        QCOMPARE(after.size(), 3000);
        QCOMPARE(after, text.left(3000));
    }

    void writeBackRefusals() {
        QTemporaryDir dir;
        const QByteArray text = area(kExample);
        QString error;

        // Missing: not created.
        const QString missing = dir.filePath("missing.dat");
        QVERIFY(!infoblock::writeInfoArea(missing, text, &error));
        QVERIFY(error.contains(missing));
        QVERIFY(!QFile::exists(missing));

        // A file without a block does not get one.
        const QString plain = dir.filePath("f1ct01.dat");
        const QByteArray original = samplegame::circuit(32406, {}, {}, 1);
        QVERIFY(writeFile(plain, original));
        error.clear();
        QVERIFY(!infoblock::writeInfoArea(plain, text, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(plain), original);

        // An area that is not a block is not written.
        const QString block = dir.filePath("block.dat");
        const QByteArray withBlock = samplegame::circuit(5000, {{"Name", "X"}});
        QVERIFY(writeFile(block, withBlock));
        QVERIFY(!infoblock::writeInfoArea(block, QByteArray(4096, '~'), &error));
        QCOMPARE(readFile(block), withBlock);

        // Read-only file.
        QFile::setPermissions(block, QFileDevice::ReadOwner);
        if (!QFileInfo(block).isWritable()) { // root may write anyway
            QVERIFY(!infoblock::writeInfoArea(block, text, &error));
            QCOMPARE(readFile(block), withBlock);
        }
        QFile::setPermissions(block, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        // Nothing to write: success without touching anything.
        QVERIFY(infoblock::writeInfoArea(missing, QByteArray()));
        QVERIFY(!QFile::exists(missing));
        Gp2PsoBas st;
        st.InfoText = text;
        QVERIFY(WriteDatInfo(st)); // CurrentFile ""
    }
};

QTEST_GUILESS_MAIN(InfoBlockTest)
#include "info_block_test.moc"
