#include "gamedir/emulators.h"

#include "platform/program_settings.h"

#include <QCoreApplication>
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

namespace {

// DOSBox keeps a cycle count in a signed 32-bit number; 0 and below it replaces by 3000.
constexpr qint64 kMostCycles = 2147483647;

QString forms() {
    return QCoreApplication::translate("emulators", "Use max, auto, fixed and a number, or a "
                                                    "number of cycles such as 30000.");
}

// The count of `word`, a run of digits from 1 to kMostCycles; 0 for anything else.
qint64 cycleCount(const QString& word) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    if (!digits.match(word).hasMatch())
        return 0;
    const qint64 n = word.toLongLong();
    return n <= kMostCycles ? n : 0;
}

QString countRefusal(const QString& word) {
    return QCoreApplication::translate("emulators",
                                       "\"%1\" is no number of cycles DOSBox takes: from 1 to %2.")
        .arg(word, QString::number(kMostCycles));
}

// The optional parameters of auto and max from `at` on, in the order DOSBox's read-me gives:
// [real mode cycles (auto only)] [protected mode percentage%] [limit cycles].
QString parametersRefusal(const QStringList& words, qsizetype at, bool realMode) {
    if (realMode && at < words.size() && !words.at(at).endsWith(u'%') &&
        words.at(at) != QLatin1String("limit")) {
        if (cycleCount(words.at(at)) == 0)
            return countRefusal(words.at(at));
        ++at;
    }
    if (at < words.size() && words.at(at).endsWith(u'%')) {
        const QString percent = words.at(at).chopped(1);
        if (cycleCount(percent) == 0 || cycleCount(percent) > 100)
            return QCoreApplication::translate("emulators",
                                               "\"%1\" is no share DOSBox takes: from 1% to 100%.")
                .arg(words.at(at));
        ++at;
    }
    if (at < words.size() && words.at(at) == QLatin1String("limit")) {
        if (at + 1 >= words.size())
            return QCoreApplication::translate("emulators",
                                               "\"limit\" needs a number of cycles after it, "
                                               "such as limit 50000.");
        if (cycleCount(words.at(at + 1)) == 0)
            return countRefusal(words.at(at + 1));
        at += 2;
    }
    if (at < words.size())
        return QCoreApplication::translate("emulators", "\"%1\" is not read by DOSBox there. %2")
            .arg(words.at(at), forms());
    return {};
}

} // namespace

QString cyclesRefusal(const QString& cycles) {
    const QString text = cycles.trimmed();
    if (text.isEmpty())
        return {};
    // Only letters, digits, blanks and '%': nothing can end the line or start another setting.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9 %]+$"));
    if (!plain.match(text).hasMatch())
        return QCoreApplication::translate("emulators",
                                           "Only letters, digits, blanks and % are read there. ") +
               forms();
    const QStringList words = text.toLower().split(u' ', Qt::SkipEmptyParts);
    const QString& first = words.constFirst();
    if (first == QLatin1String("max"))
        return parametersRefusal(words, 1, false);
    if (first == QLatin1String("auto"))
        return parametersRefusal(words, 1, true);
    if (first == QLatin1String("fixed")) {
        if (words.size() != 2)
            return QCoreApplication::translate("emulators",
                                               "\"fixed\" takes one number of cycles after "
                                               "it, such as fixed 30000.");
        return cycleCount(words.at(1)) == 0 ? countRefusal(words.at(1)) : QString();
    }
    if (first.front().isDigit()) {
        if (cycleCount(first) == 0)
            return countRefusal(first);
        return words.size() == 1 ? QString()
                                 : QCoreApplication::translate(
                                       "emulators", "\"%1\" is not read by DOSBox there. %2")
                                       .arg(words.at(1), forms());
    }
    return QCoreApplication::translate("emulators", "\"%1\" is not a DOSBox cycles setting. %2")
        .arg(first, forms());
}

bool cyclesAccepted(const QString& cycles) {
    return !cycles.trimmed().isEmpty() && cyclesRefusal(cycles).isEmpty();
}

QString dosCycles() {
    // A text stored before it was checked ("fast") would run the game at 3000 cycles.
    const QString set = stored(kCyclesKey);
    return cyclesAccepted(set) ? set : QStringLiteral("max");
}

void setDosCycles(const QString& cycles) {
    // Stored as DOSBox reads it best: lower case, one blank between words.
    store(kCyclesKey, cycles.simplified().toLower());
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
