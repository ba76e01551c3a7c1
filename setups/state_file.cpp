#include "setups/state_file.h"

#include "platform/binfile.h"
#include "platform/gamepath.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& text) {
    throw std::runtime_error(text.toStdString());
}

void checkSlot(int slot) {
    if (slot < 1 || slot > statefile::kSetupSlots)
        fail(QStringLiteral("no setup slot %1").arg(slot));
}

void checkFile(const QString& path) {
    const QString why = statefile::refusal(path);
    if (!why.isEmpty())
        fail(why);
}

} // namespace

namespace statefile {

QString path(const QString& gp2Dir) {
    return gamepath::join(gp2Dir, QStringLiteral("f1gstate.sav"));
}

qint64 setupPosition(int slot) {
    checkSlot(slot);
    return kSetupOffset + (slot - 1) * kSetupRecordSize + 1;
}

QString refusal(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        return shown + QStringLiteral(" was not found");
    if (!info.isFile())
        return shown + QStringLiteral(" is not a file");
    if (info.size() < kMinimumLength)
        return shown +
               QStringLiteral(" is too short to hold the car setups (%1 bytes)").arg(info.size());
    return {};
}

QList<QByteArray> readSetups(const QString& path) {
    checkFile(path);
    const qint64 areaSize = kSetupSlots * kSetupRecordSize;
    const std::optional<QByteArray> area = binfile::readAt(path, setupPosition(1), areaSize);
    if (!area)
        fail(QDir::toNativeSeparators(path) + QStringLiteral(" cannot be read"));
    if (area->size() != areaSize)
        fail(QDir::toNativeSeparators(path) + QStringLiteral(" ended inside the car setups"));
    QList<QByteArray> setups;
    for (int slot = 0; slot < kSetupSlots; ++slot)
        setups << area->mid(slot * kSetupRecordSize, kSetupRecordSize);
    return setups;
}

void writeSetup(const QString& path, int slot, const QByteArray& setup) {
    const qint64 position = setupPosition(slot);
    if (setup.size() != kSetupRecordSize)
        fail(QStringLiteral("the stored setup holds %1 bytes instead of %2")
                 .arg(setup.size())
                 .arg(kSetupRecordSize));
    // Checked at every write: a file cut short meanwhile must not be grown.
    checkFile(path);
    QString error;
    if (!binfile::writeAt(path, position, setup, &error))
        fail(error);
}

} // namespace statefile
