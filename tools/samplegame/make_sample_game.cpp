// make_sample_game <dir> [--edition N]: writes a synthetic game folder into <dir> and
// prints its path. N is a row of the edition table (1..7), 0 for an unrecognised GP2.EXE.
#include "tools/samplegame/sample_game.h"

#include <QString>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    const char* usage = "usage: %s <dir> [--edition N]\n";
    QString dir;
    samplegame::Options options;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--edition") && i + 1 < argc) {
            bool ok = false;
            options.edition = QString::fromLocal8Bit(argv[++i]).toInt(&ok);
            if (!ok || options.edition < 0 || options.edition > 7) {
                std::fprintf(stderr, "%s: edition must be 0 to 7\n", argv[0]);
                return 1;
            }
        } else if (dir.isEmpty() && !arg.startsWith(QLatin1String("--"))) {
            dir = arg;
        } else {
            std::fprintf(stderr, usage, argv[0]);
            return 1;
        }
    }
    if (dir.isEmpty()) {
        std::fprintf(stderr, usage, argv[0]);
        return 1;
    }
    try {
        const QString written = samplegame::write(dir, options);
        std::printf("%s\n", written.toLocal8Bit().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
