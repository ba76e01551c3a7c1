#include "packs/zip_entry_name.h"

#include <QTest>

class ZipEntryNameTest final : public QObject {
    Q_OBJECT
private slots:
    void names_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<bool>("extracted");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("utf8"); // the entry's UTF-8 flag
        QTest::newRow("plain") << QByteArray("MONACO.DAT") << true << "MONACO.DAT" << false;
        QTest::newRow("in a folder") << QByteArray("track/jams/X.JAM") << true << "X.JAM" << false;
        QTest::newRow("backslashes")
            << QByteArray("track\\readme.txt") << true << "readme.txt" << false;
        QTest::newRow("climbing") << QByteArray("../../evil.dat") << true << "evil.dat" << false;
        QTest::newRow("climbing backslash") << QByteArray("..\\x.dat") << true << "x.dat" << false;
        QTest::newRow("absolute") << QByteArray("/abs.dat") << true << "abs.dat" << false;
        QTest::newRow("drive and folder") << QByteArray("C:\\x.dat") << true << "x.dat" << false;
        QTest::newRow("drive only") << QByteArray("c:x.dat") << true << "x.dat" << false;
        QTest::newRow("blank inside")
            << QByteArray("my track.dat") << true << "my track.dat" << false;
        QTest::newRow("utf-8") << QByteArray("pistes/\xc3\xa9t\xc3\xa9.txt") << true
                               << QString::fromUtf8("\u00e9t\u00e9.txt") << true;
        QTest::newRow("utf-8 bytes, no flag")
            << QByteArray("\xc3\xa9t\xc3\xa9.txt") << true
            << QString::fromUtf8("\u251c\u2310t\u251c\u2310.txt") << false;
        QTest::newRow("flagged, not utf-8")
            << QByteArray("N\x81rburg.dat") << false << QString() << true;
        QTest::newRow("direction mark")
            << QByteArray("a\xe2\x80\xaeTAD.txt") << false << QString() << true;
        QTest::newRow("cp437") << QByteArray("N\x81rburg.dat") << true
                               << QString::fromUtf8("N\u00fcrburg.dat") << false;
        QTest::newRow("empty") << QByteArray() << false << QString() << false;
        QTest::newRow("dot") << QByteArray(".") << false << QString() << false;
        QTest::newRow("dot dot") << QByteArray("..") << false << QString() << false;
        QTest::newRow("dots and blank") << QByteArray("a/.. ") << false << QString() << false;
        QTest::newRow("folder entry") << QByteArray("dir/") << false << QString() << false;
        QTest::newRow("folder entry backslash")
            << QByteArray("dir\\") << false << QString() << false;
        QTest::newRow("drive alone") << QByteArray("C:") << false << QString() << false;
        QTest::newRow("drive and dot dot") << QByteArray("C:..") << false << QString() << false;
        QTest::newRow("blanks") << QByteArray("  ") << false << QString() << false;
        QTest::newRow("nul") << QByteArray("a\0b.dat", 7) << false << QString() << false;
        QTest::newRow("line feed") << QByteArray("a\nb.dat") << false << QString() << false;
        QTest::newRow("escape") << QByteArray("a\x1b.dat") << false << QString() << false;
        QTest::newRow("stream colon") << QByteArray("x.dat:hidden") << false << QString() << false;
    }
    void names() {
        QFETCH(QByteArray, raw);
        QFETCH(bool, extracted);
        QFETCH(QString, name);
        QFETCH(bool, utf8);
        const std::optional<QString> got = plainEntryName(raw, utf8);
        QCOMPARE(got.has_value(), extracted);
        if (got)
            QCOMPARE(*got, name);
    }

    void shown_names_escape_what_could_disguise_them() {
        QCOMPARE(shownEntryName(QString::fromUtf8("a\u202etxt.exe\x1b[2J")),
                 QStringLiteral("a\\u202etxt.exe\\x1b[2J"));
        QCOMPARE(shownEntryName(QString::fromUtf8("N\u00fcrburg.dat")),
                 QString::fromUtf8("N\u00fcrburg.dat"));
    }
};

QTEST_GUILESS_MAIN(ZipEntryNameTest)
#include "zip_entry_name_test.moc"
