#include "tests/support/fault_harness.h"

#include "health/facts_cache.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/support/file_snapshot.h"
#include "tests/support/files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>

#include <sqlite3.h>

namespace faultharness {

namespace {

constexpr const char* kPreload = "/usr/lib/fiu/fiu_posix_preload.so";
constexpr int kChildTimeoutMs = 90000;

struct ChildResult {
    bool ended = false;
    QString why; // how it ended, when not normally
    QMap<QString, int> calls;
    bool injected = false;
    QStringList said;
};

ChildResult runChild(const QString& child, const QStringList& args, bool preload) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (preload)
        env.insert(QStringLiteral("LD_PRELOAD"), QString::fromLatin1(kPreload));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(child, args);
    ChildResult r;
    if (!p.waitForFinished(kChildTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.why = QStringLiteral("did not end within %1 s").arg(kChildTimeoutMs / 1000);
        return r;
    }
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n');
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("count "))) {
            const QStringList parts = line.split(u' ');
            r.calls.insert(parts.value(1), parts.value(2).toInt());
        } else if (line.startsWith(QLatin1String("injected "))) {
            r.injected = line.endsWith(u'1');
        } else if (line.startsWith(QLatin1String("said "))) {
            r.said << line.mid(5);
        }
    }
    r.ended = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 &&
              lines.contains(QStringLiteral("end"));
    if (!r.ended)
        r.why = (p.exitStatus() == QProcess::CrashExit
                     ? QStringLiteral("crashed")
                     : QStringLiteral("ended with status %1").arg(p.exitCode())) +
                QStringLiteral(": ") +
                QString::fromUtf8(p.readAllStandardError()).trimmed().split(u'\n').last();
    return r;
}

bool copyTree(const QString& from, const QString& to) {
    QDir(to).removeRecursively();
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), from, to}) == 0;
}

// ---- what a run leaves ---------------------------------------------------------------------

QStringList tableDump(const QString& path, QString* problem) {
    QStringList rows;
    sqlite3* db = nullptr;
    // Opened for writing, as the program opens it: a journal left behind is rolled back.
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        *problem = QStringLiteral("does not open: ") + QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return rows;
    }
    const auto each = [&](const QByteArray& sql, const std::function<void(sqlite3_stmt*)>& f) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
            *problem = QString::fromUtf8(sqlite3_errmsg(db));
            return;
        }
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            f(st);
        if (rc != SQLITE_DONE)
            *problem = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
    };
    const auto text = [](sqlite3_stmt* st, int c) {
        if (sqlite3_column_type(st, c) == SQLITE_BLOB)
            return QString::fromLatin1(
                QByteArray(static_cast<const char*>(sqlite3_column_blob(st, c)),
                           sqlite3_column_bytes(st, c))
                    .toHex());
        const unsigned char* t = sqlite3_column_text(st, c);
        return t ? QString::fromUtf8(reinterpret_cast<const char*>(t)) : QStringLiteral("<null>");
    };
    each("PRAGMA integrity_check", [&](sqlite3_stmt* st) {
        if (text(st, 0) != QLatin1String("ok"))
            *problem = QStringLiteral("integrity check: ") + text(st, 0);
    });
    QStringList tables;
    each("SELECT name, sql FROM sqlite_master ORDER BY name", [&](sqlite3_stmt* st) {
        rows << QStringLiteral("schema ") + text(st, 0) + u' ' + text(st, 1);
        if (QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)))
                .startsWith(QLatin1String("CREATE TABLE")))
            tables << text(st, 0);
    });
    for (const QString& table : tables) {
        QStringList lines;
        each("SELECT * FROM \"" + table.toUtf8() + "\"", [&](sqlite3_stmt* st) {
            QStringList fields;
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                // The import's date of a history row differs from run to run.
                if (!(table == QLatin1String("History") &&
                      QLatin1String(sqlite3_column_name(st, c)) == QLatin1String("Date")))
                    fields << text(st, c);
            lines << table + u'|' + fields.join(u'|');
        });
        lines.sort();
        rows << lines;
    }
    sqlite3_close(db);
    return rows;
}

bool isPartName(const QString& name) {
    return name.contains(QLatin1String(".writing-")) || name.endsWith(QLatin1String(".part"));
}

} // namespace

