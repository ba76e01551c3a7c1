#include "laptimes/log_parser.h"

#include "storage/catalogue_names.h"
#include "trackfile/lap_time.h"
#include "trackfile/val.h"

#include <utility>

namespace {

const QString kRaceMode = QStringLiteral("Quick/non-championship/championship race");
const QString kPracticeMode = QStringLiteral("Unlimited practice");

// The text from 1-based position `from` on, trimmed, when the line starts with `head`.
bool takeAfter(const QString& line, QLatin1String head, qsizetype from, QString& target) {
    if (!line.startsWith(head))
        return false;
    target = line.mid(from - 1).trimmed();
    return true;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

LogParser::LogParser(std::function<QString(int)> trackOfSlot,
                     std::function<void(ParseState&)> recordTime)
    : trackOfSlot_(std::move(trackOfSlot)), recordTime_(std::move(recordTime)) {}

void LogParser::feedLine(const QString& rawLine) {
    const QString line = rawLine.trimmed();

    if (line.contains(QLatin1String(" from slot "))) {
        const int slot = valOf(line.mid(6, 2));
        if (slot > 0 && trackOfSlot_)
            state_.track = trackOfSlot_(slot);
    }
    if (state_.track.isEmpty())
        return;

    takeAfter(line, QLatin1String("Country:"), 9, state_.country);
    takeAfter(line, QLatin1String("Mode:"), 7, state_.mode);
    takeAfter(line, QLatin1String("Start of session:"), 20, state_.mode);
    takeAfter(line, QLatin1String("Load of session:"), 19, state_.mode);

    const qsizetype at = line.indexOf(QLatin1String(", time "));
    if (at >= 0) {
        state_.time = line.mid(at + 7, 8);
        if (isLapTimeText(state_.time) && recordTime_)
            recordTime_(state_);
    }
}

void LogParser::feedRead(const QString& read) {
    for (const QString& line : read.split(QLatin1Char('\r')))
        feedLine(line);
}

bool isLapTimeText(const QString& text) {
    return text.size() == 8 && isDigit(text[0]) && text[1] == u':' && isDigit(text[2]) &&
           isDigit(text[3]) && text[4] == u'.' && isDigit(text[5]) && isDigit(text[6]) &&
           isDigit(text[7]);
}

QString timeFieldName(TimeField field) {
    switch (field) {
    case TimeField::Race:
        return catalogue::RaceTime;
    case TimeField::Practice:
        return catalogue::PracticeTime;
    case TimeField::WarmUp:
        return catalogue::WarmUpTime;
    case TimeField::Qualifying:
        return catalogue::QualifyingTime;
    case TimeField::None:
        break;
    }
    return QString();
}

RecordDecision decideRecord(const QString& mode, const QString& time, const StoredTimes& stored) {
    if (mode == kRaceMode)
        return {isBetter(time, stored.race) ? TimeField::Race : TimeField::None};
    if (mode == kPracticeMode)
        return {isBetter(time, stored.practice) ? TimeField::Practice : TimeField::None};
    if (mode.contains(QLatin1String("warm up")) && isBetter(time, stored.warmUp))
        return {TimeField::WarmUp};
    if (mode.contains(QLatin1String("qualifying")) && isBetter(time, stored.qualifying))
        return {TimeField::Qualifying};
    return {};
}

bool isBetter(const QString& newTime, const QString& stored) {
    if (newTime.isEmpty())
        return false;
    return stored.isEmpty() || QString::compare(newTime, stored, Qt::CaseSensitive) < 0;
}

QString logTrackName(const QString& track) {
    const QString name = track.trimmed();
    return name == QLatin1String("Monaco") ? QStringLiteral("Monte-Carlo") : name;
}

QStringList recordResultLines(const ParseState& state, const QString& previousBest) {
    const QString told = recordWithImprovement(state.time, previousBest);
    return {QStringLiteral("Reached a record at ") + state.track,
            QStringLiteral("     ") + told +
                (told == state.time ? QStringLiteral(" ") : QStringLiteral(", ")) + state.mode};
}

QString& fieldOf(StoredTimes& times, TimeField field) {
    switch (field) {
    case TimeField::Race:
        return times.race;
    case TimeField::Practice:
        return times.practice;
    case TimeField::WarmUp:
        return times.warmUp;
    default:
        return times.qualifying;
    }
}
