// screenshot [--screen] [--language <ll>] <outdir>: starts the main window on a generated sample
// game, offscreen, and writes main_window.png, setup_dialog.png, about_box.png, lap_time_table.png
// (with a track's history), lap_time_table_no_history.png and record_status.png into <outdir>, and
// export_summary.png and long_summary.png, the message an Export ends with where
// gp2hipic is not set up and one listing many failures, then history.png (with that Export)
// and help_window.png; with --screen (on a display, e.g. under Xvfb) also screen.png, the whole
// screen with the main window where the start placed it. Message boxes are answered by a
// script, so nothing waits for a user. QT_SCALE_FACTOR=1.25 shows the windows at 125 %; --language
// de shows them in German (any language the program is translated into).
#include "app/about_dialog.h"
#include "app/help_page.h"
#include "app/help_window.h"
#include "app/history_dialog.h"
#include "app/main_window.h"
#include "laptimes/lap_history.h"
#include "laptimes/ui/lap_time_table.h"
#include "laptimes/ui/recording_window.h"
#include "packs/ui/exporter.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/command_summary.h"
#include "platform/progress.h"
#include "platform/ui/qt_dialogs.h"
#include "storage/ui/database_list.h"
#include "storage/ui/lap_time_database.h"
#include "storage/ui/setup_dialog.h"
#include "tests/fixtures/headless/headless_program.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/fixtures/samplegame/sample_game.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "ui/language.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <tuple>

using namespace pistaro;

namespace {

bool save(QWidget& w, const QString& path) {
    w.show();
    // Let the layouts settle and the window paint.
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
    const bool ok = w.grab().save(path, "PNG");
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(path), w.width(),
                w.height());
    return ok;
}

