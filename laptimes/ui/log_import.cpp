// Import of the lap timer's log: each slot line reads that slot's circuit to learn its track
// name; each session's best lap time that beats the stored one is filed, kept in the history
// and listed in the record window. A log is read once: what an import read is noted with it.
#include "laptimes/ui/log_import.h"

#include "laptimes/ui/recording_window.h"

#include "laptimes/best_time_store.h"
#include "laptimes/kept_log.h"
#include "laptimes/log_parser.h"
#include "laptimes/ui/recording_view.h"
#include "laptimes/usage_statistics.h"
#include "packs/slot_entry.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "platform/shown_text.h"
#include "storage/catalogue_names.h"
#include "storage/record_lookup.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace pistaro {

LogImport::LogImport(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                     QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), lists_(lists) {
    setObjectName(QStringLiteral("LogImport"));
    GetGp2Lap = named(new QPushButton(tr("&Get Time from GP2LAP.LOG"), parent), "GetGp2Lap");
    connect(GetGp2Lap, &QPushButton::clicked, this, GUARDED_COMMAND(GetGp2Lap_Click));
}

namespace {

// Knows the track name of each slot after reading the slot's circuit once: the slot files
// do not change while the log is read, and reading one takes far longer than a log line.
class SlotTracks final {
public:
    SlotTracks(const Gp2PsoBas& bas, const CircuitLists& lists) : bas_(bas), lists_(lists) {}

    // The circuit of the slot; an unrecognised one has no track to file times under, so its
    // laps are skipped.
    const CircuitInfo& circuitOf(int slot) {
        auto it = known_.find(slot);
        if (it == known_.end())
            it = known_.insert(slot,
                               catalogue::readCircuit(
                                   bas_, gamepath::join(lists_.File1->path(), slotFileName(slot))));
        return *it;
    }

private:
    const Gp2PsoBas& bas_;
    const CircuitLists& lists_;
    QHash<int, CircuitInfo> known_;
};

} // namespace

RecordingView& LogImport::recordingWindow() {
    if (!recording_)
        recording_ = new RecordingWindow(services_.window());
    return *recording_;
}

void LogImport::GetGp2Lap_Click() {
    const Result result = Import();
    const QString log =
        shown::path(gamepath::join(services_.bas().Gp2Dir, QStringLiteral("gp2lap.log")));
    if (!result.logRead)
        services_.dialogs().message(
            tr("No lap time was read: there is no readable %1. GP2LAP writes it while you play.")
                .arg(log));
    else if (!result.failure.isEmpty())
        return; // Import has said why
    else if (result.nothingNew)
        services_.dialogs().message(
            tr("Nothing new was found in %1: its lap times were imported before.").arg(log));
    else if (result.times == 0)
        services_.dialogs().message(
            tr("No lap time of a known track and session was found in %1.").arg(log) +
            result.skippedText());
    else if (!result.recorded)
        //: After a count: "1 lap time was" or "3 lap times were" read from the log.
        services_.dialogs().message(
            countOf(result.times, tr("lap time was"), tr("lap times were")) +
            //: After "3 lap times were".
            tr(" read from %1; none beats a stored time.").arg(log) + result.skippedText());
}

QString LogImport::Result::skippedText() const {
    if (skipped == 0)
        return QString();
    //: After a count: "1 line was" or "3 lines were" skipped.
    return Gp2PsoBas::CrLf2 + countOf(skipped, tr("line was"), tr("lines were")) +
           //: After "3 lines were".
           tr(" skipped for a time that is no lap time (m:ss.mmm), the first: \"%1\"")
               .arg(shown::text(firstSkipped));
}

