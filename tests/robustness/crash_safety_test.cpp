// A program run killed in the middle of a long command: the export, the lap log import, the
// update of an old database at start-up and the making of new databases. Each command first
// runs to its end once; then runs of it are killed at points spread over that run (after a
// chosen line of its Status window, or after a share of its running time) and what they left
// is checked: every database opens and passes SQLite's integrity check, every row and field is
// as it was before or as the finished command leaves it, the lap time history holds whole
// records that agree with the stored times, every game file is old or new, and
// the next run of the program works on what is there.
#include "platform/gamepath.h"
#include "storage/engine.h"
#include "storage/make_database.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/files.h"
#include "tests/support/picture_tool.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <sqlite3.h>

namespace {

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(source, target))
            qFatal("cannot copy %s", qPrintable(source));
    }
}

// ---- databases -------------------------------------------------------------------------------

using Row = QMap<QString, QString>; // field -> value as text
struct Snapshot {
    bool exists = false;
    QString problem; // why the file could not be opened or checked; "" when it could
    QMap<QString, QStringList> schema;      // table -> its field and index definitions
    QMap<QString, QMap<QString, Row>> rows; // table -> first field's value -> row; not History
    // History's rows in the order filed: "track|session|time|previous best" (without the date,
    // which differs from run to run).
    QStringList history;
    bool operator==(const Snapshot&) const = default;
};

