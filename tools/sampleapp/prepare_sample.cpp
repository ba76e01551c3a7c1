// prepare_sample <appdir> <gamedir> [--no-first-time]: writes a sample game folder and prepares
// the program folder so that pso opens it at its first start. --no-first-time skips the first
// start's copy of the original circuits and its message, for runs that nobody answers.
#include "tools/samplegame/sample_game.h"
#include "tools/sampleapp/sample_app.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool firstTime = !args.contains(QStringLiteral("--no-first-time"));
    if (args.size() != (firstTime ? 3 : 4)) {
        std::fprintf(stderr, "usage: prepare_sample <appdir> <gamedir> [--no-first-time]\n");
        return 2;
    }
    const QString appDir = QDir(args[1]).absolutePath();
    const QString gameDir = QDir(args[2]).absolutePath();
    if (!QFile::exists(gameDir + QStringLiteral("/GP2.EXE")))
        samplegame::write(gameDir);
    if (QFile::exists(appDir + QStringLiteral("/pso.mdb"))) {
        std::printf("%s already prepared\n", qPrintable(appDir));
        return 0;
    }
    QString error;
    // As on a real first start, the game's own circuits are copied to their track names once.
    if (!sampleapp::prepare(appDir, appDir, gameDir, QStringLiteral("pso.mdb"), {}, &error, firstTime)) {
        std::fprintf(stderr, "prepare_sample: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s prepared for the sample game %s\n", qPrintable(appDir), qPrintable(gameDir));
    return 0;
}