LogImport::Result LogImport::Import() {
    Result result;
    // The main window stays on screen beside the record window: hidden, the program would look
    // closed.
    RecordingView& view = recordingWindow();
    view.begin();
    Gp2PsoBas& bas = services_.bas();
    const QString path = gamepath::join(bas.Gp2Dir, QStringLiteral("gp2lap.log"));

    QByteArray bytes;
    // Only a regular file is opened: a pipe of that name would never end.
    if (QFileInfo(path).isFile()) {
        QFile log(path);
        if (log.open(QIODevice::ReadOnly)) {
            bytes = log.readAll();
            result.logRead = log.error() == QFileDevice::NoError;
        }
    }
    if (result.logRead) {
        try {
            importBytes(bytes, view, result);
        } catch (const ProgramEnded&) {
            throw;
        } catch (const std::exception& e) {
            result.failure = QString::fromStdString(e.what());
            result.recorded = false;
        }
    }
    view.finish(result.times, result.failure.isEmpty() ? result.skippedNote() : QString());
    result.recorded = result.recorded && result.failure.isEmpty();
    // Times the database refused are still in the log: it stays until an import takes them.
    bas.KeepLapLog = !result.failure.isEmpty();
    if (!result.failure.isEmpty()) {
        services_.dialogs().message(
            tr("The lap times of gp2lap.log could not be stored in the database: ") +
            shown::text(result.failure) + Gp2PsoBas::CrLf2 +
            tr("Nothing of this reading was kept. gp2lap.log is kept as it is: it is "
               "neither deleted nor renamed before the next game."));
    } else if (result.logRead && !result.nothingNew) {
        doneWithLog(path);
    }
    panel_.reload();
    return result;
}

void LogImport::importBytes(const QByteArray& bytes, RecordingView& view, Result& result) {
    Gp2PsoBas& bas = services_.bas();
    Recordset& tracks = catalogue::requireOpen(bas.TracksRs, catalogue::Tracks);
    if (!bas.Db)
        throw std::runtime_error("no lap time database open");
    // The part of the log an earlier import read is passed by; it still sets the parse state
    // the new part starts with.
    const LogMark before = lastLogMark(*bas.Db);
    qsizetype newFrom = 0;
    if (before.length > 0 && before.length <= bytes.size() &&
        logMarkHash(bytes.first(before.length)) == before.hash)
        newFrom = before.length;
    if (newFrom > 0 && newFrom == bytes.size()) {
        result.nothingNew = true;
        return;
    }

    BestTimeStore store(*bas.Db, tracks, QDateTime::currentDateTime());
    SlotTracks slotTracks(bas, lists_);
    bool filing = false;
    LogParser parser(
        [&](int slot) {
            const CircuitInfo& circuit = slotTracks.circuitOf(slot);
            if (!circuit.recognised)
                return QString();
            // A slot driven gets its row from its circuit, as showing the circuit does.
            if (filing)
                store.ensureRow(circuit.track, [&] { catalogue::ensureTrackRow(bas, circuit); });
            return circuit.track;
        },
        [&](const LoggedLap& lap) {
            if (!filing)
                return;
            ++result.times;
            view.setTime(lap.time);
            const FiledTime filed = store.file(lap);
            if (filed.field != TimeField::None)
                view.addRecord(lap.track, lap.time, lap.mode, filed.field, filed.previousBest);
        },
        [&](const QString& line) {
            if (!filing)
                return;
            if (result.skipped++ == 0)
                result.firstSkipped = line;
        });
    parser.feedBytes(bytes, 0, newFrom);
    filing = true;
    parser.feedBytes(bytes, newFrom, bytes.size());
    store.commit({bytes.size(), logMarkHash(bytes)}, result.times);
    result.records = store.records();
    result.recorded = result.records > 0;
}

// A log read whole is deleted or kept under a number, as Setup says; with neither it stays,
// and the next import passes by what this one read.
void LogImport::doneWithLog(const QString& path) {
    Gp2PsoBas& bas = services_.bas();
    if (bas.RenameLogFile) {
        qint64 number = 0;
        ignoreFailure("reading the launch count", [&] {
            number = readUsage(catalogue::requireOpen(bas.ParamsRs, catalogue::Parameters))
                         .execution.toLongLong();
        });
        ignoreFailure("keeping the lap log read", [&] {
            if (keepLog(bas.Gp2Dir, number).isEmpty())
                throw std::runtime_error("cannot rename " + path.toStdString());
        });
    } else if (bas.DeleteLogFile) {
        ignoreFailure("deleting the lap log read", [&] {
            if (!QFile::remove(path))
                throw std::runtime_error("cannot delete " + path.toStdString());
        });
    }
}

QString LogImport::Result::skippedNote() const {
    if (skipped == 0)
        return QString();
    return countOf(skipped, tr("line was"), tr("lines were")) +
           //: After "3 lines were".
           tr(" skipped, the first: \"%1\".").arg(shown::text(firstSkipped.left(40)));
}

} // namespace pistaro
