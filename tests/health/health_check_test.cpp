// The collection's health check: one table of planted problems read by the browser's worker
// (the Status column) and by `pso --check` (a real process), which must tell the same story;
// the checksum against the bytes the real sumfix writes; the facts cache trusted only when
// sound.
#include "health/circuit_health.h"
#include "platform/folder_listing.h"
#include "platform/shown_text.h"
#include "storage/catalogue_names.h"
#include "storage/engine.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/support/files.h"
#include "trackfile/checksum_trailer.h"
#include "trackfile/ui/circuit_table_filter.h"
#include "trackfile/ui/circuit_table_model.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace pistaro;

namespace {

QByteArray twinBody(const QString& track, int seed = 7) {
    // The same seed and length: the same track data under different info blocks.
    return samplegame::circuit(30000, samplegame::addonFields(track, QStringLiteral("Here"), 30),
                               {QStringLiteral("gamejams\\twin.jam")}, seed);
}

// The planted game folder: every file below in Circuits, beside the sample's own.
void plant(const QString& gameDir) {
    const QString c = gameDir + QStringLiteral("Circuits/");
    QByteArray bad = samplegame::smallAddon(QStringLiteral("Bad Sum"), {}, 3);
    bad[bad.size() - 1] = char(bad.at(bad.size() - 1) ^ 0x5A);
    writeFileOrThrow(c + QStringLiteral("bad trailer.dat"), bad);
    // A name that would forge a line of the check's output and clear the terminal.
    QByteArray forged = samplegame::smallAddon(QStringLiteral("Forged"), {}, 9);
    forged[forged.size() - 1] = char(forged.at(forged.size() - 1) ^ 0x5A);
    writeFileOrThrow(c + QStringLiteral("forged\nx.dat: Fine\x1b[2J.dat"), forged);
    writeFileOrThrow(c + QStringLiteral("twin a.dat"), twinBody(QStringLiteral("Twin A")));
    writeFileOrThrow(c + QStringLiteral("twin b.dat"), twinBody(QStringLiteral("Twin B")));
    writeFileOrThrow(c + QStringLiteral("same size.dat"), twinBody(QStringLiteral("Not Twin"), 8));
    writeFileOrThrow(gameDir + QStringLiteral("gamejams/twin.jam"), "jam");
    writeFileOrThrow(c + QStringLiteral("tiny.dat"), QByteArray(600, 'x'));
    // A name that is no UTF-8 on disk is read through its bytes all the same.
    QByteArray odd = samplegame::smallAddon(QStringLiteral("Odd Name"), {}, 6);
    odd[odd.size() - 1] = char(odd.at(odd.size() - 1) ^ 0x5A);
    if (!writeFileByBytes(QFile::encodeName(c) + "odd\xff name.dat", odd))
        throw std::runtime_error("the file with an odd name was not written");
    // A pipe is never opened: nothing would ever come through it.
    if (!makePipe(c + QStringLiteral("pipe.dat")))
        throw std::runtime_error("the pipe was not made");
    writeFileOrThrow(c + QStringLiteral("block only.dat"), "#GP2INFO|Name|Cut");
    QStringList lies;
    for (int i = 0; i < 2000; ++i)
        lies << QStringLiteral("x%1.jam").arg(i);
    writeFileOrThrow(
        c + QStringLiteral("liar.dat"),
        samplegame::circuit(60000, samplegame::addonFields("Liar", "Nowhere", 9), lies, 5));
    // A slot file holding a collection circuit, and the first start's copy of an original.
    QFile::remove(c + QStringLiteral("f1ct12.dat"));
    QFile::copy(c + QStringLiteral("spa98.DAT"), c + QStringLiteral("F1CT12.DAT"));
    QFile::copy(c + QStringLiteral("f1ct03.dat"), c + QStringLiteral("Original Copy.dat"));
}

struct Shown {
    QString problems;
    bool duplicate = false;
    QString tip;
};

// What the browser's model shows per file: the problems, the duplicate flag, the tool tip.
// The originals come from the program folder's catalogue, as they do for `pso --check`.
QHash<QString, Shown> columnsOf(const QString& gameDir, const QString& appDir) {
    CircuitTableModel model;
    const QString folder = QDir::toNativeSeparators(gameDir + QStringLiteral("Circuits"));
    model.setFiles(folder, folderlisting::matchingFiles(folder, QStringLiteral("*.dat")));
    model.setHealthCheck(gameDir, {});
    QSignalSpy done(&model, &CircuitTableModel::allColumnsRead);
    const std::unique_ptr<Database> db = Database::open(appDir + QStringLiteral("/pso.mdb"));
    model.readColumns(circuitcolumns::readCatalogueValues(*db->openTable(catalogue::Tracks)));
    if (!done.wait(20000))
        return {};
    QHash<QString, Shown> out;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QModelIndex i = model.index(r, CircuitTableModel::Status);
        out.insert(model.index(r, CircuitTableModel::File).data().toString(),
                   {i.data(CircuitTableModel::ProblemsRole).toString(),
                    i.data(CircuitTableModel::DuplicateRole).toBool(),
                    i.data(Qt::ToolTipRole).toString()});
    }
    return out;
}

