#include "trackfile/file_facts.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

QString groupedLength(qint64 bytes) {
    QLocale locale = QLocale::system();
    // The C locale leaves out the group separator by default; the pattern always groups.
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(bytes);
}

namespace {
// The system's long time format (with seconds) without its time zone part.
QString timeWithSeconds(const QLocale& locale, const QTime& time) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return locale.toString(time, format.trimmed());
}
} // namespace

QString fileFactsText(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return QString();
    const QLocale locale = QLocale::system();
    const QDateTime changed = info.lastModified();
    return locale.toString(changed.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           timeWithSeconds(locale, changed.time()) + QStringLiteral(" - ") +
           groupedLength(info.size());
}
