#include "tests/support/dos_programs.h"

#include "gamedir/emulators.h"
#include "tests/support/scratch_settings.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace dosprograms {

namespace {
void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}
} // namespace

void useScratchHome(const QString& scratch, const QString& emulator) {
    QDir().mkpath(scratch + QStringLiteral("/config"));
    qputenv("HOME", scratch.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (scratch + QStringLiteral("/config")).toLocal8Bit());
    scratchsettings::use(scratch + QStringLiteral("/config"));
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    emulators::setDosEmulator(emulator);
}

void install(const char* name, const QString& path) {
    const QByteArray bytes =
        read(QStringLiteral(PSO_DOS_STANDINS "/") + QLatin1String(name) + QStringLiteral(".bin"));
    if (bytes.isEmpty())
        throw std::runtime_error(std::string("no DOS stand-in ") + name);
    write(path, bytes);
}

void writePif(const QString& path, const QByteArray& program) {
    QByteArray pif(0x171, '\0'); // the length of a DOS PIF's first section
    pif.replace(0x02, 30, QByteArray(30, ' '));
    pif.replace(0x24, program.size(), program);
    write(path, pif);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace dosprograms