// Every row of `table` read in one statement on a connection of its own (the engine reads a
// field at a time, too slow for a few thousand rows at every kill). Keyed by the first field.
QMap<QString, Row> rowsOf(const QString& path, const QString& table, const QString& root) {
    QMap<QString, Row> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        const QByteArray sql = "SELECT * FROM \"" + table.toUtf8() + "\"";
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                Row row;
                for (int c = 0; c < sqlite3_column_count(st); ++c) {
                    QString v;
                    switch (sqlite3_column_type(st, c)) {
                    case SQLITE_NULL:
                        v = QStringLiteral("<null>");
                        break;
                    case SQLITE_BLOB:
                        v = QStringLiteral("0x") +
                            QString::fromLatin1(
                                QByteArray(static_cast<const char*>(sqlite3_column_blob(st, c)),
                                           sqlite3_column_bytes(st, c))
                                    .toHex());
                        break;
                    default:
                        v = QString::fromUtf8(
                            reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
                    }
                    row.insert(QString::fromUtf8(sqlite3_column_name(st, c)),
                               v.replace(root, "<run>"));
                }
                rows.insert(row.value(QString::fromUtf8(sqlite3_column_name(st, 0))), row);
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return rows;
}

QStringList historyOf(const QString& path) {
    QStringList out;
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db,
                           "SELECT Track || '|' || Session || '|' || Time || '|' || "
                           "\"Previous Best\" FROM History ORDER BY rowid",
                           -1, &st, nullptr) == SQLITE_OK)
        while (sqlite3_step(st) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

// Opens the database as the program does, checks it whole and reads all of it. Paths under
// `root` read as "<run>", so runs in different folders compare.
Snapshot snapshot(const QString& path, const QString& root) {
    Snapshot s;
    s.exists = QFileInfo::exists(path);
    if (!s.exists)
        return s;
    try {
        auto db = Database::open(path);
        if (!db->integrityOk())
            s.problem = QStringLiteral("integrity check failed");
        for (const QString& table : db->tableNames()) {
            QStringList& schema = s.schema[table];
            for (const FieldDef& f : db->fields(table))
                schema << QStringLiteral("field %1 %2 %3").arg(f.name).arg(f.type).arg(f.size);
            for (const IndexDef& i : db->indexes(table))
                schema << QStringLiteral("index %1 %2 %3 %4")
                              .arg(i.name, i.fields)
                              .arg(i.unique)
                              .arg(i.primary);
        }
        db->close();
        for (const QString& table : s.schema.keys())
            if (table != QLatin1String("History"))
                s.rows.insert(table, rowsOf(path, table, root));
        if (s.schema.contains(QStringLiteral("History")))
            s.history = historyOf(path);
    } catch (const DbError& e) {
        s.problem = QStringLiteral("%1 %2").arg(e.number).arg(e.description);
    }
    return s;
}

bool isLapTimeField(const QString& table, const QString& field) {
    return table == QLatin1String("Tracks") && field.endsWith(QLatin1String(" Time"));
}

bool emptyText(const QString& v) {
    return v.isEmpty() || v == QLatin1String("<null>");
}

// What is wrong with `now` as a state between `before` and `after`: a row that went missing
// or came from nowhere, a field holding neither its old nor its new value, a table whose
// definition is neither. A lap time may also be one of the times on the way: a lap time text
// not above the final time and not below the old one.
QString betweenProblem(const Snapshot& before, const Snapshot& after, const Snapshot& now) {
    static const QRegularExpression lapTime(QStringLiteral("^\\d:\\d\\d\\.\\d\\d\\d$"));
    if (!now.problem.isEmpty())
        return now.problem;
    for (auto t = now.schema.cbegin(); t != now.schema.cend(); ++t)
        if (*t != before.schema.value(t.key()) && *t != after.schema.value(t.key()))
            return QStringLiteral("table %1 is defined half-way").arg(t.key());
    for (auto t = before.rows.cbegin(); t != before.rows.cend(); ++t)
        for (auto r = t->cbegin(); r != t->cend(); ++r)
            if (!now.rows.value(t.key()).contains(r.key()))
                return QStringLiteral("row %1 of %2 is gone").arg(r.key(), t.key());
    for (auto t = now.rows.cbegin(); t != now.rows.cend(); ++t) {
        for (auto r = t->cbegin(); r != t->cend(); ++r) {
            const bool old = before.rows.value(t.key()).contains(r.key());
            if (!old && !after.rows.value(t.key()).contains(r.key()))
                return QStringLiteral("row %1 of %2 comes from nowhere").arg(r.key(), t.key());
            const Row b = before.rows.value(t.key()).value(r.key());
            const Row a = after.rows.value(t.key()).value(r.key());
            for (auto f = r->cbegin(); f != r->cend(); ++f) {
                const QString& v = f.value();
                if ((old && v == b.value(f.key())) || v == a.value(f.key()))
                    continue;
                if (t.key() == QLatin1String("Log Imports") && f.key() == QLatin1String("Date"))
                    continue; // the time of the run's own import
                if (isLapTimeField(t.key(), f.key())) {
                    const QString was = b.value(f.key());
                    if (emptyText(v) && emptyText(was))
                        continue; // no time filed yet
                    if (lapTime.match(v).hasMatch() && v >= a.value(f.key()) &&
                        (emptyText(was) || v <= was))
                        continue;
                }
                return QStringLiteral("%1 of row %2 of %3 holds '%4' (before '%5', after '%6')")
                    .arg(f.key(), r.key(), t.key(), v, b.value(f.key()), a.value(f.key()));
            }
        }
    }
    // History grows by whole records, each filed with its best time: the rows are the first
    // of the finished command's, and the last of each track and session is the stored time.
    if (now.history.mid(0, before.history.size()) != before.history ||
        after.history.mid(0, now.history.size()) != now.history)
        return QStringLiteral("History holds %1 rows that are not the finished command's first")
            .arg(now.history.size());
    QMap<QString, QString> last; // "track|session" -> time
    for (const QString& entry : now.history) {
        const QStringList parts = entry.split(u'|');
        last.insert(parts.at(0) + u'|' + parts.at(1), parts.at(2));
    }
    static const QMap<QString, QString> fields{{"Warm up", "Warm Up Time"},
                                               {"Practice", "Practice Time"},
                                               {"Qualifying", "Qualifying Time"},
                                               {"Race", "Race Time"}};
    for (auto l = last.cbegin(); l != last.cend(); ++l) {
        const QStringList key = l.key().split(u'|');
        const QString stored =
            now.rows.value("Tracks").value(key.at(0)).value(fields.value(key.at(1)));
        if (stored != l.value())
            return QStringLiteral("History's last %1 time of %2 is %3, the stored one %4")
                .arg(key.at(1), key.at(0), l.value(), stored);
    }
    return {};
}

QStringList mdbFiles(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name);
}

