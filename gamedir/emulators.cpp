#include "gamedir/emulators.h"

#include "platform/program_settings.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace emulators {

namespace {

const QString kDosKey = QStringLiteral("Emulators/DOS");
const QString kWindowsKey = QStringLiteral("Emulators/Windows");
const QString kCyclesKey = QStringLiteral("Emulators/DOSCycles");
const QString kFullScreenKey = QStringLiteral("Emulators/DOSFullScreen");
const QString kCdImageKey = QStringLiteral("Emulators/CDImage");

void store(const QString& key, const QString& command) {
    QSettings settings = programSettings();
    if (command.trimmed().isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, command.trimmed());
}

QString stored(const QString& key) {
    QSettings settings = programSettings();
    return settings.value(key).toString().trimmed();
}

} // namespace

QString dosEmulator() {
    const QString set = stored(kDosKey);
    if (!set.isEmpty())
        return set;
    for (const char* name : {"dosbox-staging", "dosbox-x", "dosbox"})
        if (!QStandardPaths::findExecutable(QLatin1String(name)).isEmpty())
            return QLatin1String(name);
    return {};
}

void setDosEmulator(const QString& command) {
    store(kDosKey, command);
}

bool cyclesAccepted(const QString& cycles) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9 %]+$"));
    return plain.match(cycles.trimmed()).hasMatch();
}

QString dosCycles() {
    const QString set = stored(kCyclesKey);
    return cyclesAccepted(set) ? set : QStringLiteral("max");
}

void setDosCycles(const QString& cycles) {
    store(kCyclesKey, cycles);
}

bool dosFullScreen() {
    QSettings settings = programSettings();
    return settings.value(kFullScreenKey, false).toBool();
}

void setDosFullScreen(bool on) {
    QSettings settings = programSettings();
    settings.setValue(kFullScreenKey, on);
}

QString cdImage() {
    return stored(kCdImageKey);
}

void setCdImage(const QString& path) {
    store(kCdImageKey, path);
}

QString windowsEmulator() {
    const QString set = stored(kWindowsKey);
    return set.isEmpty() ? QStringLiteral("wine") : set;
}

void setWindowsEmulator(const QString& command) {
    store(kWindowsKey, command);
}

QString findProgram(const QString& command) {
    if (command.isEmpty())
        return {};
    if (command.contains(QLatin1Char('/'))) {
        const QFileInfo info(command);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(command);
}

} // namespace emulators
