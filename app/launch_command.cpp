#include "app/launch_command.h"

#include "app/main_window.h"
#include "app/program.h"
#include "laptimes/ui/launcher.h"
#include "packs/pack_folder.h"
#include "packs/pack_name.h"
#include "packs/ui/exporter.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/gamepath.h"
#include "platform/program_end.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace pistaro {

namespace {

constexpr int kSlots = 16;

QString usage() {
    return QCoreApplication::translate("launch",
                                       "Use: pso --launch [--pack \"pack name\"] [database]");
}

// Why `pack` of the game folder cannot be raced; "" when it can.
QString packProblem(const QString& gameDir, const QString& pack) {
    const QString circuits = gamepath::circuitsFolder(gameDir);
    const QString folder = packFolder(circuits, pack);
    if (!QFileInfo(folder).isDir())
        return QCoreApplication::translate("launch", "The Track Pack '%1' was not found: there is "
                                                     "no folder %2. GP2 was not started.")
            .arg(pack, QDir::toNativeSeparators(folder));
    const QList<MissingPackFile> missing = missingPackFiles(circuits, pack);
    if (!missing.isEmpty())
        return QCoreApplication::translate("launch", "The Track Pack '%1' lacks circuits, so GP2 "
                                                     "was not started. %2")
            .arg(pack, missingPackSummary(circuits, pack, missing));
    return {};
}

// What the launch left open (the window of new records) stays until the player closes it.
void waitForOpenWindows(const QWidget& main) {
    const auto open = [&main] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.cbegin(), windows.cend(),
                           [&main](const QWidget* w) { return w != &main && w->isVisible(); });
    };
    if (!open())
        return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!open())
            loop.quit();
    });
    poll.start(200);
    loop.exec();
}

} // namespace

LaunchRequest parseLaunch(const QStringList& arguments) {
    LaunchRequest out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--pack")) {
            if (i + 1 >= arguments.size() || !out.pack.isEmpty()) {
                out.error = usage();
                return out;
            }
            out.pack = arguments.at(++i).trimmed();
            // A pack is named, never reached by a path.
            if (!isSafePackName(out.pack)) {
                out.error = packNameRefusal(out.pack);
                return out;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            out.error = usage();
            return out;
        } else {
            out.rest << a;
        }
    }
    return out;
}

int launchGame(MainWindow& frm, const QString& pack) {
    WindowServices& services = frm;
    if (!pack.isEmpty()) {
        const QString problem = packProblem(services.bas().Gp2Dir, pack);
        if (!problem.isEmpty()) {
            services.dialogs().message(problem);
            return 1;
        }
        frm.Packs->SelectedPack->setEditText(pack);
        frm.Packs->UpdTp_Click();
        // A slot View Pack could not fill (it said why) would race another circuit.
        for (int slot = 1; slot <= kSlots; ++slot)
            if (frm.Slots->lineUp().at(slot).file.isEmpty())
                return 1;
        if (!frm.Exporting->ExportUnasked())
            return 1;
    }
    // What Export had to say comes after the game, which starts at once.
    const bool ran = frm.Launching->Launch();
    frm.Exporting->showHeldReport();
    return ran ? 0 : 1;
}

int runLaunch(const QString& exeDir, const QStringList& arguments) {
    const LaunchRequest request = parseLaunch(arguments);
    return runWithMainWindow(exeDir, request.error, [&](MainWindow& frm) {
        frm.Form_Load(request.rest);
        const int status = launchGame(frm, request.pack);
        waitForOpenWindows(frm);
        frm.Form_Unload();
        return status;
    });
}

} // namespace pistaro
