#include "gamedir/program_kind.h"
#include "tools/samplegame/sample_game.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray readAt(const QString& path, qint64 position, qint64 n) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(position - 1))
        return {};
    return f.read(n);
}

// The game's trailer over everything before the last 4 bytes, worked out here on its own.
QByteArray expectedTrailer(const QByteArray& data) {
    unsigned sum = 0;
    unsigned rot = 0;
    for (qsizetype i = 0; i < data.size() - 4; ++i) {
        const unsigned b = static_cast<unsigned char>(data[i]);
        sum = (sum + b) & 0xFFFF;
        rot = ((((rot << 3) | (rot >> 13)) & 0xFFFF) + b) & 0xFFFF;
    }
    QByteArray t;
    t += char(sum & 0xFF);
    t += char(sum >> 8);
    t += char(rot & 0xFF);
    t += char(rot >> 8);
    return t;
}

// The texture list read backwards from the end, as the game folder's users scan it.
QStringList jamsOf(const QByteArray& data) {
    QStringList names;
    qsizetype p = data.size() - 9;
    while (p >= 0 && data.mid(p, 4).toUpper() == ".JAM") {
        qsizetype q = p - 1;
        while (q >= 0 && data[q] != '\0')
            --q;
        if (q < 0)
            break;
        names << QString::fromLatin1(data.mid(q + 1, p + 4 - q - 1));
        p = q - 4;
    }
    return names;
}

} // namespace

class SampleGameTest final : public QObject {
    Q_OBJECT

private slots:
    void originalCircuits() {
        QTemporaryDir dir;
        const QString game = samplegame::write(dir.path());
        QVERIFY(game.endsWith(QDir::separator()));
        const QList<qint64> lengths = {32406, 32506, 37678, 58290, 34061, 34392, 31767, 38617,
                                       31876, 34956, 45598, 41038, 37263, 33059, 35730, 44586};
        for (int slot = 1; slot <= 16; ++slot) {
            const QString file = game + QStringLiteral("Circuits/f1ct%1.dat").arg(slot, 2, 10, QChar('0'));
            const QByteArray data = readFile(file);
            QCOMPARE(data.size(), lengths[slot - 1]);
            QCOMPARE(samplegame::originalLength(slot), lengths[slot - 1]);
            QVERIFY(!data.startsWith("#GP2INFO"));
            QVERIFY(!data.contains("#GP2INFO"));
            QCOMPARE(data.right(4), expectedTrailer(data));
            QStringList fileOrder = samplegame::originalJams(slot);
            std::reverse(fileOrder.begin(), fileOrder.end());
            QCOMPARE(jamsOf(data), fileOrder);
            for (const QString& jam : fileOrder)
                QVERIFY2(QFileInfo(game + QString(jam).replace('\\', '/')).size() > 0,
                         qPrintable(jam));
        }
        QCOMPARE(samplegame::originalName(4), QStringLiteral("Monte-Carlo"));
        QCOMPARE(samplegame::originalCountry(16), QStringLiteral("Australia"));
        // Different slots get different bytes.
        QVERIFY(readFile(game + "Circuits/f1ct01.dat").left(4000)
                != readFile(game + "Circuits/f1ct02.dat").left(4000));
    }

    void addonCircuits() {
        QTemporaryDir dir;
        const QString game = samplegame::write(dir.path());
        const QByteArray monza = readFile(game + "Circuits/monza2001.dat");
        QVERIFY(monza.startsWith("#GP2INFO|Name|Monza 2001|Country|Italy|"));
        QCOMPARE(monza.right(4), expectedTrailer(monza));
        QCOMPARE(jamsOf(monza), QStringList({"monza2001\\banking.jam", "gamejams\\track12.jam"}));
        QVERIFY(!QFile::exists(game + "monza2001/banking.jam"));

        const QByteArray longName = readFile(game + "Circuits/Long Name Track.dat");
        const QRegularExpression name("^#GP2INFO\\|Name\\|([^|]*)\\|");
        const QString value = name.match(QString::fromLatin1(longName.left(4096))).captured(1);
        QCOMPARE(value.size(), 31);
        QCOMPARE(longName.right(4), expectedTrailer(longName));

        const QByteArray spa = readFile(game + "Circuits/spa98.DAT");
        QVERIFY(spa.left(4096).contains("|Laps|44|"));
        QCOMPARE(spa.right(4), expectedTrailer(spa));

        const QByteArray noinfo = readFile(game + "Circuits/noinfo.dat");
        QVERIFY(!noinfo.startsWith("#GP2INFO"));
        for (int slot = 1; slot <= 16; ++slot)
            QVERIFY(noinfo.size() != samplegame::originalLength(slot));

        for (const QString& f : samplegame::addonFileNames())
            QVERIFY2(QFile::exists(game + "Circuits/" + f), qPrintable(f));
    }

    void infoAreaLayout() {
        const QByteArray a = samplegame::infoArea({{"Name", "X"}, {"Laps", "5"}});
        QByteArray expected = "#GP2INFO|Name|X|Laps|5|#";
        expected.append(4096 - expected.size(), '~');
        QCOMPARE(a, expected);
        // A short circuit with a block: block first, trailer last.
        const QByteArray small = samplegame::circuit(3000, {{"Name", "Tiny"}});
        QCOMPARE(small.size(), 3000);
        QVERIFY(small.startsWith("#GP2INFO|Name|Tiny|#~~~"));
        QCOMPARE(small.right(4), expectedTrailer(small));
    }

    void checksumExample() {
        QByteArray data("abc\0\0\0\0", 7);
        samplegame::fixChecksum(data);
        QCOMPARE(data.right(4), QByteArray("\x26\x01\xB3\x1B"));
    }

