// Flat extraction of archives into a scratch folder, hostile archives included: whatever the
// archive holds, nothing is written outside the folder.
#include "packs/archive_extract.h"
#include "tests/support/archive_maker.h"
#include "tests/support/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>

using archivemaker::Entry;

namespace {

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

// Sets or clears the UTF-8 flag (bit 11) of the entry `name` in its local and central headers:
// the writer flags every valid UTF-8 name itself.
void setUtf8Flag(QByteArray& zip, const QByteArray& name, bool on) {
    for (const auto& [signature, nameAt, flagsAt] :
         {std::tuple{QByteArray("PK\x03\x04"), 30, 6}, std::tuple{QByteArray("PK\x01\x02"), 46, 8}})
        for (qsizetype at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 1))
            if (zip.mid(at + nameAt, name.size()) == name) {
                const char high = zip[at + flagsAt + 1];
                zip[at + flagsAt + 1] = on ? char(high | 0x08) : char(high & ~0x08);
            }
}

} // namespace

class ArchiveExtractTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString scratch;
    QString archive;

    // Makes a fresh nested scratch folder (tmp/a/b/tmpzip), so climbing names have room.
    QString tmpPath(const QString& name = {}) const {
        return name.isEmpty() ? dir->path() : dir->filePath(name);
    }

    void make(const QList<Entry>& entries, const QString& suffix = QStringLiteral(".zip")) {
        scratch = tmpPath("a/b/tmpzip");
        QVERIFY(QDir().mkpath(scratch));
        archive = tmpPath("track" + suffix);
        QString error;
        QVERIFY2(archivemaker::write(archive, entries, &error), qPrintable(error));
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
        QVERIFY(writeFile(scratch + "/readme.TXT", "old read-me")); // same name in another case
        QVERIFY(writeFile(scratch + "/keep.bin", "kept"));

        const ArchiveExtractResult r = extractFlat(archive, scratch);
        QVERIFY(r.refused.isEmpty());
        QCOMPARE(r.written, (QStringList{"MONACO.DAT", "readme.TXT", "X.JAM"}));
        QCOMPARE(everything(scratch),
                 (QStringList{"MONACO.DAT", "X.JAM", "keep.bin", "readme.TXT"}));
        QCOMPARE(readFile(scratch + "/MONACO.DAT"), QByteArray("circuit bytes"));
        QCOMPARE(readFile(scratch + "/readme.TXT"), QByteArray("new read-me"));
        // Of two entries with one plain name the first stays, and the second is reported.
        QCOMPARE(readFile(scratch + "/X.JAM"), QByteArray("texture"));
        QCOMPARE(extractionNotes(r),
                 QStringLiteral("jams/other/X.JAM not extracted: its file name "
                                "is that of jams/sub/X.JAM, which was kept\r\n"));
    }

    void hostile_names_and_links_stay_inside() {
        const QString outside = tmpPath("outside.txt");
        QVERIFY(writeFile(outside, "untouched"));
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

        const ArchiveExtractResult r = extractFlat(archive, scratch);
        QVERIFY(r.refused.isEmpty());
        QCOMPARE(everything(tmpPath()),
                 (QStringList{"a", "a/b", "a/b/tmpzip", "a/b/tmpzip/abs.dat", "a/b/tmpzip/evil.dat",
                              "a/b/tmpzip/planted.dat", "a/b/tmpzip/x.dat", "outside.txt",
                              "track.zip"}));
        QCOMPARE(readFile(outside), QByteArray("untouched"));
        QVERIFY(!QFileInfo(scratch + "/planted.dat").isSymLink());
        QCOMPARE(readFile(scratch + "/planted.dat"), QByteArray("planted"));
        QCOMPARE(readFile(scratch + "/x.dat"), QByteArray("x1"));
        QCOMPARE(extractionNotes(r), QStringLiteral("C:/x.dat not extracted: its file name is that "
                                                    "of ../x.dat, which was kept\r\n"
                                                    ".. not extracted: no usable file name\r\n"
                                                    "sub/. not extracted: no usable file name\r\n"
                                                    "link.dat not extracted: it is a link\r\n"));
    }

    void refuses_what_is_no_archive_or_too_big() {
        make({{"a.dat", QByteArray(60, 'a')}, {"b.dat", QByteArray(60, 'b')}, {"c.txt", "c"}});
        const QString garbage = tmpPath("garbage.zip");
        QVERIFY(writeFile(garbage, "PK\x03\x04 this is no archive at all"));
        struct Case {
            QString archive;
            ArchiveLimits limits;
            QString refusedStart;
        };
        const QList<Case> cases{
            {garbage, {}, "not an archive Pistaro can read"},
            {tmpPath("missing.zip"), {}, "not an archive Pistaro can read"},
            {archive, {2, qint64(1) << 30}, "the archive holds more than 2 entries"},
        };
        for (const Case& c : cases) {
            const ArchiveExtractResult r = extractFlat(c.archive, scratch, c.limits);
            QVERIFY2(r.refused.startsWith(c.refusedStart), qPrintable(r.refused));
            QVERIFY(r.written.isEmpty());
            QCOMPARE(everything(scratch), QStringList());
            QVERIFY(extractionNotes(r).startsWith("Nothing extracted: " + c.refusedStart));
        }
        // The size limits leave out entries one by one, counting the bytes inflated.
        struct Over {
            ArchiveLimits limits;
            QStringList written;
            QString notes;
        };
        const QList<Over> over{
            {{10000, 120},
             {"a.dat", "b.dat"},
             "c.txt not extracted: the archive unpacks to more than 120 bytes\r\n"},
            {{10000, 1000, 59},
             {"c.txt"},
             "a.dat not extracted: it unpacks to more than 59 bytes\r\n"
             "b.dat not extracted: it unpacks to more than 59 bytes\r\n"},
            {{3, 121}, {"a.dat", "b.dat", "c.txt"}, ""}, // exactly at the limits
        };
        for (const Over& o : over) {
            const ArchiveExtractResult r = extractFlat(archive, scratch, o.limits);
            QCOMPARE(r.written, o.written);
            QCOMPARE(extractionNotes(r), o.notes);
        }
    }

    void names_are_read_in_their_code_page() {
        const QByteArray utf8Bytes = "\xc3\xa9t\xc3\xa9.txt", notUtf8 = "N\x81rburg.dat";
        make({{utf8Bytes, "unflagged"}, {notUtf8, "flagged"}, {"ok.dat", "ok"}});
        QByteArray bytes = readFile(archive);
        setUtf8Flag(bytes, utf8Bytes, false);
        setUtf8Flag(bytes, notUtf8, true);
        QVERIFY(writeFile(archive, bytes));

        const ArchiveExtractResult r = extractFlat(archive, scratch);
        QVERIFY2(r.refused.isEmpty(), qPrintable(r.refused));
        const QString cp437 = QString::fromUtf8("\u251c\u2310t\u251c\u2310.txt");
        QCOMPARE(r.written, (QStringList{cp437, "ok.dat"}));
        QCOMPARE(readFile(scratch + "/" + cp437), QByteArray("unflagged"));
        QCOMPARE(r.skipped.size(), 1);
        QCOMPARE(r.skipped[0].reason,
                 QStringLiteral("its name cannot be read in the code page the archive says"));
    }

    // Every format gives the same files, and holds the same limits on names, links, sizes and
    // counts; LZH stores no links or folders.
    void every_format_data() {
        QTest::addColumn<QString>("suffix");
        for (const QString& suffix : archivemaker::suffixes())
            QTest::newRow(qPrintable(suffix)) << suffix;
    }
    void every_format() {
        QFETCH(QString, suffix);
        const bool lzh = suffix == ".lzh";
        const QString outside = tmpPath("outside.txt");
        QVERIFY(writeFile(outside, "untouched"));
        // Bytes that do not compress, so cutting the archive short cuts into them.
        QByteArray circuit(60000, Qt::Uninitialized);
        QRandomGenerator random(35);
        for (char& c : circuit)
            c = char(random.bounded(256));
        QList<Entry> entries{{"track/MONACO.DAT", circuit},
                             {"README.TXT", "read me"},
                             {"../../evil.dat", "evil"},
                             {"/abs.dat", "abs"},
                             {"zeros.jam", QByteArray(200000, '\0')}};
        if (!lzh)
            entries += QList<Entry>{{"track/", {}, Entry::Folder},
                                    {"link.dat", outside.toUtf8(), Entry::Link}};
        if (suffix.startsWith(".tar"))
            entries.append({"hard.dat", "README.TXT", Entry::HardLink});
        make(entries, suffix);
        const QString whole = archive;

        // The size limits hold on what an entry unpacks to: a ratio bomb stops at the limit.
        const ArchiveExtractResult r = extractFlat(whole, scratch, {10000, 1 << 20, 100000});
        QVERIFY2(r.refused.isEmpty(), qPrintable(r.refused));
        QCOMPARE(r.written, (QStringList{"MONACO.DAT", "README.TXT", "evil.dat", "abs.dat"}));
        QCOMPARE(r.entries.first(), QStringLiteral("track/MONACO.DAT"));
        QCOMPARE(readFile(scratch + "/MONACO.DAT"), circuit);
        QCOMPARE(readFile(outside), QByteArray("untouched"));
        QStringList notes{"zeros.jam not extracted: it unpacks to more than 100000 bytes"};
        if (!lzh)
            notes << "link.dat not extracted: it is a link";
        if (suffix.startsWith(".tar"))
            notes << "hard.dat not extracted: it is a link";
        QCOMPARE(extractionNotes(r).split("\r\n", Qt::SkipEmptyParts), notes);
        QCOMPARE(everything(tmpPath()).filter("a/b/tmpzip/").size(), 4);

        // A count bomb is refused whole, and nothing of it stays.
        QVERIFY(QDir(scratch).removeRecursively() && QDir().mkpath(scratch));
        const ArchiveExtractResult counted = extractFlat(whole, scratch, {3, 1 << 30});
        QCOMPARE(counted.refused, QStringLiteral("the archive holds more than 3 entries"));
        QCOMPARE(everything(scratch), QStringList());

        // Cut short: what is extracted is whole, no part file stays, and the damage is said.
        QByteArray bytes = readFile(whole);
        bytes.truncate(bytes.size() * 2 / 3);
        const QString cut = tmpPath("cut" + suffix);
        QVERIFY(writeFile(cut, bytes));
        const ArchiveExtractResult damaged = extractFlat(cut, scratch);
        QVERIFY2(!damaged.refused.isEmpty() || !damaged.brokenOff.isEmpty() ||
                     !damaged.skipped.isEmpty(),
                 qPrintable(extractionNotes(damaged)));
        QStringList written = damaged.written;
        written.sort();
        QCOMPARE(everything(scratch), written);
        for (qsizetype i = 0; i < damaged.written.size(); ++i) {
            const auto entry = std::find_if(entries.cbegin(), entries.cend(), [&](const Entry& e) {
                return QString::fromUtf8(e.name) == damaged.entries.at(i);
            });
            QVERIFY(entry != entries.cend());
            QCOMPARE(readFile(scratch + "/" + damaged.written.at(i)), entry->data);
        }
    }

    void damaged_and_encrypted_entries_are_left_out() {
        const QByteArray body = "UNIQUE-CIRCUIT-BODY-" + QByteArray(200, 'z');
        make({{"good.txt", "fine"},
              {"bad.dat", body, Entry::File, true},
              {"secret.dat", "hidden", Entry::File, false, true}});
        QVERIFY(writeFile(scratch + "/bad.dat", "earlier"));
        QByteArray bytes = readFile(archive);
        const qsizetype at = bytes.indexOf(body);
        QVERIFY(at > 0);
        bytes[at + 5] = 'X'; // the CRC no longer fits
        QVERIFY(writeFile(archive, bytes));

        const ArchiveExtractResult r = extractFlat(archive, scratch);
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

QTEST_GUILESS_MAIN(ArchiveExtractTest)
#include "archive_extract_test.moc"
