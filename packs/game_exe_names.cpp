#include "packs/game_exe_names.h"

#include "gamedir/game_dir.h"
#include "packs/names_area.h"
#include "packs/slot_entry.h"
#include "platform/binfile.h"
#include "platform/gamepath.h"
#include "storage/gp2psobas.h"

#include <QCoreApplication>
#include <QFile>

ExeNamesResult writeExeNames(Gp2PsoBas& bas, const QStringList& names16,
                             const QStringList& countries16, const QList<int>& laps16) {
    const QString exe = gamepath::join(bas.Gp2Dir, QStringLiteral("gp2.exe"));
    const auto refused = [](const QString& why) {
        ExeNamesResult result;
        result.error = why;
        return result;
    };
    {
        // Read and write, never truncate or make: only whether writing is allowed is asked.
        QFile probe(exe);
        if (!probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
            if (!probe.exists())
                return refused(QCoreApplication::translate("gameexenames", "the file is missing"));
            ExeNamesResult result = refused(probe.errorString());
            result.writeFailed = true;
            return result;
        }
    }
    const QString unknown = QCoreApplication::translate(
        "gameexenames", "the edition of the game program is not recognised");
    const QString tooShort =
        QCoreApplication::translate("gameexenames", "the file is too short to hold them");
    // A previous detection must not decide where this file is written.
    bas.NamesPos = 0;
    bas.LapsPos = 0;
    try {
        DetectGp2Version(bas);
    } catch (const Gp2ExeError& e) {
        return refused(QString::fromStdString(e.what()));
    }
    if (bas.NamesPos == 0)
        return refused(unknown);

    const std::optional<QByteArray> first = binfile::readAt(exe, bas.NamesPos, 1);
    const std::optional<QByteArray> oldLaps =
        binfile::readAt(exe, qint64(bas.LapsPos) + 1, kSlotCount);
    if (!first || first->size() != 1 || !oldLaps || oldLaps->size() != kSlotCount)
        return refused(tooShort);
    const QByteArray stream = namesAreaStream(names16, countries16, first->at(0));
    const qint64 length = binfile::length(exe);
    if (qint64(bas.NamesPos) + stream.size() > length)
        return refused(tooShort);

    const LapBytes laps = lapBytes(laps16);
    QByteArray lapBlock = *oldLaps;
    for (int i = 0; i < kSlotCount; ++i)
        if (const std::optional<char>& b = laps.perSlot.value(i))
            lapBlock[i] = *b;

    ExeNamesResult result;
    result.refusedSlots = laps.refusedSlots;
    // The names and the lap counts are two writes in place: when either fails, the old bytes
    // of both are written back, so the game never gets new names with the old lap counts.
    const std::optional<QByteArray> oldNames =
        binfile::readAt(exe, qint64(bas.NamesPos) + 1, stream.size());
    if (!oldNames)
        return refused(tooShort);
    QString error;
    result.written = binfile::writeAt(exe, qint64(bas.NamesPos) + 1, stream, &error) &&
                     binfile::writeAt(exe, qint64(bas.LapsPos) + 1, lapBlock, &error);
    if (!result.written) {
        result.writeFailed = true;
        result.error =
            error.isEmpty() ? QCoreApplication::translate("gameexenames", "write error") : error;
        QString undoError;
        if (!binfile::writeAt(exe, qint64(bas.NamesPos) + 1, *oldNames, &undoError) ||
            !binfile::writeAt(exe, qint64(bas.LapsPos) + 1, *oldLaps, &undoError))
            result.error +=
                QCoreApplication::translate(
                    "gameexenames",
                    "; the old names could not be written back either (%1): Restore puts GP2.EXE "
                    "back")
                    .arg(undoError);
    }
    return result;
}
