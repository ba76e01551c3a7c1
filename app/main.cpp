// pso: the circuit and lap time manager.
#include "app/check_command.h"
#include "app/launch_command.h"
#include "app/program.h"
#include "ui/font_warmup.h"
#include "ui/language.h"

#include <QApplication>

#include <cstring>

using namespace pistaro;

int main(int argc, char** argv) {
    // The health check runs without a window, so without a display too.
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("pistaro"));
        language::apply();
        QStringList arguments = QCoreApplication::arguments();
        arguments.remove(0, 2);
        return runCheck(QCoreApplication::applicationDirPath(), arguments);
    }
    fontwarmup::start();
    QApplication app(argc, argv);
    // The per-user data folder is named after the application alone: ~/.local/share/pistaro.
    QCoreApplication::setApplicationName(QStringLiteral("pistaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pistaro.Pistaro"));
    language::apply();
    // QApplication has taken its own options out; what is left is the database name.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    // The game from the desktop: the window's Launch GP2, without the window.
    if (arguments.value(0) == QLatin1String("--launch"))
        return runLaunch(QCoreApplication::applicationDirPath(), arguments.mid(1));
    return runProgram(QCoreApplication::applicationDirPath(), arguments);
}
