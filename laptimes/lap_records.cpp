#include "laptimes/lap_records.h"

#include "storage/catalogue_names.h"

namespace {

const QString kRaceMode = QStringLiteral("Quick/non-championship/championship race");
const QString kPracticeMode = QStringLiteral("Unlimited practice");

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

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

const QString& fieldOf(const StoredTimes& times, TimeField field) {
    return fieldOf(const_cast<StoredTimes&>(times), field);
}

bool isLapTimeText(const QString& text) {
    return text.size() == 8 && isDigit(text[0]) && text[1] == u':' && text[2] >= u'0' &&
           text[2] <= u'5' && isDigit(text[3]) && text[4] == u'.' && isDigit(text[5]) &&
           isDigit(text[6]) && isDigit(text[7]);
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
