#include "packs/texture_list.h"

#include <QTest>

namespace {

// A circuit file tail: the texture names, one byte, the 4-byte checksum.
QByteArray withTrailer(const QByteArray& body) {
    return body + QByteArray("\0", 1) + QByteArray("\x12\x34\x56\x78", 4);
}

const QByteArray kZero("\0", 1);

} // namespace

class TextureListTest final : public QObject {
    Q_OBJECT
private slots:
    void scans_backwards_from_the_end() {
        const QByteArray file =
            withTrailer("track data" + kZero + "gamejams\\a.jam" + kZero + "GAMEJAMS/SUB/B.JAM");
        QCOMPARE(scanTextureList(file), (QStringList{"GAMEJAMS/SUB/B.JAM", "gamejams\\a.jam"}));
        // Names that stop being textures end the list; Windows-1252 is kept as stored.
        const QByteArray mixed = withTrailer("x.dat" + kZero + "pistes\\\xe9t\xe9.Jam");
        QCOMPARE(scanTextureList(mixed),
                 QStringList{QString::fromUtf8("pistes\\\u00e9t\u00e9.Jam")});
    }

    void no_list_or_too_short() {
        QVERIFY(scanTextureList(QByteArray()).isEmpty());
        QVERIFY(scanTextureList(QByteArray(".JAM", 4)).isEmpty());
        QVERIFY(scanTextureList(QByteArray(".JAM\0\0\0\0", 8)).isEmpty());
        QVERIFY(scanTextureList(withTrailer("nothing here at all")).isEmpty());
    }

    void stops_at_the_start_of_the_file() {
        // The first name has no zero byte before it: it is not taken.
        QCOMPARE(scanTextureList(withTrailer("dir\\A.JAM" + kZero + "B.JAM")),
                 QStringList{"B.JAM"});
        QVERIFY(scanTextureList(withTrailer(".JAM")).isEmpty());
        QCOMPARE(scanTextureList(withTrailer(kZero + ".JAM")), QStringList{".JAM"});
        // The next ".JAM" would begin before the start.
        QCOMPARE(scanTextureList(withTrailer("AM" + kZero + "x.jam")), QStringList{"x.jam"});
    }

    void safe_names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "X.JAM" << true;
        QTest::newRow("folders") << "gamejams\\track\\X.JAM" << true;
        QTest::newRow("forward slashes") << "gamejams/X.JAM" << true;
        QTest::newRow("dots in names") << "a..b\\x..jam" << true;
        QTest::newRow("absolute") << "/etc/X.JAM" << false;
        QTest::newRow("absolute backslash") << "\\X.JAM" << false;
        QTest::newRow("drive") << "C:\\X.JAM" << false;
        QTest::newRow("drive relative") << "c:X.JAM" << false;
        QTest::newRow("up") << "..\\X.JAM" << false;
        QTest::newRow("up inside") << "gamejams/../../X.JAM" << false;
        QTest::newRow("up with blank") << "gamejams\\.. \\X.JAM" << false;
        QTest::newRow("three dots") << "...\\X.JAM" << false;
        QTest::newRow("empty") << "" << false;
    }
    void safe_names() {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeTextureName(name), safe);
    }

    void target_folder() {
        QVERIFY(textureEntryMatches("gamejams\\track\\x.jam", "X.JAM"));
        QVERIFY(textureEntryMatches("X.JAM", "x.jam"));
        QVERIFY(!textureEntryMatches("gamejams\\Y.JAM", "X.JAM"));
        QVERIFY(!textureEntryMatches("JAM", "X.JAM"));
        QVERIFY(!textureEntryMatches("X.JAM ", "X.JAM"));
        QCOMPARE(textureTargetFolder("gamejams\\track\\x.jam", "X.JAM"),
                 QStringLiteral("gamejams\\track\\"));
        QCOMPARE(textureTargetFolder("X.JAM", "X.JAM"), QString());
        // Matching is by the end only: TRACKX.JAM ends with X.JAM.
        QVERIFY(textureEntryMatches("gamejams\\TRACKX.JAM", "X.JAM"));
        QCOMPARE(textureTargetFolder("gamejams\\TRACKX.JAM", "X.JAM"),
                 QStringLiteral("gamejams\\TRACK"));
        // Leading blanks stay part of the folder rather than cutting its end off.
        QCOMPARE(textureTargetFolder("  jams\\X.JAM", "X.JAM"), QStringLiteral("  jams\\"));
    }
};

QTEST_GUILESS_MAIN(TextureListTest)
#include "texture_list_test.moc"
