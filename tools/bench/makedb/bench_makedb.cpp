// Times MakeDatabase making "pso.mdb" from "pso.def" in a fresh folder, which opens and closes
// the database once per definition line, and for reference the same tables, fields, indexes
// and default rows made through one open connection.
// Usage: bench_makedb [pso.def] [rounds]
#include "platform/progress.h"
#include "storage/definition_file.h"
#include "storage/engine.h"
#include "storage/gp2psobas.h"
#include "storage/make_database.h"
#include "tests/fixtures/headless/headless_program.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QStringList readLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
}

double makeDatabaseSeconds(const QString& definition) {
    QTemporaryDir dir;
    QFile::copy(definition, dir.filePath(QStringLiteral("pso.def")));
    HeadlessProgram program(dir.path());
    Gp2PsoBas& bas = program.bas;
    bas.StatusText = QStringLiteral("Please wait, making database...");
    QElapsedTimer clock;
    clock.start();
    MakeDatabase(bas, QStringLiteral("pso.mdb"));
    const double s = clock.nsecsElapsed() / 1e9;
    if (!program.dialogs.shown.isEmpty())
        std::fprintf(stderr, "MakeDatabase said: %s\n",
                     qPrintable(program.dialogs.shown.join(" | ")));
    return s;
}

// The same schema and 17 rows (one settings row, 16 tracks) through one connection, its
// commits synced as MakeDatabase's are (once at the end) or every one of them.
double oneConnectionSeconds(const QString& definition, Database::Sync sync) {
    QTemporaryDir dir;
    const QList<deffile::Item> items = deffile::parse(readLines(definition));
    const QString path = dir.filePath(QStringLiteral("pso.mdb"));
    QElapsedTimer clock;
    clock.start();
    Database::create(path)->close();
    auto db = Database::open(path, sync);
    for (const deffile::Item& item : items) {
        if (item.kind == deffile::Item::Kind::Field) {
            if (db->tableExists(item.table))
                db->appendField(item.table, item.field);
            else
                db->createTable(item.table, item.field);
        } else if (item.kind == deffile::Item::Kind::Index) {
            db->appendIndex(item.table, item.index);
        }
    }
    auto params = db->openTable(QStringLiteral("Parameters"));
    params->addNew();
    params->setValue(QStringLiteral("Code"), 1);
    params->setValue(QStringLiteral("Version"), 162);
    params->update();
    auto tracks = db->openTable(QStringLiteral("Tracks"));
    tracks->setIndex(QStringLiteral("Name"));
    for (int i = 1; i <= 16; ++i) {
        tracks->seek(QStringLiteral("="), QStringLiteral("Track %1").arg(i));
        tracks->addNew();
        tracks->setValue(QStringLiteral("Name"), QStringLiteral("Track %1").arg(i));
        tracks->setValue(QStringLiteral("Size"), 30000 + i);
        tracks->setValue(QStringLiteral("Original"), true);
        tracks->update();
    }
    db->sync();
    db->close();
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString definition =
        args.size() > 1 ? args.at(1) : QStringLiteral(PSO_SOURCE_DIR "/data/pso.def");
    const int rounds = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 5;
    if (!QFile::exists(definition)) {
        std::fprintf(stderr, "definition file not found: %s\n", qPrintable(definition));
        return 1;
    }
    double made = 1e9, reference = 1e9;
    for (int i = 0; i < rounds; ++i) {
        made = std::min(made, makeDatabaseSeconds(definition));
        reference = std::min(reference, oneConnectionSeconds(definition, Database::Sync::Deferred));
    }
    const double everyCommit = oneConnectionSeconds(definition, Database::Sync::Full);
    std::printf("definition file:              %s\n", qPrintable(definition));
    std::printf("best of %d rounds each\n", rounds);
    std::printf("MakeDatabase (open per line): %8.3f s  (goal < 1 s)\n", made);
    std::printf("one open connection:          %8.3f s\n", reference);
    std::printf("ratio:                        %8.2f\n", made / reference);
    std::printf("one connection, every commit synced (1 round): %.3f s\n", everyCommit);
    return made < 1.0 ? 0 : 2;
}
