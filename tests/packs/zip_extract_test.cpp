// Flat extraction of archives into a scratch folder, hostile archives included: whatever the
// archive holds, nothing is written outside the folder.
#include "packs/zip_extract.h"
#include "tests/support/zip_maker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using zipmaker::Entry;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Every file and link under `root`, relative to it, sorted.
QStringList everything(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

} // namespace

class ZipExtractTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString scratch;
    QString archive;

    // Makes a fresh nested scratch folder (tmp/a/b/tmpzip), so climbing names have room.
    QString tmpPath(const QString& name = {}) const { return name.isEmpty() ? dir->path() : dir->filePath(name); }

    void make(const QList<Entry>& entries) {
        scratch = tmpPath("a/b/tmpzip");
        QVERIFY(QDir().mkpath(scratch));
        archive = tmpPath("track.zip");
        QString error;
        QVERIFY2(zipmaker::write(archive, entries, &error), qPrintable(error));
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void unpacks_flat_replacing_files() {
        make({{"track/MONACO.DAT", "circuit bytes"},
              {"track/", {}, Entry::Folder},
              {"Readme.txt", "new read-me"},
              {"jams\\sub\\X.JAM", "texture", Entry::File, true},
              {"jams/other/X.JAM", "second texture"}});
        writeFile(scratch + "/readme.TXT", "old read-me"); // same name in another case
        writeFile(scratch + "/keep.bin", "kept");

        const ZipExtractResult r = extractFlat(archive, scratch);
        QVERIFY(r.refused.isEmpty());
        QVERIFY(r.skipped.isEmpty());
        QCOMPARE(r.written, (QStringList{"MONACO.DAT", "readme.TXT", "X.JAM"}));
        QCOMPARE(everything(scratch), (QStringList{"MONACO.DAT", "X.JAM", "keep.bin", "readme.TXT"}));
        QCOMPARE(readFile(scratch + "/MONACO.DAT"), QByteArray("circuit bytes"));
        QCOMPARE(readFile(scratch + "/readme.TXT"), QByteArray("new read-me"));
        QCOMPARE(readFile(scratch + "/X.JAM"), QByteArray("second texture")); // the later one
    }

    void hostile_names_and_links_stay_inside() {
        const QString outside = tmpPath("outside.txt");
        writeFile(outside, "untouched");
        make({{"../../evil.dat", "evil"},
              {"/abs.dat", "abs"},
              {"..\\x.dat", "x1"},
              {"C:\\x.dat", "x2"},
              {"..", "dots"},
              {"sub/.", "dot"},
              {"link.dat", outside.toUtf8(), Entry::Link},
              {"planted.dat", "planted"}});
        // A link left in the scratch folder is replaced, never written through.
        QVERIFY(QFile::link(outside, scratch + "/planted.dat"));

        const ZipExtractResult r = extractFlat(archive, scratch);
        QVERIFY(r.refused.isEmpty());
        QCOMPARE(everything(tmpPath()),
                 (QStringList{"a", "a/b", "a/b/tmpzip", "a/b/tmpzip/abs.dat",
                              "a/b/tmpzip/evil.dat", "a/b/tmpzip/planted.dat", "a/b/tmpzip/x.dat",
                              "outside.txt", "track.zip"}));
        QCOMPARE(readFile(outside), QByteArray("untouched"));
        QVERIFY(!QFileInfo(scratch + "/planted.dat").isSymLink());
        QCOMPARE(readFile(scratch + "/planted.dat"), QByteArray("planted"));
        QCOMPARE(readFile(scratch + "/x.dat"), QByteArray("x2"));
        QCOMPARE(extractionNotes(r), QStringLiteral(".. not extracted: no usable file name\r\n"
                                                    "sub/. not extracted: no usable file name\r\n"
                                                    "link.dat not extracted: it is a link\r\n"));
    }

    void refuses_what_is_no_archive_or_too_big() {
        make({{"a.dat", QByteArray(60, 'a')}, {"b.dat", QByteArray(60, 'b')}, {"c.txt", "c"}});
        const QString garbage = tmpPath("garbage.zip");
        writeFile(garbage, "PK\x03\x04 this is no archive at all");
        struct Case {
            QString archive;
            ZipLimits limits;
            QString refusedStart;
        };
        const QList<Case> cases{
            {garbage, {}, "not a readable ZIP archive"},
            {tmpPath("missing.zip"), {}, "not a readable ZIP archive"},
            {archive, {2, qint64(1) << 30}, "the archive holds 3 entries, more than 2"},
            {archive, {10000, 120}, "the archive unpacks to more than 120 bytes"},
        };
        for (const Case& c : cases) {
            const ZipExtractResult r = extractFlat(c.archive, scratch, c.limits);
            QVERIFY2(r.refused.startsWith(c.refusedStart), qPrintable(r.refused));
            QVERIFY(r.written.isEmpty());
            QCOMPARE(everything(scratch), QStringList());
            QVERIFY(extractionNotes(r).startsWith("Nothing extracted: " + c.refusedStart));
        }
        // Exactly at the limits is fine.
        QCOMPARE(extractFlat(archive, scratch, {3, 121}).written.size(), 3);
    }

    void damaged_and_encrypted_entries_are_left_out() {
        const QByteArray body = "UNIQUE-CIRCUIT-BODY-" + QByteArray(200, 'z');
        make({{"good.txt", "fine"},
              {"bad.dat", body, Entry::File, true},
              {"secret.dat", "hidden", Entry::File, false, true}});
        writeFile(scratch + "/bad.dat", "earlier");
        QByteArray bytes = readFile(archive);
        const qsizetype at = bytes.indexOf(body);
        QVERIFY(at > 0);
        bytes[at + 5] = 'X'; // the CRC no longer fits
        writeFile(archive, bytes);

        const ZipExtractResult r = extractFlat(archive, scratch);
        QVERIFY(r.refused.isEmpty());
        QCOMPARE(r.written, QStringList{"good.txt"});
        QCOMPARE(r.skipped.size(), 2);
        QCOMPARE(r.skipped[0].entry, QStringLiteral("bad.dat"));
        QVERIFY2(r.skipped[0].reason.startsWith("damaged"), qPrintable(r.skipped[0].reason));
        QCOMPARE(r.skipped[1].entry, QStringLiteral("secret.dat"));
        QCOMPARE(r.skipped[1].reason, QStringLiteral("it is encrypted"));
        // No partial file, and the file already there stays as it was.
        QCOMPARE(everything(scratch), (QStringList{"bad.dat", "good.txt"}));
        QCOMPARE(readFile(scratch + "/bad.dat"), QByteArray("earlier"));
    }
};

QTEST_GUILESS_MAIN(ZipExtractTest)
#include "zip_extract_test.moc"