    void editions_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<qint64>("position");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("US") << 1 << qint64(5671742) << QByteArray("US English Version 1.0b");
        QTest::newRow("UK") << 2 << qint64(5671743) << QByteArray("UK English Version 1.0b");
        QTest::newRow("NL") << 3 << qint64(5673614) << QByteArray("Nederlandse versie 1.0b");
        QTest::newRow("ES") << 4 << qint64(5675458) << QByteArray("Versi");
        QTest::newRow("FR") << 5 << qint64(5674990) << QByteArray("Version");
        QTest::newRow("IT") << 6 << qint64(5674331) << QByteArray("Versione");
        QTest::newRow("DE") << 7 << qint64(5674544) << QByteArray("Deutsche Ausgabe 1.0b");
    }
    void editions() {
        QFETCH(int, row);
        QFETCH(qint64, position);
        QFETCH(QByteArray, text);
        QTemporaryDir dir;
        samplegame::Options options;
        options.edition = row;
        const QString exe = samplegame::write(dir.path(), options) + "GP2.EXE";
        QCOMPARE(readAt(exe, position, text.size()), text);
        const samplegame::Edition& e = samplegame::edition(row);
        QCOMPARE(e.position, position);
        // The names area: T = 0 at NamesPos, then slot 1's name.
        QCOMPARE(readAt(exe, e.namesPos, 12), QByteArray("\0Interlagos\0", 12));
        for (int slot = 1; slot <= 16; ++slot)
            QCOMPARE(int(quint8(readAt(exe, e.lapsPos + slot, 1).at(0))),
                     samplegame::originalLaps(slot));
        QCOMPARE(QFileInfo(exe).size(), qint64(e.namesPos) - 1 + 4096);
        // It starts with a DOS program whose header claims no more than its first 1024 bytes,
        // so the emulator loads the program alone.
        QCOMPARE(programKind(exe), ProgramKind::Dos);
        QCOMPARE(readAt(exe, 6, 1), QByteArray(1, '\0'));
        QVERIFY(quint8(readAt(exe, 5, 1).at(0)) <= 2);
    }

    void noEditionText() {
        QTemporaryDir dir;
        samplegame::Options options;
        options.edition = 0;
        const QString exe = samplegame::write(dir.path(), options) + "GP2.EXE";
        QCOMPARE(readAt(exe, 5671742, 23), QByteArray(23, '\0'));
        QVERIFY(QFileInfo(exe).size() > 5671742 + 23);
    }

    void stateFileAndLog() {
        QTemporaryDir dir;
        const QString game = samplegame::write(dir.path());
        const QByteArray state = readFile(game + "f1gstate.sav");
        QCOMPARE(state.size(), 12800);
        for (int slot = 1; slot <= 16; ++slot)
            QCOMPARE(state.mid(11250 + (slot - 1) * 96, 96), samplegame::stateSetup(slot));
        QVERIFY(samplegame::stateSetup(1) != samplegame::stateSetup(2));
        QCOMPARE(state.right(4), expectedTrailer(state));

        const QStringList lines = QString::fromLatin1(readFile(game + "gp2lap.log"))
                                      .split("\r\n", Qt::SkipEmptyParts);
        QStringList slotNumbers, times;
        const QRegularExpression time("^(\\d:\\d\\d\\.\\d\\d\\d|-:--\\.---)$");
        for (const QString& raw : lines) {
            const QString line = raw.trimmed();
            if (line.contains(" from slot "))
                slotNumbers << line.mid(6, 2);
            const int p = line.indexOf(", time ");
            if (p >= 0) {
                times << line.mid(p + 7, 8);
                QVERIFY2(time.match(times.last()).hasMatch(), qPrintable(line));
            }
            if (line.startsWith("Start of session:"))
                QVERIFY(line.mid(19).trimmed().startsWith("Quick"));
            if (line.startsWith("Load of session:"))
                QVERIFY(line.mid(18).trimmed().endsWith("qualifying"));
        }
        QCOMPARE(slotNumbers, QStringList({"03", "04"}));
        QVERIFY(times.size() >= 6);
    }

    void optionsLeaveOutParts() {
        QTemporaryDir dir;
        samplegame::Options options;
        options.exe = false;
        options.gp2lap = false;
        options.originals = false;
        options.stateFile = false;
        options.log = false;
        options.bitmaps = false;
        options.jams = false;
        const QString game = samplegame::write(dir.filePath("new/game"), options);
        QVERIFY(QFileInfo(game + "Circuits").isDir());
        QVERIFY(QFile::exists(game + "Circuits/monza2001.dat"));
        for (const char* f : {"GP2.EXE", "Gp2Lap.exe", "Circuits/f1ct01.dat", "f1gstate.sav",
                              "gp2lap.log", "Bitmaps", "gamejams"})
            QVERIFY2(!QFile::exists(game + f), f);

        const QString other = dir.filePath("sizes");
        QDir().mkpath(other);
        samplegame::writeExe(other, 1, 1000);
        QCOMPARE(QFileInfo(other + "/GP2.EXE").size(), 1000);
        samplegame::writeStateFile(other, 11300);
        const QByteArray state = readFile(other + "/f1gstate.sav");
        QCOMPARE(state.size(), 11300);
        QCOMPARE(state.mid(11250, 46), samplegame::stateSetup(1).left(46));
        QCOMPARE(state.right(4), expectedTrailer(state));
    }
};

QTEST_GUILESS_MAIN(SampleGameTest)
#include "sample_game_test.moc"
