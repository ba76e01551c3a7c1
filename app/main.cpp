// pso: the circuit and lap time manager.
#include "app/program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // QApplication has taken its own options out; what is left is the database name.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return runProgram(QCoreApplication::applicationDirPath(), arguments);
}
