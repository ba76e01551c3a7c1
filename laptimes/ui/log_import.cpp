// Import of the lap timer's log: each slot line reads that slot's circuit to learn its track
// name; each lap time that beats the stored one is filed, kept in the history and listed in
// the record window.
#include "laptimes/ui/log_import.h"

#include "laptimes/ui/recording_window.h"

#include "laptimes/best_time_store.h"
#include "laptimes/log_parser.h"
#include "laptimes/ui/recording_view.h"
#include "packs/slot_entry.h"
#include "platform/codepage.h"
#include "platform/command_summary.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "storage/catalogue_names.h"
#include "storage/record_lookup.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>

namespace pistaro {

LogImport::LogImport(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                     QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), lists_(lists) {
    setObjectName(QStringLiteral("LogImport"));
    GetGp2Lap =
        named(new QPushButton(QStringLiteral("&Get Time from GP2LAP.LOG"), parent), "GetGp2Lap");
    connect(GetGp2Lap, &QPushButton::clicked, this, GUARDED_COMMAND(GetGp2Lap_Click));
}

namespace {

// Knows the track name of each slot after reading the slot's circuit once: the slot files
// do not change while the log is read, and reading one takes far longer than a log line.
class SlotTracks final {
public:
    SlotTracks(const Gp2PsoBas& bas, const CircuitLists& lists) : bas_(bas), lists_(lists) {}

    QString trackOf(int slot) {
        const auto it = known_.constFind(slot);
        if (it != known_.constEnd())
            return *it;
        // A slot whose file is no circuit has no track to file times under: its laps are skipped.
        const CircuitInfo circuit =
            catalogue::readCircuit(bas_, gamepath::join(lists_.File1->path(), slotFileName(slot)));
        const QString track = circuit.recognised ? circuit.track : QString();
        known_.insert(slot, track);
        return track;
    }

private:
    const Gp2PsoBas& bas_;
    const CircuitLists& lists_;
    QHash<int, QString> known_;
};

// How the filing of an import went: the log is the only copy of a time not filed.
struct Filing {
    int filed = 0;  // times the database took (records or not)
    int failed = 0; // times whose write failed
    QString reason; // the last failure
};

// The store is made at the first time to file: a database without Tracks open fails each one.
void recordTime(const Gp2PsoBas& bas, std::optional<BestTimeStore>& store, RecordingView& view,
                ParseState& state, Filing& filing) {
    state.track = state.track.trimmed();
    if (state.track.isEmpty())
        return;
    view.setTime(state.time);
    state.track = logTrackName(state.track);
    try {
        if (!store) {
            Recordset& tracks = catalogue::requireOpen(bas.TracksRs, catalogue::Tracks);
            if (!bas.Db)
                throw std::runtime_error("no lap time database open");
            store.emplace(*bas.Db, tracks, QDateTime::currentDateTime());
        }
        const FiledTime filed = store->file(state);
        if (filed.field != TimeField::None)
            view.addRecord(state.track, state.time, state.mode, filed.field, filed.previousBest);
        ++filing.filed;
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        ++filing.failed;
        filing.reason = QString::fromStdString(e.what());
        reportIgnoredFailure("filing a lap time", e.what());
    }
}

} // namespace

RecordingView& LogImport::recordingWindow() {
    if (!recording_)
        recording_ = new RecordingWindow(services_.window());
    return *recording_;
}

void LogImport::GetGp2Lap_Click() {
    const Result result = Import();
    const QString log = QDir::toNativeSeparators(
        gamepath::join(services_.bas().Gp2Dir, QStringLiteral("gp2lap.log")));
    if (!result.logRead)
        services_.dialogs().message(QStringLiteral("No lap time was read: there is no readable ") +
                                    log + QStringLiteral(". GP2LAP writes it while you play."));
    else if (result.times == 0)
        services_.dialogs().message(
            QStringLiteral("No lap time of a known track and session was found in ") + log +
            QStringLiteral("."));
    else if (!result.recorded && !result.refused)
        services_.dialogs().message(countOf(result.times, QStringLiteral("lap time was"),
                                            QStringLiteral("lap times were")) +
                                    QStringLiteral(" read from ") + log +
                                    QStringLiteral("; none beats a stored time."));
}

LogImport::Result LogImport::Import() {
    Result result;
    // The main window stays on screen beside the record window: hidden, the program would look
    // closed.
    RecordingView& view = recordingWindow();
    view.begin();

    SlotTracks slotTracks(services_.bas(), lists_);
    std::optional<BestTimeStore> store;
    Filing filing;
    const Gp2PsoBas& bas = services_.bas();
    LogParser parser(
        [&slotTracks](int slot) { return slotTracks.trackOf(slot); },
        [&bas, &store, &view, &filing](ParseState& s) { recordTime(bas, store, view, s, filing); });
    QFile log(gamepath::join(services_.bas().Gp2Dir, QStringLiteral("gp2lap.log")));
    if (log.open(QIODevice::ReadOnly)) {
        result.logRead = true;
        while (!log.atEnd()) {
            const QByteArray line = log.readLine();
            if (line.isEmpty() && log.error() != QFileDevice::NoError)
                break; // a read that fails ends the log
            ignoreFailure("reading a log line", [&] { parser.feedRead(cp1252::toUnicode(line)); });
        }
        log.close();
    }

    result.recorded = view.finish();
    result.times = filing.filed + filing.failed;
    result.refused = filing.failed > 0;
    // Times the database refused are still in the log: it stays until an import takes them.
    services_.bas().KeepLapLog = filing.failed > 0;
    if (filing.failed > 0)
        services_.dialogs().message(
            QStringLiteral("%1 of %2 lap times could not be stored in the database: ")
                .arg(filing.failed)
                .arg(filing.failed + filing.filed) +
            filing.reason + Gp2PsoBas::CrLf2 +
            QStringLiteral("gp2lap.log is kept: it is neither deleted nor renamed before the "
                           "next game."));
    panel_.reload();
    return result;
}

} // namespace pistaro
