#include "laptimes/log_parser.h"

#include "platform/codepage.h"
#include "trackfile/lap_time.h"
#include "trackfile/val.h"

#include <utility>

#include <QCoreApplication>

namespace {

// The text from 1-based position `from` on, trimmed, when the line starts with `head`.
void takeAfter(const QString& line, QLatin1String head, qsizetype from, QString& target) {
    if (line.startsWith(head))
        target = line.mid(from - 1).trimmed();
}

const QString kNoTime = QStringLiteral("-:--.---");

} // namespace

LogParser::LogParser(std::function<QString(int)> trackOfSlot,
                     std::function<void(const LoggedLap&)> lapRead,
                     std::function<void(const QString&)> timeRefused)
    : trackOfSlot_(std::move(trackOfSlot)), lapRead_(std::move(lapRead)),
      timeRefused_(std::move(timeRefused)) {}

void LogParser::feedLine(const QString& rawLine) {
    const QString line = rawLine.trimmed();

    if (line.contains(QLatin1String(" from slot "))) {
        const int slot = valOf(line.mid(6, 2));
        if (slot > 0 && trackOfSlot_)
            track_ = logTrackName(trackOfSlot_(slot));
    }
    if (track_.isEmpty())
        return;

    takeAfter(line, QLatin1String("Country:"), 9, country_);
    takeAfter(line, QLatin1String("Mode:"), 7, mode_);
    takeAfter(line, QLatin1String("Start of session:"), 20, mode_);
    takeAfter(line, QLatin1String("Load of session:"), 19, mode_);

    const qsizetype at = line.indexOf(QLatin1String(", time "));
    if (at < 0)
        return;
    const QString time = line.mid(at + 7, 8);
    if (time == kNoTime)
        return;
    // A ninth digit would make the eight read a different time.
    const qsizetype after = at + 7 + 8;
    const bool cut = after < line.size() && line.at(after).isDigit();
    if (isLapTimeText(time) && !cut) {
        if (lapRead_)
            lapRead_(LoggedLap{track_, country_, mode_, time});
    } else if (timeRefused_) {
        timeRefused_(line);
    }
}

void LogParser::feedRead(const QString& read) {
    for (const QString& line : read.split(QLatin1Char('\r')))
        feedLine(line);
}

void LogParser::feedBytes(const QByteArray& bytes, qsizetype from, qsizetype to) {
    while (from < to) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0 || end > to)
            end = to;
        feedRead(cp1252::toUnicode(bytes.mid(from, end - from)));
        from = end + 1;
    }
}

QString logTrackName(const QString& track) {
    const QString name = track.trimmed();
    return name == QLatin1String("Monaco") ? QStringLiteral("Monte-Carlo") : name;
}

QStringList recordResultLines(const QString& track, const QString& time, const QString& mode,
                              const QString& previousBest) {
    const QString told = recordWithImprovement(time, previousBest);
    return {QCoreApplication::translate("logparser", "Reached a record at %1").arg(track),
            QStringLiteral("     ") + told +
                (told == time ? QStringLiteral(" ") : QStringLiteral(", ")) + mode};
}