// The run folder as the checks read it.
struct CommandRuns::State {
    filesnapshot::Snapshot game;          // the game folder
    QMap<QString, QByteArray> files;      // app/ and out/ files but the ones below
    QMap<QString, QStringList> databases; // app/*.mdb: the rows; problem lines apart
    QStringList problems;                 // what no state may hold
    QString cache;                        // the health check's cache: its path
    bool cacheWhole = false;              // it is there and trusted
    QByteArray cacheBytes;

    static State read(const QString& run) {
        State s;
        s.game = filesnapshot::take(run + QStringLiteral("/game"));
        const QString app = run + QStringLiteral("/app");
        s.cache = health::FactsCache::fileIn(app);
        for (const QString& area : {QStringLiteral("app"), QStringLiteral("out")}) {
            QDirIterator it(run + u'/' + area, QDir::Files | QDir::Hidden | QDir::System,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                const QString rel = QDir(run).relativeFilePath(path);
                if (rel.startsWith(QLatin1String("app/backups/")) ||
                    rel.endsWith(QLatin1String(".mdb-journal")) ||
                    rel == QLatin1String("app/pso.lock") || path == s.cache)
                    continue;
                if (rel.endsWith(QLatin1String(".mdb"))) {
                    QString problem;
                    s.databases.insert(rel, tableDump(path, &problem));
                    if (!problem.isEmpty())
                        s.problems << rel + QStringLiteral(": ") + problem;
                    continue;
                }
                s.files.insert(rel, readFile(path));
            }
        }
        for (auto f = s.game.cbegin(); f != s.game.cend(); ++f)
            if (isPartName(f.key()))
                s.problems << QStringLiteral("part file left: game/") + f.key();
        for (const QString& rel : s.files.keys())
            if (isPartName(rel))
                s.problems << QStringLiteral("part file left: ") + rel;
        s.cacheBytes = readFile(s.cache);
        s.cacheWhole =
            QFileInfo::exists(s.cache) &&
            health::FactsCache::load(s.cache, run + QStringLiteral("/game/Circuits")).size() > 0;
        s.problems << backupProblems(app + QStringLiteral("/backups"));
        return s;
    }

    // Every kept change names in its manifest only copies that are stored, whole.
    static QStringList backupProblems(const QString& root) {
        QStringList out;
        const QDir dir(root);
        for (const QString& change : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (change == QLatin1String("contents"))
                continue;
            QString manifest = root + u'/' + change + QStringLiteral("/manifest.txt");
            if (!QFileInfo::exists(manifest))
                manifest = root + u'/' + change + QStringLiteral("/manifest put back.txt");
            if (!QFileInfo::exists(manifest)) {
                out << QStringLiteral("backup without a manifest: ") + change;
                continue;
            }
            for (const QByteArray& line : readFile(manifest).split('\n')) {
                if (!line.startsWith("stored\t"))
                    continue;
                const QByteArray hash = line.split('\t').value(1);
                const QByteArray copy = readFileOrMissing(root + QStringLiteral("/contents/") +
                                                          QString::fromLatin1(hash));
                if (QCryptographicHash::hash(copy, QCryptographicHash::Sha256).toHex() != hash)
                    out << QStringLiteral("backup %1 names a copy that is missing or damaged: %2")
                               .arg(change, QString::fromLatin1(hash));
            }
        }
        return out;
    }
};

const QStringList& kinds() {
    static const QStringList all{QStringLiteral("write"), QStringLiteral("fsync"),
                                 QStringLiteral("rename"), QStringLiteral("open")};
    return all;
}

