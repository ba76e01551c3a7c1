#include "trackfile/file_tip.h"

#include "platform/shown_text.h"

#include <QDateTime>
#include <QFileInfo>

QString fileTipText(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return shown::text(path);
    return shown::text(path) + QStringLiteral(" - Version ") +
           info.lastModified().toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")) +
           QStringLiteral(" - Size:") + QLatin1Char(' ') + QString::number(info.size()) +
           QLatin1Char(' ');
}
