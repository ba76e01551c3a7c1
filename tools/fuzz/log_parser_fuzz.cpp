// The input is a lap timer log, read line by line as the import reads it. A small catalogue of
// best times stands in for the database, so the record rule runs on what the log gives.
#include "tools/fuzz/fuzz_check.h"

#include "laptimes/log_parser.h"

#include <QHash>

namespace {

void checkOrder(const QString& a, const QString& b) {
    FUZZ_CHECK(!(isBetter(a, b) && isBetter(b, a)), "two times both beat each other");
    FUZZ_CHECK(!isBetter(a, a), "a time beats itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    QHash<QString, StoredTimes> catalogue;
    auto trackOfSlot = [](int slot) {
        FUZZ_CHECK(slot >= 1 && slot <= 99, QStringLiteral("slot %1 asked for").arg(slot));
        if (slot % 7 == 0)
            return QString(); // a slot file without a name
        return slot == 5 ? QStringLiteral(" Monaco ") : QStringLiteral("Track %1").arg(slot);
    };
    auto lapRead = [&catalogue](const LoggedLap& st) {
        FUZZ_CHECK(!st.track.isEmpty(), "a time filed without a track");
        FUZZ_CHECK(isLapTimeText(st.time), "a time filed that is no lap time: " + st.time);
        FUZZ_CHECK(st.time.mid(2, 2).toInt() < 60, "a time filed with 60 seconds or more");
        FUZZ_CHECK(st.country == st.country.trimmed() && st.mode == st.mode.trimmed(),
                   "country or session not trimmed");
        FUZZ_CHECK(st.track == logTrackName(st.track) && st.track == st.track.trimmed(),
                   "bad catalogue name");
        StoredTimes& stored = catalogue[st.track];
        const RecordDecision d = decideRecord(st.mode, st.time, stored);
        if (d.field == TimeField::None)
            return;
        QString& field = fieldOf(stored, d.field);
        checkOrder(st.time, field);
        FUZZ_CHECK(isBetter(st.time, field), "a record that is no better than the stored time");
        FUZZ_CHECK(!timeFieldName(d.field).isEmpty(), "a record field without a name");
        field = st.time;
        FUZZ_CHECK(decideRecord(st.mode, st.time, stored).field != d.field,
                   "the same time is a record twice");
        const QStringList lines = recordResultLines(st.track, st.time, st.mode);
        FUZZ_CHECK(lines.size() == 2 && lines[0].endsWith(st.track) && lines[1].contains(st.time),
                   "the record lines do not name the track and time");
    };
    auto timeRefused = [](const QString& line) {
        FUZZ_CHECK(line.contains(QLatin1String(", time ")), "a line refused without a time");
    };

    LogParser parser(trackOfSlot, lapRead, timeRefused);
    const QByteArray log = fuzz::bytes(data, size);
    parser.feedBytes(log, 0, log.size());
    return 0;
}