// Runs `show`, which opens a modal box, saves the box once it is up and closes it.
bool saveModal(const std::function<void()>& show, const QString& path) {
    bool ok = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        poll.stop();
        ok = save(*box, path);
        box->close();
    });
    poll.start(50);
    show();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings of their own: the windows open as a first run shows them, and the sizes they
    // keep when hidden stay out of the user's settings.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool wholeScreen = args.removeAll(QStringLiteral("--screen")) > 0;
    QString language;
    if (const qsizetype at = args.indexOf(QStringLiteral("--language"));
        at > 0 && at + 1 < args.size()) {
        language = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: screenshot [--screen] [--language <ll>] <outdir>\n");
        return 2;
    }
    const QString out = QDir(args[1]).absolutePath();
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "screenshot: cannot make %s\n", qPrintable(out));
        return 1;
    }

    QTemporaryDir tmp;
    const QString gameDir = samplegame::write(tmp.filePath(QStringLiteral("game")));
    const QString appDir = QDir::toNativeSeparators(tmp.filePath(QStringLiteral("app")));
    QString error;
    if (!sampleapp::prepare(appDir, QStringLiteral(PSO_APPDIR), gameDir, QStringLiteral("pso.mdb"),
                            {}, &error)) {
        std::fprintf(stderr, "screenshot: %s\n", qPrintable(error));
        return 1;
    }

    HeadlessProgram program(appDir);
    if (!language.isEmpty()) {
        // The program speaks the language a desktop in that language would get.
        qputenv("LANGUAGE", language.toLocal8Bit());
        if (language::apply().code != language) {
            std::fprintf(stderr, "screenshot: no translation for %s\n", qPrintable(language));
            return 1;
        }
    }
    Gp2PsoBas& bas = program.bas;
    MainWindow& frm = program.start();
    frm.show();
    // A circuit selected, as after the first click: the panel and menu pictures filled.
    frm.Lists->File1->setListIndex(frm.Lists->File1->indexOf(QStringLiteral("f1ct07.dat")));

    bool ok = save(frm, out + QStringLiteral("/main_window.png"));
    if (wholeScreen) {
        const QString path = out + QStringLiteral("/screen.png");
        const bool saved = frm.screen()->grabWindow(0).save(path, "PNG");
        std::printf("%s %s (window at %d,%d %dx%d)\n", saved ? "wrote" : "FAILED", qPrintable(path),
                    frm.frameGeometry().x(), frm.frameGeometry().y(), frm.frameGeometry().width(),
                    frm.frameGeometry().height());
        ok = saved && ok;
    }
    // The dialogs are children of the window: they go before it does.
    {

        SetupDialog* setup = frm.Setting->setupDialog();
        ok = save(*setup, out + QStringLiteral("/setup_dialog.png")) && ok;
        setup->hide();

        AboutDialog about(&frm, [](const QString&) {});
        ok = save(about, out + QStringLiteral("/about_box.png")) && ok;
        about.hide();

        // A few recorded times, so the table shows what it is for.
        const QList<QStringList> times = {
            {"Magny Cours", "1:18.204", "1:17.655", "1:16.981", "1:19.030"},
            {"Monza", "1:26.512", "", "1:24.870", "1:27.118"},
            {"Adelaide", "", "1:16.005", "1:15.381", ""},
        };
        for (const QStringList& t : times) {
            bas.TracksRs->setIndex(QStringLiteral("Name"));
            bas.TracksRs->seek(QStringLiteral("="), t[0]);
            if (bas.TracksRs->noMatch())
                continue;
            bas.TracksRs->edit();
            const QStringList& fields = LapTimeTable::columnFields();
            for (int column = 1; column < fields.size(); ++column)
                bas.TracksRs->setValue(fields[column], t[column]);
            bas.TracksRs->update();
        }

        // A season of records at Monza, so the history has something to list and chart.
        {
            auto history = bas.Db->openTable(QStringLiteral("History"));
            const QDateTime start(QDate(2026, 3, 1), QTime(20, 0));
            const QList<std::tuple<int, TimeField, const char*, const char*>> records = {
                {0, TimeField::Qualifying, "1:26.040", ""},
                {0, TimeField::Race, "1:28.313", ""},
                {9, TimeField::Qualifying, "1:25.517", "1:26.040"},
                {23, TimeField::Race, "1:27.118", "1:28.313"},
                {40, TimeField::Qualifying, "1:24.870", "1:25.517"},
            };
            for (const auto& [day, session, time, before] : records)
                appendHistory(*history,
                              {QStringLiteral("Monza"), session, QString::fromLatin1(time),
                               QString::fromLatin1(before), start.addDays(day)});
        }
        LapTimeTable grid(frm, frm.Databases->DbCombo->currentText(), &frm);
        grid.load();
        const auto monza = grid.DBGrid1->findItems(QStringLiteral("Monza"), Qt::MatchExactly);
        if (!monza.isEmpty())
            grid.DBGrid1->setCurrentCell(monza.first()->row(), 0);
        ok = save(grid, out + QStringLiteral("/lap_time_table.png")) && ok;
        // A track with no history.
        const auto adelaide = grid.DBGrid1->findItems(QStringLiteral("Adelaide"), Qt::MatchExactly);
        if (!adelaide.isEmpty())
            grid.DBGrid1->setCurrentCell(adelaide.first()->row(), 0);
        ok = save(grid, out + QStringLiteral("/lap_time_table_no_history.png")) && ok;
        grid.hide();

        // Record Status once a reading is done, with its longest usual line.
        RecordingWindow status(&frm);
        status.begin();
        status.addRecord(QStringLiteral("Monza"), QStringLiteral("1:23.999"),
                         QStringLiteral("Quick/non-championship/championship race"),
                         TimeField::Race, QStringLiteral("1:24.500"));
        status.addRecord(QStringLiteral("Adelaide"), QStringLiteral("1:15.381"),
                         QStringLiteral("Unlimited practice"), TimeField::Practice, QString());
        status.finish(1218);
        ok = save(status, out + QStringLiteral("/record_status.png")) && ok;
        status.hide();

        // An export where gp2hipic is not set up; its summary is shown in the real box.
        frm.Slots->List1->setCurrentRow(2);
        frm.Packs->Change_Click();
        program.dialogs.answers << true;
        frm.Exporting->Export_Click();
        QtDialogs dialogs(&frm);
        ok = saveModal([&] { dialogs.message(program.dialogs.shown.last()); },
                       out + QStringLiteral("/export_summary.png")) &&
             ok;
        CommandSummary many;
        many.done(QStringLiteral("16 circuits were copied into their slots."));
        many.failed(QStringLiteral("The menu names and lap counts were not written into "
                                   "GP2.EXE: the file is missing"));
        for (int slot = 1; slot <= 16; ++slot)
            for (const char* which : {"large", "small"})
                many.failed(QStringLiteral("Menu pictures were not changed: gp2hipic failed "
                                           "(exit status 3)"),
                            QStringLiteral("Slot %1: Circuit %1, %2 picture")
                                .arg(slot)
                                .arg(QLatin1String(which)));
        ok = saveModal([&] { many.show(dialogs, QStringLiteral("Gp2 was updated in part.")); },
                       out + QStringLiteral("/long_summary.png")) &&
             ok;

        // The history with the export just made, and the help page in its window.
        HistoryDialog history(frm, *frm.Panel, *frm.Lists, *frm.Packs, &frm);
        ok = save(history, out + QStringLiteral("/history.png")) && ok;
        history.hide();
        HelpWindow help([](const QString&) {}, &frm);
        help.showPage(helpPage(QStringLiteral(PSO_APPDIR)));
        ok = save(help, out + QStringLiteral("/help_window.png")) && ok;
        help.hide();
    }

    program.stop();
    for (const QString& shown : program.dialogs.shown)
        std::printf("message: %s\n", qPrintable(shown));
    return ok ? 0 : 1;
}
