#include "gamedir/emulators.h"

#include "platform/program_settings.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace emulators {

namespace {

const QString kDosKey = QStringLiteral("Emulators/DOS");
const QString kWindowsKey = QStringLiteral("Emulators/Windows");

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
