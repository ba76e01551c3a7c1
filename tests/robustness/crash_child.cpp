// A run of the program that a test kills on purpose. It runs one long command on a prepared
// program folder and tells on standard output where it is, one line per step, so the test can
// kill it at chosen points of the work and then look at what it left behind.
//
// Usage: crash_child <mode> <appDir>
//   start    starts the program and closes it again (an old database is updated on the way)
//   import   starts, imports the lap timer's log, closes
//   export   starts, assigns addon01.dat .. addon16.dat to the 16 slots, exports, closes
//   restore  starts, restores the last change (answering Yes), closes
//   makedb   makes pso.mdb and then Maps.mdb, without a window
// Lines: "begin" before the command, "line1 <text>" / "line2 <text>" for each text of the
// Status window; when the command is done, "said <text>" for each message shown (its lines
// joined by " / "), then "end"
// ("ended" when the program ended itself).
#include "app/main_window.h"
#include "packs/ui/exporter.h"
#include "packs/ui/slot_list.h"
#include "platform/program_end.h"
#include "platform/scripted_dialogs.h"
#include "storage/gp2psobas.h"
#include "storage/make_database.h"
#include "tests/fixtures/headless/headless_program.h"
#include "trackfile/ui/circuit_lists.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <cstdio>

using namespace pistaro;

namespace {

void say(const char* kind, const QString& text = {}) {
    if (text.isEmpty())
        std::printf("%s\n", kind);
    else
        std::printf("%s %s\n", kind, qPrintable(QString(text).replace(QLatin1Char('\n'), u' ')));
    std::fflush(stdout);
}

// The Status window as lines on standard output: each step of a long command sets one.
class PrintingStatus final : public StatusSink {
public:
    void showStatus() override {}
    void hideStatus() override {}
    void setLine1(const QString& t) override {
        l1 = t;
        say("line1", t);
    }
    void setLine2(const QString& t) override {
        l2 = t;
        say("line2", t);
    }
    QString line1() const override { return l1; }
    QString line2() const override { return l2; }
    void pump() override { QCoreApplication::processEvents(); }

private:
    QString l1, l2;
};

void run(const QString& mode, HeadlessProgram& program) {
    Gp2PsoBas& bas = program.bas;
    program.dialogs.answers << true; // "Update your Gp2 files on selected circuits?"

    if (mode == QLatin1String("makedb")) {
        say("begin");
        bas.StatusText = QStringLiteral("Please wait, making database...");
        MakeDatabase(bas, QStringLiteral("pso.mdb"));
        MakeDatabase(bas, QStringLiteral("Maps.mdb"));
    } else {
        if (mode == QLatin1String("start"))
            say("begin");
        MainWindow& frm = program.start();
        if (mode == QLatin1String("import")) {
            say("begin");
            frm.ImportLog();
        } else if (mode == QLatin1String("export")) {
            for (int slot = 1; slot <= 16; ++slot) {
                frm.Slots->assign(
                    slot, QStringLiteral("addon%1.dat").arg(slot, 2, 10, QLatin1Char('0')), {});
            }
            say("begin");
            frm.Exporting->Export_Click();
        } else if (mode == QLatin1String("restore")) {
            say("begin");
            frm.RestoreLast->trigger();
        }
        program.stop();
    }
}

void sayMessages(const ScriptedDialogs& dialogs) {
    // One line each: a message of several lines has them joined by " / ".
    for (const QString& text : dialogs.messages())
        say("said", QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" / ")));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: crash_child start|import|export|restore|makedb <appDir>\n");
        return 2;
    }
    PrintingStatus status; // made first: it outlives the window
    HeadlessProgram program(args.at(2));
    program.useStatus(status);
    const ScriptedDialogs& dialogs = program.dialogs;
    try {
        run(args.at(1), program);
        sayMessages(dialogs);
        say("end");
        return 0;
    } catch (const ProgramEnded&) {
        sayMessages(dialogs);
        say("ended");
        return 3;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "crash_child: %s\n", e.what());
        return 1;
    }
}
