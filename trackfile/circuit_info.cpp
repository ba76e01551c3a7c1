#include "trackfile/circuit_info.h"

#include "platform/binfile.h"
#include "trackfile/info_block.h"
#include "trackfile/track_name.h"
#include "trackfile/val.h"

QString CircuitInfo::shownName() const {
    return recognised ? track : QStringLiteral("File not recognized.");
}

int CircuitInfo::lapCount() const {
    QString digits;
    for (QChar c : laps)
        if (c.isDigit() && digits.size() < 3)
            digits += c;
    return valOf(digits);
}

CircuitInfo readCircuitInfo(const QString& path, const OriginalsByLength& originals) {
    const QByteArray area = infoblock::readInfoArea(path);
    auto field = [&area](const char* key) {
        return infoblock::getDat(area, QString::fromLatin1(key));
    };
    CircuitInfo info;
    const QString name = field("Name");
    if (name.isEmpty()) {
        const qint64 size = binfile::length(path);
        if (size >= 0 && originals)
            info = originals(size);
        info.original = info.recognised;
        info.track = trackKey(info.track);
    } else {
        info.recognised = true;
        info.track = trackKey(name.trimmed());
        info.country = field("Country").trimmed();
        info.laps = field("Laps");
        info.tyre = field("Tyre");
        info.length = field("LengthMeters");
        info.event = field("Event");
        info.slot = field("Slot");
        info.description = field("Desc");
        info.author = field("Author");
    }
    info.infoArea = area;
    return info;
}