// ---- the killed program ------------------------------------------------------------------------

struct ChildRun {
    QStringList lines; // what it printed after "begin"
    bool killed = false;
    bool ended = false; // it printed "end" and exited with 0
    qint64 workMs = -1; // from "begin" to "end"
    QStringList said() const {
        QStringList out;
        for (const QString& l : lines)
            if (l.startsWith(QLatin1String("said ")))
                out << l.mid(5);
        return out;
    }
    int steps() const { return int(lines.size()) - int(said().size()) - 1; }
};

// Runs crash_child `mode` on `appDir`. It is killed once `killAfterLines` lines have come
// after "begin", or `killAfterMs` after "begin", or, with both, that long after that line
// (-1: not used).
ChildRun runChild(const QString& mode, const QString& appDir, int killAfterLines = -1,
                  int killAfterMs = -1) {
    QProcess p;
    p.setStandardErrorFile(appDir + QStringLiteral("/../child-stderr.txt"), QIODevice::Append);
    p.start(QStringLiteral(PSO_CRASH_CHILD), {mode, appDir});
    ChildRun r;
    if (!p.waitForStarted())
        return r;
    QElapsedTimer total, work, armed;
    total.start();
    bool begun = false;
    const auto kill = [&] {
        if (!r.killed && p.state() != QProcess::NotRunning) {
            p.kill();
            r.killed = true;
        }
    };
    const auto take = [&] {
        while (p.canReadLine()) {
            const QString line = QString::fromUtf8(p.readLine()).trimmed();
            if (!begun) {
                begun = line == QLatin1String("begin");
                if (begun) {
                    work.start();
                    if (killAfterLines < 0 && killAfterMs >= 0)
                        armed.start();
                }
                continue;
            }
            r.lines << line;
            if (line == QLatin1String("end"))
                r.workMs = work.elapsed();
            if (killAfterLines >= 0 && r.lines.size() == killAfterLines) {
                if (killAfterMs < 0)
                    kill();
                else
                    armed.start();
            }
        }
    };
    while (p.state() != QProcess::NotRunning && !r.killed) {
        const qint64 left = armed.isValid() ? killAfterMs - armed.elapsed() : 50;
        p.waitForReadyRead(int(qBound(qint64(0), left, qint64(50))));
        take();
        if (armed.isValid() && armed.elapsed() >= killAfterMs)
            kill();
        if (total.elapsed() > 60000) {
            p.kill();
            qWarning("crash_child %s did not end", qPrintable(mode));
            break;
        }
    }
    p.waitForFinished();
    take();
    r.killed = r.killed && p.exitStatus() == QProcess::CrashExit;
    r.ended = !r.killed && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 &&
              r.lines.contains(QStringLiteral("end"));
    return r;
}

// The kill points of a command: after lines spread over its steps, and after shares of the
// time it took when it ran to its end.
struct KillPoint {
    int lines = -1;
    int ms = -1;
    QString text() const {
        const QString line = QStringLiteral("after line %1").arg(lines);
        const QString time = QStringLiteral("%1 ms").arg(ms);
        return lines < 0 ? QStringLiteral("after ") + time
               : ms < 0  ? line
                         : time + QLatin1Char(' ') + line;
    }
};

QList<KillPoint> killPoints(const ChildRun& full, int byLine, int byTime) {
    QList<KillPoint> out;
    const int steps = full.steps();
    for (int i = 0; i < byLine && steps > 0; ++i)
        out << KillPoint{1 + int(qint64(steps - 1) * i / qMax(1, byLine - 1)), -1};
    for (int i = 1; i <= byTime; ++i)
        out << KillPoint{-1, int(full.workMs * i / (byTime + 1))};
    return out;
}

