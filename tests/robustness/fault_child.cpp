// A run of the program in which one file call fails: the fault harness
// (tests/support/fault_harness.h) starts it under libfiu's preloaded POSIX wrappers, once to
// count the calls a command makes and then once per call to fail.
//
// Usage: fault_child prepare <command> <runDir>
//        fault_child run <command> <runDir> <kind> <nth>
// runDir holds game/ and app/ as sampleapp::prepareWithGame() leaves them, in/ the files a
// command reads (an archive, a pack file) and out/ the files it writes outside the two
// folders (the CSV exports). "prepare" makes what the command needs to find (a pack to
// replace, a change to restore ...) and runs nothing under faults; "run" fails the <nth>
// call of <kind> (write, fsync, rename, open; "none" fails nothing) made while the command
// runs; kind "setup" only starts the program and sets the window up, which may write too (a
// circuit selected gets its catalogue row), so the state the command starts from is known.
// Printed when done: "count <kind> <n>" for each kind, "injected 0|1", then "said <text>" for
// each message shown (its lines joined by " / "), then "end".
#include "app/main_window.h"
#include "app/restore_command.h"
#include "gamedir/backup_store.h"
#include "gamedir/exe_cmd.h"
#include "gamedir/game_backup.h"
#include "health/facts_cache.h"
#include "health/ui/circuit_fixes.h"
#include "laptimes/ui/lap_time_table.h"
#include "packs/ui/exporter.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/program_end.h"
#include "setups/ui/setup_transfer.h"
#include "storage/engine.h"
#include "storage/gp2psobas.h"
#include "storage/ui/database_list.h"
#include "tests/fixtures/headless/headless_program.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "tests/robustness/fault_points.h"
#include "tests/support/archive_maker.h"
#include "tests/support/files.h"
#include "tests/support/scratch_settings.h"
#include "tests/support/text_viewer_closer.h"
#include "trackfile/track_data.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <array>
#include <cstdio>
#include <functional>
#include <string_view>

using namespace pistaro;

