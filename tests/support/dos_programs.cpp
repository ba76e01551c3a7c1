#include "tests/support/dos_programs.h"

#include "gamedir/emulators.h"
#include "tests/support/files.h"
#include "tests/support/scratch_settings.h"

#include <QDir>
#include <QProcess>

#include <stdexcept>

namespace dosprograms {

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
    const QByteArray bytes = readFile(QStringLiteral(PSO_DOS_STANDINS "/") + QLatin1String(name) +
                                      QStringLiteral(".bin"));
    if (bytes.isEmpty())
        throw std::runtime_error(std::string("no DOS stand-in ") + name);
    writeFileOrThrow(path, bytes);
}

void makeIso(const QString& folder, const QString& iso) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(QStringLiteral("genisoimage"),
               {QStringLiteral("-quiet"), QStringLiteral("-o"), iso, folder});
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0)
        throw std::runtime_error("genisoimage could not make " + iso.toStdString());
}

void writePif(const QString& path, const QByteArray& program) {
    QByteArray pif(0x171, '\0'); // the length of a DOS PIF's first section
    pif.replace(0x02, 30, QByteArray(30, ' '));
    pif.replace(0x24, program.size(), program);
    writeFileOrThrow(path, pif);
}

} // namespace dosprograms