struct CheckRun {
    int status = -1;
    QStringList lines;
};

CheckRun runCheck(const QString& pso, const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(pso, QStringList{QStringLiteral("--check")} + arguments);
    CheckRun run;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = p.exitCode();
    run.lines = QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

} // namespace

class HealthCheckTest final : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString gameDir;
    QString pso; // a copy in a program folder of its own, whose pso.mdb names the game

    static void plantedRows() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("problems"); // "; " between them, as the Status column shows
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<QString>("tip"); // what the Status column's tool tip names
        QTest::newRow("wrong trailer") << "bad trailer.dat"
                                       << "Checksum wrong" << false << "does not match";
        QTest::newRow("line break and escape in the name")
            << "forged\nx.dat: Fine\x1b[2J.dat"
            << "Checksum wrong" << false << "does not match";
        QTest::newRow("name that is no UTF-8") << QFile::decodeName("odd\xff name.dat")
                                               << "Checksum wrong" << false << "does not match";
        QTest::newRow("pipe") << "pipe.dat"
                              << "Could not read the file" << false << "not a regular file";
        QTest::newRow("missing texture")
            << "monza2001.dat"
            << "1 texture missing" << false << "monza2001\\banking.jam";
        QTest::newRow("copy, one info block")
            << "twin a.dat"
            << "Same circuit as twin b.dat" << true << "same track data as twin b";
        QTest::newRow("copy, other info block")
            << "twin b.dat"
            << "Same circuit as twin a.dat" << true << "same track data as twin a";
        QTest::newRow("as long as the copies, not the same") << "same size.dat"
                                                             << "" << false << "";
        QTest::newRow("short file")
            << "tiny.dat"
            << "Not a circuit: too short" << false << "shorter than 1024 bytes";
        QTest::newRow("block, no track")
            << "block only.dat"
            << "Not a circuit: no track data" << false << "Nothing lies";
        QTest::newRow("texture list that lies")
            << "liar.dat"
            << "Texture list not checked" << false << "claims 2000 texture files";
        QTest::newRow("slot file holding a collection circuit") << "F1CT12.DAT"
                                                                << "" << false << "slot file";
        QTest::newRow("the circuit it holds") << "spa98.DAT"
                                              << "" << false << "";
        QTest::newRow("copy of an original") << "Original Copy.dat"
                                             << "" << false << "original circuits";
        QTest::newRow("the slot file of that original") << "f1ct03.dat"
                                                        << "" << false << "slot file";
        QTest::newRow("sound add-on") << "Long Name Track.dat"
                                      << "" << false << "";
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const sampleapp::Folders folders = sampleapp::prepareWithGame(dir.path(), PSO_APPDIR);
        gameDir = folders.game;
        pso = QDir(folders.app).filePath(QStringLiteral("pso"));
        QVERIFY(QFile::copy(QStringLiteral(PSO_APPDIR "/pso"), pso));
        plant(gameDir);
        // A track pack whose slot 5 file was deleted, and a sound one.
        for (const QString& pack : {QStringLiteral("Season"), QStringLiteral("Whole")})
            for (int slot = 1; slot <= 16; ++slot)
                if (pack != QStringLiteral("Season") || slot != 5)
                    writeFileOrThrow(gameDir + QStringLiteral("Circuits/%1/f1ct%2.dat")
                                                   .arg(pack)
                                                   .arg(slot, 2, 10, QLatin1Char('0')),
                                     "x");
        writeFileOrThrow(QFileInfo(pso).path() + QStringLiteral("/Packs.txt"),
                         "Season\r\nWhole\r\n");
    }

    void columnSaysIt_data() { plantedRows(); }
    void columnSaysIt() {
        QFETCH(QString, file);
        QFETCH(QString, problems);
        QFETCH(bool, duplicate);
        QFETCH(QString, tip);
        static const auto shown = columnsOf(gameDir, QFileInfo(pso).path());
        QVERIFY(shown.contains(file));
        QCOMPARE(shown.value(file).problems, problems);
        QCOMPARE(shown.value(file).duplicate, duplicate);
        QVERIFY2(shown.value(file).tip.contains(tip, Qt::CaseInsensitive),
                 qPrintable(shown.value(file).tip));
        QCOMPARE(shown.value(file).tip.isEmpty(), tip.isEmpty());
    }

    void checkCommandSaysIt_data() { plantedRows(); }
    void checkCommandSaysIt() {
        QFETCH(QString, file);
        QFETCH(QString, problems);
        QFETCH(QString, tip);
        static const CheckRun run = runCheck(pso, {}); // the stored game folder
        QCOMPARE(run.status, 1);
        // Control characters in a name are printed as escapes, never raw.
        const QString name = shown::text(file);
        QStringList said;
        for (const QString& line : run.lines)
            if (line.startsWith(name + QStringLiteral(": ")))
                said << line.mid(name.size() + 2);
        // Missing textures are named on the line itself.
        const QString line = said.join(QStringLiteral("; "));
        if (problems.endsWith(QStringLiteral("missing")))
            QVERIFY2(line.startsWith(problems + QStringLiteral(" (Not in the game folder: ")) &&
                         line.contains(tip, Qt::CaseInsensitive) && line.endsWith(u')'),
                     qPrintable(line));
        else
            QCOMPARE(said.join(QStringLiteral("; ")), problems);
        QVERIFY(run.lines.contains(QStringLiteral(
            "Season (track pack): Missing from this Track Pack: slot 5 (f1ct05.dat)")));
        QCOMPARE(run.lines.last(),
                 QStringLiteral("31 circuit files checked: 10 problems in 10 files. 1 track "
                                "pack lacks files."));
    }

    // Sorting by Status puts the copies of one circuit together, whatever the names they give.
    void sortingByStatusGroupsTheCopies() {
        QTemporaryDir scratch;
        const QString game = scratch.path() + QLatin1Char('/');
        const QString c = game + QStringLiteral("Circuits/");
        for (const char* name : {"a twin.dat", "z twin.dat"})
            writeFileOrThrow(c + QLatin1String(name), twinBody(QLatin1String(name)));
        for (const char* name : {"m pair 1.dat", "m pair 2.dat"})
            writeFileOrThrow(c + QLatin1String(name),
                             samplegame::smallAddon(QLatin1String(name), {}, 4));
        writeFileOrThrow(game + QStringLiteral("gamejams/twin.jam"), "jam");
        CircuitTableModel model;
        model.setFiles(QDir::toNativeSeparators(c.chopped(1)), QDir(c).entryList(QDir::Files));
        model.setHealthCheck(game, {});
        QSignalSpy done(&model, &CircuitTableModel::allColumnsRead);
        model.readColumns({});
        QVERIFY(done.wait(20000));
        CircuitTableFilter sorted;
        sorted.setSortRole(CircuitTableModel::SortRole);
        sorted.setSourceModel(&model);
        sorted.sort(CircuitTableModel::Status);
        QStringList order;
        for (int r = 0; r < sorted.rowCount(); ++r)
            order << sorted.index(r, CircuitTableModel::File).data().toString();
        QCOMPARE(order, (QStringList{"a twin.dat", "z twin.dat", "m pair 1.dat", "m pair 2.dat"}));
    }

    void checkExitStatus_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("status");
        QTest::newRow("nothing wrong") << "clean" << 0;
        QTest::newRow("no such folder") << "missing" << 2;
    }
    void checkExitStatus() {
        QFETCH(QString, game);
        QFETCH(int, status);
        QTemporaryDir scratch;
        samplegame::Options clean;
        clean.addons = false;
        if (game == QStringLiteral("clean"))
            samplegame::write(scratch.filePath(game), clean);
        const CheckRun run = runCheck(pso, {scratch.filePath(game)});
        QCOMPARE(run.status, status);
        QCOMPARE(run.lines.size(), status == 0 ? 1 : 0);
    }

    // The trailer computed here is the one the real sumfix writes.
    void trailerIsSumfixs_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("trailer only") << QByteArray(4, '\0');
        QTest::newRow("one byte") << QByteArray("\xff\0\0\0\0", 5);
        QTest::newRow("circuit with info block")
            << samplegame::smallAddon(QStringLiteral("Sum"), {QStringLiteral("a\\b.jam")}, 2);
        QByteArray noise(150001, Qt::Uninitialized);
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 131 + i / 7) % 256);
        QTest::newRow("long noise") << noise;
    }
    void trailerIsSumfixs() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir scratch;
        const QString ours = scratch.filePath(QStringLiteral("ours.dat"));
        const QString theirs = scratch.filePath(QStringLiteral("theirs.dat"));
        QVERIFY(writeFile(ours, bytes) && writeFile(theirs, bytes));
        QCOMPARE(QProcess::execute(QStringLiteral(PSO_SUMFIX), {theirs}), 0);
        QCOMPARE(checksum::writeTrailer(ours), QString());
        QCOMPARE(readFile(ours), readFile(theirs));
        QVERIFY(checksum::trailerMatches(readFile(ours)));
        QCOMPARE(checksum::trailerMatches(bytes), bytes == readFile(theirs));
    }

    // A second scan reads only what changed; a cache that is not sound is not trusted.
    void cacheIsTrustedOnlyWhenSound_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("read"); // files the second scan reads (of 3, one changed)
        QTest::newRow("sound") << "" << 1;
        QTest::newRow("truncated") << "truncate" << 3;
        QTest::newRow("one byte changed") << "flip" << 3;
        QTest::newRow("another program's file") << "foreign" << 3;
        QTest::newRow("a link") << "link" << 3;
        QTest::newRow("of another folder") << "folder" << 3;
    }
    void cacheIsTrustedOnlyWhenSound() {
        QFETCH(QString, damage);
        QFETCH(int, read);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("c"));
        const QString cache = health::FactsCache::fileIn(scratch.path());
        for (int i = 0; i < 3; ++i)
            QVERIFY(writeFile(folder + QStringLiteral("/%1.dat").arg(i),
                              samplegame::smallAddon(QStringLiteral("T%1").arg(i), {}, i)));
        const auto scan = [&](const QString& scanned) {
            health::Scanner s(scratch.path(), scanned, cache);
            for (int i = 0; i < 3; ++i)
                s.check(QStringLiteral("%1.dat").arg(i), folder + QStringLiteral("/%1.dat").arg(i),
                        CircuitKind::Collection);
            [&] { QCOMPARE(s.saveCache(), QString()); }();
            return s.filesRead();
        };
        QCOMPARE(scan(folder), 3);
        QByteArray bytes = readFile(cache);
        const QString elsewhere = scratch.filePath(QStringLiteral("elsewhere"));
        if (damage == QStringLiteral("truncate"))
            QVERIFY(writeFile(cache, bytes.left(bytes.size() - 1)));
        if (damage == QStringLiteral("flip"))
            bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 1), writeFile(cache, bytes);
        if (damage == QStringLiteral("foreign"))
            QVERIFY(writeFile(cache, "SQLite format 3\0" + bytes));
        if (damage == QStringLiteral("link")) {
            QVERIFY(QFile::rename(cache, elsewhere) && QFile::link(elsewhere, cache));
        }
        QVERIFY(writeFile(folder + QStringLiteral("/1.dat"),
                          samplegame::smallAddon(QStringLiteral("Changed"), {}, 9)));
        QCOMPARE(scan(damage == QStringLiteral("folder") ? scratch.path() + QStringLiteral("/x")
                                                         : folder),
                 read);
        // A link is replaced, never written through: what it pointed to is as it was.
        QVERIFY(!QFileInfo(cache).isSymLink());
        if (damage == QStringLiteral("link"))
            QCOMPARE(readFile(elsewhere), bytes);
    }
};

QTEST_MAIN(HealthCheckTest)
#include "health_check_test.moc"
