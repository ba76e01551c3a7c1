#include "setups/state_file.h"

#include "platform/binfile.h"
#include "platform/gamepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& text) {
    throw std::runtime_error(text.toStdString());
}

void checkSlot(int slot) {
    if (slot < 1 || slot > statefile::kSetupSlots)
        fail(QCoreApplication::translate("statefile", "no setup slot %1").arg(slot));
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
        return QCoreApplication::translate("statefile", "%1 was not found").arg(shown);
    if (!info.isFile())
        return QCoreApplication::translate("statefile", "%1 is not a file").arg(shown);
    if (info.size() < kMinimumLength)
        return QCoreApplication::translate("statefile",
                                           "%1 is too short to hold the car setups (%2 bytes)")
            .arg(shown, QString::number(info.size()));
    return {};
}

QList<QByteArray> readSetups(const QString& path) {
    checkFile(path);
    const qint64 areaSize = kSetupSlots * kSetupRecordSize;
    const std::optional<QByteArray> area = binfile::readAt(path, setupPosition(1), areaSize);
    if (!area)
        fail(QCoreApplication::translate("statefile", "%1 cannot be read")
                 .arg(QDir::toNativeSeparators(path)));
    if (area->size() != areaSize)
        fail(QCoreApplication::translate("statefile", "%1 ended inside the car setups")
                 .arg(QDir::toNativeSeparators(path)));
    QList<QByteArray> setups;
    for (int slot = 0; slot < kSetupSlots; ++slot)
        setups << area->mid(slot * kSetupRecordSize, kSetupRecordSize);
    return setups;
}

void writeSetup(const QString& path, int slot, const QByteArray& setup) {
    const qint64 position = setupPosition(slot);
    if (setup.size() != kSetupRecordSize)
        fail(QCoreApplication::translate("statefile",
                                         "the stored setup holds %1 bytes instead of %2")
                 .arg(setup.size())
                 .arg(kSetupRecordSize));
    // Checked at every write: a file cut short meanwhile must not be grown.
    checkFile(path);
    QString error;
    if (!binfile::writeAt(path, position, setup, &error))
        fail(error);
}

} // namespace statefile