namespace {

void say(const char* kind, const QString& text = {}) {
    if (text.isEmpty())
        std::printf("%s\n", kind);
    else
        std::printf("%s %s\n", kind, qPrintable(text));
    std::fflush(stdout);
}

struct Run {
    QString dir; // the run folder
    HeadlessProgram& program;
    MainWindow& frm() { return *program.frm; }
    QString in(const QString& name) const { return dir + QStringLiteral("/in/") + name; }
    QString out(const QString& name) const { return dir + QStringLiteral("/out/") + name; }
    QString circuit(const QString& name) const {
        return dir + QStringLiteral("/game/Circuits/") + name;
    }
    void answer(const QVariant& a) { program.dialogs.answers << a; }
    QStringList texts; // what the text viewer showed (a report), said as messages are
};

// Waits until the circuit table has read every column, the health check's included (its
// cache is written at the end of that read).
void waitForColumns(MainWindow& frm) {
    QElapsedTimer t;
    t.start();
    while (!frm.Lists->File1->columnsRead() && t.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void select(Run& r, const QString& name) {
    CircuitTable* table = r.frm().Lists->File1;
    table->setListIndex(table->indexOf(name));
}

void savePack(Run& r, const QString& name) {
    r.frm().Packs->SelectedPack->setEditText(name);
    r.frm().Packs->SavePack->click();
}

void assign(Run& r, int slot, const QString& file) {
    r.frm().Slots->assign(slot, file, {});
}

QString addonName(int slot) {
    return QStringLiteral("addon%1.dat").arg(slot, 2, 10, QLatin1Char('0'));
}

// The slots Export changes: a few take every path of its writing (slot files, their backup,
// GP2.EXE's areas) at a fraction of the fault points of all sixteen.
constexpr int kExportedSlots = 3;

// One command: what "prepare" leaves for it (files before the start, steps on the window),
// what "run" sets up in the window before the faults begin, and the command itself. A
// command with `atStart` runs as the program's start, on what `left` leaves once the prepare
// run's program has ended (a start of its own would undo it).
struct Command {
    const char* name;
    std::function<void(Run&)> files;   // before the prepare run's start
    std::function<void(Run&)> prepare; // on the prepare run's window
    std::function<void(Run&)> setUp;   // on the run's window, before the faults
    std::function<void(Run&)> command; // under the faults
    bool atStart = false;
    std::function<void(Run&)> left = nullptr; // after the prepare run's end
};

void none(Run&) {}

const QList<Command>& commands() {
    static const QList<Command> all = {
        {"export",
         [](Run& r) {
             for (int slot = 1; slot <= kExportedSlots; ++slot)
                 writeFileOrThrow(r.circuit(addonName(slot)),
                                  samplegame::smallAddon(QStringLiteral("Fault Ring %1").arg(slot),
                                                         {}, 20 + slot));
         },
         none,
         [](Run& r) {
             for (int slot = 1; slot <= kExportedSlots; ++slot)
                 assign(r, slot, addonName(slot));
         },
         [](Run& r) {
             r.answer(true);
             r.frm().Exporting->Export_Click();
         }},
        {"install",
         [](Run& r) {
             writeFileOrThrow(r.dir + QStringLiteral("/game/gamejams/OLD.JAM"),
                              "the game's own texture");
             const QByteArray circuit = samplegame::circuit(
                 20001,
                 samplegame::addonFields(QStringLiteral("Newtrack"), QStringLiteral("Nowhere"), 30),
                 {QStringLiteral("gamejams\\X.JAM"), QStringLiteral("gamejams\\old.jam")}, 3);
             archivemaker::write(r.in(QStringLiteral("newtrack.zip")),
                                 {{"NEWTRACK.DAT", circuit},
                                  {"X.JAM", "new texture"},
                                  {"OLD.JAM", "a texture of the archive"}});
         },
         none, none,
         [](Run& r) {
             r.answer(r.in(QStringLiteral("newtrack.zip")));
             r.texts = closingTextViewers([&r] { r.frm().Install->trigger(); });
         }},
        {"import pack", none,
         [](Run& r) {
             savePack(r, QStringLiteral("Season"));
             const QByteArray monza = readFile(r.circuit(QStringLiteral("monza2001.dat")));
             writeFileOrThrow(r.in(QStringLiteral("season.pack.txt")),
                              "Pistaro track pack\t1\npack\tSeason\n3\tmonza2001.dat\tMonza "
                              "2001\t" +
                                  QByteArray::number(monza.size()) + "\t" + trackdata::hash(monza) +
                                  "\n");
         },
         none,
         [](Run& r) {
             r.answer(r.in(QStringLiteral("season.pack.txt")));
             r.answer(true);
             r.frm().Packs->ImportPack->click();
         }},
        {"save pack", none, [](Run& r) { savePack(r, QStringLiteral("Season")); },
         [](Run& r) { assign(r, 3, QStringLiteral("monza2001.dat")); },
         [](Run& r) { savePack(r, QStringLiteral("Season")); }},
        {"delete pack", none, [](Run& r) { savePack(r, QStringLiteral("Season")); }, none,
         [](Run& r) {
             r.answer(true);
             r.frm().Packs->SelectedPack->setEditText(QStringLiteral("Season"));
             r.frm().Packs->DeletePack->click();
         }},
        {"rename", none, none, [](Run& r) { select(r, QStringLiteral("monza2001.dat")); },
         [](Run& r) {
             r.answer(QStringLiteral("Monza renamed"));
             r.frm().Lists->Rename->trigger();
         }},
        {"delete", none, none, [](Run& r) { select(r, QStringLiteral("monza2001.dat")); },
         [](Run& r) {
             r.answer(true);
             r.frm().Lists->Delete->trigger();
         }},
        {"update track info", none, none,
         [](Run& r) {
             select(r, QStringLiteral("monza2001.dat"));
             r.frm().Lists->File1_Click();
             QLineEdit* track = r.frm().Panel->Track;
             track->selectAll();
             QTest::keyClicks(track, QStringLiteral("Monza 2002"));
         },
         [](Run& r) {
             r.frm().Panel->SaveInfo->click();
             ExeCmd::WaitForSumfix(r.circuit(QStringLiteral("monza2001.dat")));
         }},
        {"repair checksum",
         [](Run& r) {
             QByteArray bytes = samplegame::smallAddon(QStringLiteral("Bad One"), {}, 3);
             bytes[bytes.size() - 2] = char(bytes.at(bytes.size() - 2) ^ 0x33);
             writeFileOrThrow(r.circuit(QStringLiteral("bad one.dat")), bytes);
         },
         none, [](Run& r) { select(r, QStringLiteral("bad one.dat")); },
         [](Run& r) { r.frm().Fixes->RepairChecksum->trigger(); }},
        {"delete duplicate",
         [](Run& r) {
             for (const char* name : {"copy a.dat", "copy b.dat"})
                 writeFileOrThrow(
                     r.circuit(QString::fromLatin1(name)),
                     samplegame::circuit(30000,
                                         samplegame::addonFields(QString::fromLatin1(name),
                                                                 QStringLiteral("Here"), 30),
                                         {}, 11));
         },
         none, [](Run& r) { select(r, QStringLiteral("copy b.dat")); },
         [](Run& r) {
             r.answer(true);
             r.frm().Fixes->DeleteDuplicate->trigger();
         }},
        {"restore", none,
         [](Run& r) {
             assign(r, 3, QStringLiteral("monza2001.dat"));
             r.answer(true);
             r.frm().Exporting->Export_Click();
         },
         none,
         [](Run& r) {
             r.answer(true);
             r.frm().RestoreLast->trigger();
         }},
        {"revert", none,
         [](Run& r) {
             // Two changes: the export is reverted, the later rename touches other files.
             assign(r, 3, QStringLiteral("monza2001.dat"));
             r.answer(true);
             r.frm().Exporting->Export_Click();
             select(r, QStringLiteral("spa98.DAT"));
             r.answer(QStringLiteral("Spa renamed"));
             r.frm().Lists->Rename->trigger();
         },
         none,
         [](Run& r) {
             const QList<gamebackup::Change> changes =
                 gamebackup::history(gamebackup::backupsFolder(r.program.bas));
             for (const gamebackup::Change& c : changes)
                 if (c.command.startsWith(QLatin1String("Export"))) {
                     r.answer(true);
                     RevertChange(r.frm(), *r.frm().Panel, *r.frm().Lists, *r.frm().Packs, c,
                                  QStringLiteral("Revert ") + c.command);
                     return;
                 }
             say("said", QStringLiteral("no export to revert"));
         }},
        {"log import", none, none, none, [](Run& r) { r.frm().ImportLog(); }},
        {"setups to the game", none, none, none,
         [](Run& r) { r.frm().Setups->ExportSetups->click(); }},
        {"setups from the game", none, none, none,
         [](Run& r) { r.frm().Setups->ImportSetups->click(); }},
        {"circuit list csv", none, none, none,
         [](Run& r) {
             r.answer(r.out(QStringLiteral("circuits.csv")));
             r.frm().Lists->ExportList_Click();
         }},
        {"lap time csv", none, none, none,
         [](Run& r) {
             LapTimeTable grid(r.frm(), r.frm().Databases->DbCombo->currentText(), &r.frm());
             grid.load();
             r.answer(r.out(QStringLiteral("times.csv")));
             grid.TableCsv_Click();
         }},
        {"health cache", none, none, none, none, true,
         [](Run& r) {
             // The start of "run" finds no cache and writes one.
             QFile::remove(health::FactsCache::fileIn(r.dir + QStringLiteral("/app")));
         }},
        {"database upgrade", none, none, none, none, true,
         [](Run& r) {
             // An older layout: the start of "run" brings it up to date.
             auto db = Database::open(r.dir + QStringLiteral("/app/pso.mdb"));
             auto params = db->openTable(QStringLiteral("Parameters"));
             params->moveFirst();
             params->edit();
             params->setValue(QStringLiteral("Version"), 100);
             params->update();
             db->close();
         }},
    };
    return all;
}

const Command* commandNamed(const QString& name) {
    for (const Command& c : commands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

fault_kind kindNamed(const QString& name) {
    static const QMap<QString, fault_kind> kinds{{"none", FAULT_NONE},
                                                 {"write", FAULT_WRITE},
                                                 {"fsync", FAULT_FSYNC},
                                                 {"rename", FAULT_RENAME},
                                                 {"open", FAULT_OPEN}};
    return kinds.value(name, FAULT_KINDS);
}

int runCommand(const QStringList& args, HeadlessProgram& program) {
    const Command* command = commandNamed(args.at(2));
    if (!command)
        return 2;
    Run r{args.at(3), program, {}};
    if (args.at(1) == QLatin1String("prepare")) {
        QDir().mkpath(r.in({}));
        QDir().mkpath(r.out({}));
        command->files(r);
        program.start();
        waitForColumns(r.frm());
        command->prepare(r);
        waitForColumns(r.frm());
        program.stop();
        if (command->left)
            command->left(r);
        say("end");
        return 0;
    }
    if (args.value(4) == QLatin1String("setup")) {
        if (!command->atStart) {
            program.start();
            waitForColumns(r.frm());
            command->setUp(r);
            waitForColumns(r.frm());
            program.stop();
        }
        say("end");
        return 0;
    }
    const fault_kind kind = kindNamed(args.value(4));
    if (kind == FAULT_KINDS || fault_arm(kind, args.value(5).toInt()) != 0) {
        std::fprintf(stderr, "fault_child: no fault point (is fiu_posix_preload.so preloaded?)\n");
        return 2;
    }
    program.dialogs.answers.clear();
    // A failure that ends the program (a database that cannot be made or updated) is said
    // before the end: the run is then checked as any other.
    bool ended = false;
    try {
        if (command->atStart)
            fault_start();
        program.start();
        waitForColumns(r.frm());
        if (!command->atStart) {
            command->setUp(r);
            program.dialogs.shown.clear();
            program.dialogs.kinds.clear();
            fault_start();
            command->command(r);
            waitForColumns(r.frm());
        }
    } catch (const ProgramEnded&) {
        ended = true;
    }
    fault_stop();
    for (fault_kind k : {FAULT_WRITE, FAULT_FSYNC, FAULT_RENAME, FAULT_OPEN})
        std::printf("count %s %d\n", std::array{"none", "write", "fsync", "rename", "open"}[k],
                    fault_count(k));
    std::printf("injected %d\n", fault_injected());
    for (const QString& text : program.dialogs.messages() + r.texts)
        say("said", QString(text)
                        .replace(QStringLiteral("\r\n"), QStringLiteral(" / "))
                        .replace(QLatin1Char('\n'), QStringLiteral(" / ")));
    if (ended)
        say("said", QStringLiteral("(the program ended)"));
    else
        program.stop();
    say("end");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && argv[1] == std::string_view("list")) {
        for (const Command& c : commands())
            std::printf("%s\n", c.name);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!(args.size() == 4 && args.at(1) == QLatin1String("prepare")) &&
        !(args.size() == 6 && args.at(1) == QLatin1String("run"))) {
        std::fprintf(stderr, "usage: fault_child prepare <command> <runDir>\n"
                             "       fault_child run <command> <runDir> <kind> <nth>\n");
        return 2;
    }
    scratchsettings::use(args.at(3) + QStringLiteral("/../settings"));
    HeadlessProgram program(args.at(3) + QStringLiteral("/app"));
    try {
        return runCommand(args, program);
    } catch (const ProgramEnded&) {
        say("ended");
        return 3;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fault_child: %s\n", e.what());
        return 1;
    }
}