// Whether the lap times of `now` are those of `before` or all those of `after`: an import stands
// whole or not at all ("" when so).
QString wholeOrNothing(const Snapshot& before, const Snapshot& after, const Snapshot& now) {
    const auto times = [](const Snapshot& s) {
        QMap<QString, QString> out; // "row|field" -> time, empty ones left out
        const QMap<QString, Row> tracks = s.rows.value(QStringLiteral("Tracks"));
        for (auto r = tracks.cbegin(); r != tracks.cend(); ++r)
            for (auto f = r->cbegin(); f != r->cend(); ++f)
                if (isLapTimeField(QStringLiteral("Tracks"), f.key()) && !emptyText(f.value()))
                    out.insert(r.key() + u'|' + f.key(), f.value());
        return out;
    };
    const int nowImports = int(now.rows.value(QStringLiteral("Log Imports")).size());
    if (times(now) == times(before) && now.history == before.history && nowImports == 0)
        return QString();
    if (times(now) == times(after) && now.history == after.history && nowImports == 1)
        return QString();
    return QStringLiteral("%1 History rows and %2 imports noted: neither before nor after")
        .arg(now.history.size())
        .arg(nowImports);
}

// ---- the folders -------------------------------------------------------------------------------

constexpr int kExtraTracks = 2000;

QString addonName(int slot) {
    return QStringLiteral("addon%1.dat").arg(slot, 2, 10, QLatin1Char('0'));
}

// A long log over all 16 slots in which every lap beats the one before it, so most laps are
// records, between the lines a lap timer writes that the import passes by.
QByteArray recordLog() {
    const char* const modes[] = {"Quick/non-championship/championship race", "Unlimited practice",
                                 "Friday qualifying", "Sunday warm up"};
    QByteArray out;
    for (int round = 0; round < 3; ++round) {
        for (int slot = 1; slot <= 16; ++slot) {
            out += samplegame::logSlotLine(slot) + "\r\nCountry: Somewhere\r\n";
            for (const char* mode : modes) {
                out += QByteArray("Start of session:  ") + mode + "\r\n";
                for (int lap = 0; lap < 4; ++lap) {
                    for (int noise = 0; noise < 40; ++noise)
                        out += "  Car 1 driver Sample, sector 1 31234\r\n";
                    const int ms = 99999 - (round * 4 + lap) * 997 - slot * 13;
                    out += samplegame::logLapLine(lap + 1, ms) + "\r\n";
                }
            }
        }
    }
    return out;
}

} // namespace

class CrashSafetyTest final : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    int runs_ = 0;

    // A sample game and program folder in `name`/game and `name`/app.
    QString makeTemplate(const QString& name, const samplegame::Options& options = {}) {
        const QString dir = root_.filePath(name);
        sampleapp::prepareWithGame(dir, QStringLiteral(PSO_APPDIR), options,
                                   QStringLiteral(PSO_SUMFIX));
        return dir;
    }

    // A fresh copy of a template; its settings row names its own game folder.
    QString copyRun(const QString& tpl) {
        const QString dir = root_.filePath(QStringLiteral("run%1").arg(++runs_));
        copyTree(tpl, dir);
        const QString db = dir + QStringLiteral("/app/pso.mdb");
        if (QFileInfo::exists(db)) {
            auto params = Database::open(db)->openTable(QStringLiteral("Parameters"));
            params->setIndex(QStringLiteral("Code"));
            params->seek(QStringLiteral("="), 1);
            params->edit();
            params->setValue(QStringLiteral("Gp2 Directory"),
                             QDir::toNativeSeparators(dir + QStringLiteral("/game/")));
            params->update();
        }
        return dir;
    }

    static Snapshot catalogue(const QString& run) {
        return snapshot(run + QStringLiteral("/app/pso.mdb"), run);
    }
    static Snapshot maps(const QString& run) {
        return snapshot(run + QStringLiteral("/app/Maps.mdb"), run);
    }

