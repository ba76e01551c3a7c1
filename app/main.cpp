// pso: the circuit and lap time manager.
#include "app/program.h"

#include <QApplication>

using namespace pistaro;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The per-user data folder is named after the application alone: ~/.local/share/pistaro.
    QCoreApplication::setApplicationName(QStringLiteral("pistaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pistaro.Pistaro"));
    // QApplication has taken its own options out; what is left is the database name.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return runProgram(QCoreApplication::applicationDirPath(), arguments);
}