QStringList commands(const QString& child) {
    QProcess p;
    p.start(child, {QStringLiteral("list")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

CommandRuns::CommandRuns(const QString& child, const QString& root, const QString& command)
    : child_(child), root_(root), command_(command) {
    const QString run = root_ + QStringLiteral("/run");
    QDir(root_).removeRecursively();
    QDir().mkpath(root_ + QStringLiteral("/settings"));
    QString why;
    sampleapp::prepareWithGame(run, QStringLiteral(PSO_APPDIR), {}, QStringLiteral(PSO_SUMFIX));
    const ChildResult prepared =
        runChild(child_, {QStringLiteral("prepare"), command_, run}, false);
    if (!prepared.ended) {
        error_ = QStringLiteral("prepare ") + prepared.why;
        return;
    }
    if (!copyTree(run, root_ + QStringLiteral("/template"))) {
        error_ = QStringLiteral("cannot copy the prepared folders");
        return;
    }
    // The state before is the one the command starts from: the start and the window's set-up
    // may write as well (a selected circuit's catalogue row), and are no part of it.
    const ChildResult setUp = runChild(
        child_,
        {QStringLiteral("run"), command_, run, QStringLiteral("setup"), QStringLiteral("0")},
        false);
    if (!setUp.ended) {
        error_ = QStringLiteral("the set-up ") + setUp.why;
        return;
    }
    before_ = std::make_unique<State>(State::read(run));
    if (!before_->problems.isEmpty()) {
        error_ = QStringLiteral("prepared folders: ") + before_->problems.join(u"; ");
        return;
    }
    copyTree(root_ + QStringLiteral("/template"), run);
    const ChildResult done = runChild(
        child_, {QStringLiteral("run"), command_, run, QStringLiteral("none"), QStringLiteral("0")},
        true);
    if (!done.ended) {
        error_ = QStringLiteral("the run without a fault ") + done.why;
        return;
    }
    calls_ = done.calls;
    said_ = done.said;
    after_ = std::make_unique<State>(State::read(run));
    if (!after_->problems.isEmpty())
        error_ = QStringLiteral("the run without a fault left: ") + after_->problems.join(u"; ");
}

CommandRuns::~CommandRuns() = default;

Verdict CommandRuns::run(const QString& kind, int nth) {
    Verdict v;
    const QString run = root_ + QStringLiteral("/run");
    if (!before_ || !after_ || !copyTree(root_ + QStringLiteral("/template"), run)) {
        v.consistent = false;
        v.problems << QStringLiteral("not prepared: ") + error_;
        return v;
    }
    const ChildResult r =
        runChild(child_, {QStringLiteral("run"), command_, run, kind, QString::number(nth)}, true);
    v.injected = r.injected;
    if (!r.ended)
        v.problems << QStringLiteral("the run ") + r.why;
    const State now = State::read(run);
    v.problems << now.problems;
    bool finished = true; // every part as the run without a fault left it
    if (now.game != before_->game && now.game != after_->game) {
        v.problems << QStringLiteral("game folder neither before nor after: ") +
                          filesnapshot::changed(after_->game, now.game).join(u' ');
    }
    finished = finished && now.game == after_->game;
    QStringList files = now.files.keys() + before_->files.keys() + after_->files.keys();
    files.removeDuplicates();
    for (const QString& f : files) {
        const QByteArray n = now.files.value(f, "<missing>");
        const QByteArray b = before_->files.value(f, "<missing>");
        const QByteArray a = after_->files.value(f, "<missing>");
        if (n != b && n != a)
            v.problems << f + QStringLiteral(" neither before nor after");
        finished = finished && n == a;
    }
    QStringList dbs = now.databases.keys() + before_->databases.keys();
    dbs.removeDuplicates();
    for (const QString& db : dbs) {
        const QStringList n = now.databases.value(db);
        if (n != before_->databases.value(db) && n != after_->databases.value(db)) {
            QStringList odd;
            for (const QString& row : n)
                if (!before_->databases.value(db).contains(row) &&
                    !after_->databases.value(db).contains(row))
                    odd << row;
            for (const QString& row : before_->databases.value(db))
                if (after_->databases.value(db).contains(row) && !n.contains(row))
                    odd << QStringLiteral("gone: ") + row;
            if (odd.isEmpty())
                odd << QStringLiteral("rows of before and of after mixed");
            v.problems << db + QStringLiteral(" neither before nor after: ") +
                              odd.mid(0, 3).join(QLatin1String(" ; "));
        }
        finished = finished && n == after_->databases.value(db);
    }
    // The cache may stay as it was or be missing (the next scan reads the files again), or be
    // whole; it is no result of a command, and a failure to write it is not said.
    if (now.cacheBytes != before_->cacheBytes && !now.cacheWhole && QFileInfo::exists(now.cache))
        v.problems << QStringLiteral("health cache neither before nor whole");
    v.consistent = v.problems.isEmpty();
    v.reportedAsSuccess = v.injected && !finished && r.said == said_;
    return v;
}

} // namespace faultharness