private slots:
    void initTestCase() { QVERIFY(root_.isValid()); }

    void exportLeavesEveryGameFileOldOrNew() {
        const QString tpl = makeTemplate(QStringLiteral("export"));
        picturetool::install(tpl + QStringLiteral("/app"));
        const QString circuits = tpl + QStringLiteral("/game/Circuits/");
        for (int slot = 1; slot <= 16; ++slot)
            QVERIFY(
                writeFile(circuits + addonName(slot),
                          samplegame::largeAddon(QStringLiteral("Crash Ring %1").arg(slot), slot)));
        const QStringList listing = QDir(circuits).entryList(QDir::Files, QDir::Name);
        const auto slotFile = [](const QString& run, int slot) {
            return gamepath::join(
                run + QStringLiteral("/game/"),
                QStringLiteral("Circuits/f1ct%1.dat").arg(slot, 2, 10, QLatin1Char('0')));
        };
        const auto exeFile = [](const QString& run) {
            return gamepath::join(run + QStringLiteral("/game/"), QStringLiteral("GP2.EXE"));
        };

        const QString full = copyRun(tpl);
        const Snapshot before = catalogue(full), beforeMaps = maps(full);
        const filesnapshot::Snapshot gameBefore = filesnapshot::take(tpl + QStringLiteral("/game"));
        const QByteArray oldExe = readFile(exeFile(full));
        QList<QByteArray> oldSlots, newSlots;
        for (int slot = 1; slot <= 16; ++slot)
            oldSlots << readFile(slotFile(full, slot));
        const ChildRun done = runChild(QStringLiteral("export"), full + QStringLiteral("/app"));
        QVERIFY(done.ended);
        QCOMPARE(done.said().size(), 1);
        QVERIFY2(done.said()[0].startsWith(QStringLiteral("Gp2 updated. / ")),
                 qPrintable(done.said()[0]));
        for (int slot = 1; slot <= 16; ++slot) {
            newSlots << readFile(slotFile(full, slot));
            QCOMPARE(newSlots.last(), readFile(circuits + addonName(slot)));
        }
        const QByteArray newExe = readFile(exeFile(full));
        QCOMPARE(newExe.size(), oldExe.size());
        QVERIFY(newExe != oldExe);
        const Snapshot after = catalogue(full), afterMaps = maps(full);

        // The bytes the export changes in GP2.EXE: the names area and the lap bytes, written
        // one after the other, so each is old or new on its own.
        const samplegame::Edition& edition = samplegame::edition(1);
        const QList<std::pair<qint64, qint64>> areas = {{edition.namesPos - 1, 4096},
                                                        {edition.lapsPos, 16}};

        for (const KillPoint& at : killPoints(done, 5, 3)) {
            const QString run = copyRun(tpl);
            const ChildRun killed =
                runChild(QStringLiteral("export"), run + QStringLiteral("/app"), at.lines, at.ms);
            const QString where = at.text();
            QVERIFY2(killed.killed || at.ms >= 0, qPrintable(where));
            for (int slot = 1; slot <= 16; ++slot) {
                const QByteArray now = readFile(slotFile(run, slot));
                QVERIFY2(now == oldSlots.at(slot - 1) || now == newSlots.at(slot - 1),
                         qPrintable(QStringLiteral("%1: slot %2 holds %3 bytes of neither file")
                                        .arg(where)
                                        .arg(slot)
                                        .arg(now.size())));
            }
            // A kill in the middle of a write may leave its part-written copy beside the slot
            // file (the game reads no such name); Restore below must remove it.
            QStringList listed =
                QDir(run + QStringLiteral("/game/Circuits")).entryList(QDir::Files, QDir::Name);
            listed.removeIf([](const QString& name) { return name.contains(".writing-"); });
            QCOMPARE(listed, listing);
            QByteArray exe = readFile(exeFile(run));
            QCOMPARE(exe.size(), oldExe.size());
            for (const auto& [offset, length] : areas) {
                const QByteArray part = exe.mid(offset, length);
                QVERIFY2(part == oldExe.mid(offset, length) || part == newExe.mid(offset, length),
                         qPrintable(where + QStringLiteral(": GP2.EXE area half written")));
                exe.replace(offset, length, oldExe.mid(offset, length));
            }
            QVERIFY2(exe == oldExe,
                     qPrintable(where + QStringLiteral(": GP2.EXE changed elsewhere")));
            const QString rows = betweenProblem(before, after, catalogue(run));
            QVERIFY2(rows.isEmpty(), qPrintable(where + QStringLiteral(": pso.mdb: ") + rows));
            const QString mapRows = betweenProblem(beforeMaps, afterMaps, maps(run));
            QVERIFY2(mapRows.isEmpty(),
                     qPrintable(where + QStringLiteral(": Maps.mdb: ") + mapRows));

            // The backup taken before the export puts the game folder back as it was.
            const ChildRun restored =
                runChild(QStringLiteral("restore"), run + QStringLiteral("/app"));
            QVERIFY2(restored.ended, qPrintable(where + QStringLiteral(": restore did not end")));
            QVERIFY2(restored.said() == QStringList{QStringLiteral("Game files restored.")} ||
                         restored.said() ==
                             QStringList{QStringLiteral("There is no change to restore.")},
                     qPrintable(where + QStringLiteral(": ") + restored.said().join(u'|')));
            const QStringList changed = filesnapshot::changed(
                gameBefore, filesnapshot::take(run + QStringLiteral("/game")));
            QVERIFY2(changed.isEmpty(), qPrintable(where + QStringLiteral(": after restoring: ") +
                                                   changed.join(u' ')));
        }
    }

    // A Restore killed at any point leaves the game as the export left it or as it was before,
    // once the next start has finished or undone it; the export then goes back whole.
    void restoreIsWholeOnceTheNextStartRan() {
        const QString tpl = makeTemplate(QStringLiteral("restore"));
        const QString circuits = tpl + QStringLiteral("/game/Circuits/");
        for (int slot = 1; slot <= 16; ++slot)
            QVERIFY(writeFile(circuits + addonName(slot),
                              samplegame::largeAddon(QStringLiteral("Ring %1").arg(slot), slot)));
        const filesnapshot::Snapshot gameBefore = filesnapshot::take(tpl + QStringLiteral("/game"));
        const auto exported = [&] {
            const QString run = copyRun(tpl);
            return runChild(QStringLiteral("export"), run + QStringLiteral("/app")).ended
                       ? run
                       : QString();
        };
        const QString full = exported();
        QVERIFY(!full.isEmpty());
        const filesnapshot::Snapshot gameExported =
            filesnapshot::take(full + QStringLiteral("/game"));
        QVERIFY(gameExported != gameBefore);
        const ChildRun done = runChild(QStringLiteral("restore"), full + QStringLiteral("/app"));
        QVERIFY(done.ended);
        QCOMPARE(done.said(), QStringList{QStringLiteral("Game files restored.")});

        for (const KillPoint& at : killPoints(done, 0, 6)) {
            const QString run = exported();
            QVERIFY(!run.isEmpty());
            const QString app = run + QStringLiteral("/app"), where = at.text();
            runChild(QStringLiteral("restore"), app, at.lines, at.ms);
            const ChildRun next = runChild(QStringLiteral("start"), app);
            QVERIFY2(next.ended && next.said().isEmpty(),
                     qPrintable(where + QStringLiteral(": the next start said ") +
                                next.said().join(u'|')));
            const filesnapshot::Snapshot now = filesnapshot::take(run + QStringLiteral("/game"));
            QVERIFY2(now == gameBefore || now == gameExported,
                     qPrintable(where + QStringLiteral(": half restored: ") +
                                filesnapshot::changed(gameExported, now).join(u' ')));
            const ChildRun again = runChild(QStringLiteral("restore"), app);
            QVERIFY2(again.ended &&
                         again.said() == QStringList{now == gameBefore
                                                         ? "There is no change to restore."
                                                         : "Game files restored."},
                     qPrintable(where + QStringLiteral(": ") + again.said().join(u'|')));
            QCOMPARE(filesnapshot::changed(gameBefore, filesnapshot::take(run + "/game")),
                     QStringList());
        }
    }

    void logImportLeavesEveryRowWholeOrAsItWas() {
        samplegame::Options options;
        options.log = false;
        const QString tpl = makeTemplate(QStringLiteral("import"), options);
        // Two slots hold circuits the catalogue does not know: the import makes their rows.
        for (int slot : {15, 16})
            QVERIFY(writeFile(tpl + QStringLiteral("/game/Circuits/f1ct%1.dat").arg(slot),
                              samplegame::circuit(samplegame::originalLength(slot),
                                                  samplegame::addonFields(
                                                      QStringLiteral("New Ring %1").arg(slot),
                                                      QStringLiteral("Newland"), 50, 4000, slot))));
        QVERIFY(writeFile(tpl + QStringLiteral("/game/gp2lap.log"), recordLog()));

        const QString full = copyRun(tpl);
        const Snapshot before = catalogue(full);
        const ChildRun done = runChild(QStringLiteral("import"), full + QStringLiteral("/app"));
        QVERIFY(done.ended);
        const Snapshot after = catalogue(full);
        QVERIFY(after.rows.value("Tracks").contains(QStringLiteral("New Ring 16")));
        // The last race lap of slot 9 is the best: 89032 - 9 * 13 ms.
        QCOMPARE(after.rows["Tracks"][samplegame::originalName(9)]["Race Time"],
                 QStringLiteral("1:28.915"));
        // One record per track and session kind of the game, each kept.
        QCOMPARE(after.history.size(), 16 * 4);
        const QByteArray log = readFile(full + QStringLiteral("/game/gp2lap.log"));

        for (const KillPoint& at : killPoints(done, 0, 5)) {
            const QString run = copyRun(tpl);
            const ChildRun killed =
                runChild(QStringLiteral("import"), run + QStringLiteral("/app"), at.lines, at.ms);
            QVERIFY2(killed.killed || at.ms >= 0, qPrintable(at.text()));
            const Snapshot now = catalogue(run);
            const QString rows = betweenProblem(before, after, now);
            QVERIFY2(rows.isEmpty(), qPrintable(at.text() + QStringLiteral(": ") + rows));
            const QString whole = wholeOrNothing(before, after, now);
            QVERIFY2(whole.isEmpty(), qPrintable(at.text() + QStringLiteral(": ") + whole));
            // Setup says neither delete nor rename: the log stays as it was, whatever happened.
            QCOMPARE(readFile(run + QStringLiteral("/game/gp2lap.log")), log);
        }
    }

    void updateAtStartKeepsTheDatabaseAndItsRows() {
        const QString tpl = makeTemplate(QStringLiteral("update"));
        {
            // An older layout, with a catalogue big enough that backup and compaction take a
            // while.
            auto db =
                Database::open(tpl + QStringLiteral("/app/pso.mdb"), Database::Sync::Deferred);
            auto tracks = db->openTable(QStringLiteral("Tracks"));
            for (int i = 0; i < kExtraTracks; ++i) {
                tracks->addNew();
                tracks->setValue(QStringLiteral("Name"), QStringLiteral("Old Track %1").arg(i));
                tracks->setValue(QStringLiteral("Country"), QStringLiteral("Oldland"));
                tracks->setValue(QStringLiteral("Race Time"), QStringLiteral("1:23.456"));
                tracks->setValue(QStringLiteral("Car Setup Information"), QByteArray(96, char(i)));
                tracks->update();
            }
            auto params = db->openTable(QStringLiteral("Parameters"));
            params->moveFirst();
            params->edit();
            params->setValue(QStringLiteral("Version"), 100);
            params->update();
            db->sync();
        }
        const QString full = copyRun(tpl);
        const Snapshot before = catalogue(full);
        const QByteArray oldFile = readFile(full + QStringLiteral("/app/pso.mdb"));
        const ChildRun done = runChild(QStringLiteral("start"), full + QStringLiteral("/app"));
        QVERIFY(done.ended);
        // An update says where the file as it was is kept.
        const QString updated = QStringLiteral("Database pso.mdb was brought up to date (layout "
                                               "version 100 to %1). /  / The file as it was is "
                                               "kept as ")
                                    .arg(kLapTimeDatabaseVersion);
        QCOMPARE(done.said(),
                 QStringList{updated +
                             QDir::toNativeSeparators(full + QStringLiteral("/app/pso.mdb.v100")) +
                             QLatin1Char('.')});
        QCOMPARE(readFile(full + QStringLiteral("/app/pso.mdb.v100")), oldFile);
        const Snapshot after = catalogue(full);
        QCOMPARE(after.rows["Parameters"]["1"]["Version"],
                 QString::number(kLapTimeDatabaseVersion));
        QCOMPARE(after.rows["Tracks"].size(), before.rows["Tracks"].size());
        const QStringList files = mdbFiles(full + QStringLiteral("/app"));

        // The backup, repair and compaction run right after the first line, without a line
        // of their own: a few kills land there by time.
        QList<KillPoint> points = killPoints(done, 5, 2);
        for (int ms : {1, 3, 6})
            points << KillPoint{1, ms};
        for (const KillPoint& at : points) {
            const QString run = copyRun(tpl);
            const QString app = run + QStringLiteral("/app");
            const ChildRun killed = runChild(QStringLiteral("start"), app, at.lines, at.ms);
            const QString where = at.text();
            QVERIFY2(killed.killed || at.ms >= 0, qPrintable(where));
            const Snapshot now = catalogue(run);
            QVERIFY2(now.exists, qPrintable(where + QStringLiteral(": pso.mdb is gone")));
            const QString rows = betweenProblem(before, after, now);
            QVERIFY2(rows.isEmpty(), qPrintable(where + QStringLiteral(": ") + rows));
            // The next start finishes the update, and says so unless the killed one had put
            // the updated copy in place.
            const bool updatedBefore =
                now.rows["Parameters"]["1"]["Version"] == QString::number(kLapTimeDatabaseVersion);
            const ChildRun next = runChild(QStringLiteral("start"), app);
            QVERIFY2(next.ended && next.said().size() == (updatedBefore ? 0 : 1) &&
                         (updatedBefore || next.said()[0].startsWith(updated)),
                     qPrintable(where + QStringLiteral(": the next start said ") +
                                next.lines.join(QLatin1String(" | "))));
            QVERIFY2(catalogue(run) == after, qPrintable(where));
            QCOMPARE(mdbFiles(app), files);
        }
    }

    void makingLeavesNoHalfMadeDatabase() {
        const QString tpl = root_.filePath(QStringLiteral("make"));
        QDir().mkpath(tpl + QStringLiteral("/app"));
        for (const char* def : {"pso.def", "maps.def"})
            QVERIFY(QFile::copy(QStringLiteral(PSO_APPDIR "/") + QLatin1String(def),
                                tpl + QStringLiteral("/app/") + QLatin1String(def)));
        const QString full = copyRun(tpl);
        const ChildRun done = runChild(QStringLiteral("makedb"), full + QStringLiteral("/app"));
        QVERIFY(done.ended);
        QCOMPARE(done.said(), QStringList());
        const Snapshot made = catalogue(full), madeMaps = maps(full);
        QVERIFY(made.exists && made.problem.isEmpty());
        QVERIFY(madeMaps.exists && madeMaps.problem.isEmpty());
        const QStringList files = mdbFiles(full + QStringLiteral("/app"));

        for (const KillPoint& at : killPoints(done, 6, 3)) {
            const QString run = copyRun(tpl);
            const QString app = run + QStringLiteral("/app");
            const ChildRun killed = runChild(QStringLiteral("makedb"), app, at.lines, at.ms);
            const QString where = at.text();
            QVERIFY2(killed.killed || at.ms >= 0, qPrintable(where));
            // Each database is there complete, or not there at all and made by the next run.
            const std::pair<Snapshot, const Snapshot*> states[] = {{catalogue(run), &made},
                                                                   {maps(run), &madeMaps}};
            for (const auto& [now, complete] : states)
                QVERIFY2(
                    !now.exists || now == *complete,
                    qPrintable(where + QStringLiteral(": a database half made ") + now.problem));
            const ChildRun next = runChild(QStringLiteral("makedb"), app);
            QVERIFY2(next.ended && next.said().isEmpty(), qPrintable(where));
            QVERIFY2(catalogue(run) == made && maps(run) == madeMaps, qPrintable(where));
            QCOMPARE(mdbFiles(app), files);
        }
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "crash_safety_test.moc"
