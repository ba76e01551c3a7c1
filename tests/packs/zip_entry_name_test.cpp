#include "packs/zip_entry_name.h"

#include <QTest>

class ZipEntryNameTest final : public QObject {
    Q_OBJECT
private slots:
    void names_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<bool>("extracted");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QByteArray("MONACO.DAT") << true << "MONACO.DAT";
        QTest::newRow("in a folder") << QByteArray("track/jams/X.JAM") << true << "X.JAM";
        QTest::newRow("backslashes") << QByteArray("track\\readme.txt") << true << "readme.txt";
        QTest::newRow("climbing") << QByteArray("../../evil.dat") << true << "evil.dat";
        QTest::newRow("climbing backslash") << QByteArray("..\\x.dat") << true << "x.dat";
        QTest::newRow("absolute") << QByteArray("/abs.dat") << true << "abs.dat";
        QTest::newRow("drive and folder") << QByteArray("C:\\x.dat") << true << "x.dat";
        QTest::newRow("drive only") << QByteArray("c:x.dat") << true << "x.dat";
        QTest::newRow("blank inside") << QByteArray("my track.dat") << true << "my track.dat";
        QTest::newRow("utf-8") << QByteArray("pistes/\xc3\xa9t\xc3\xa9.txt") << true
                               << QString::fromUtf8("\u00e9t\u00e9.txt");
        QTest::newRow("cp437") << QByteArray("N\x81rburg.dat") << true
                               << QString::fromUtf8("N\u00fcrburg.dat");
        QTest::newRow("empty") << QByteArray() << false << QString();
        QTest::newRow("dot") << QByteArray(".") << false << QString();
        QTest::newRow("dot dot") << QByteArray("..") << false << QString();
        QTest::newRow("dots and blank") << QByteArray("a/.. ") << false << QString();
        QTest::newRow("folder entry") << QByteArray("dir/") << false << QString();
        QTest::newRow("folder entry backslash") << QByteArray("dir\\") << false << QString();
        QTest::newRow("drive alone") << QByteArray("C:") << false << QString();
        QTest::newRow("drive and dot dot") << QByteArray("C:..") << false << QString();
        QTest::newRow("blanks") << QByteArray("  ") << false << QString();
        QTest::newRow("nul") << QByteArray("a\0b.dat", 7) << false << QString();
        QTest::newRow("line feed") << QByteArray("a\nb.dat") << false << QString();
        QTest::newRow("escape") << QByteArray("a\x1b.dat") << false << QString();
        QTest::newRow("stream colon") << QByteArray("x.dat:hidden") << false << QString();
    }
    void names() {
        QFETCH(QByteArray, raw);
        QFETCH(bool, extracted);
        QFETCH(QString, name);
        const std::optional<QString> got = plainEntryName(raw);
        QCOMPARE(got.has_value(), extracted);
        if (got)
            QCOMPARE(*got, name);
    }
};

QTEST_GUILESS_MAIN(ZipEntryNameTest)
#include "zip_entry_name_test.moc"
