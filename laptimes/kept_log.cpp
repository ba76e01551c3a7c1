#include "laptimes/kept_log.h"

#include "platform/gamepath.h"

#include <QFile>
#include <QFileInfo>

QString keptLogName(qint64 number) {
    return QStringLiteral("Lt%1.log").arg(number, 6, 10, QLatin1Char('0'));
}

QString keepLog(const QString& gp2Dir, qint64 number) {
    const QString log = gamepath::join(gp2Dir, QStringLiteral("gp2lap.log"));
    if (!QFileInfo(log).isFile())
        return QString();
    QString target = gamepath::join(gp2Dir, keptLogName(number));
    // A name held by any entry (of any case) is taken; the bound only guards a full folder.
    for (int tries = 0; QFileInfo::exists(target) && tries < 1000000; ++tries)
        target = gamepath::join(gp2Dir, keptLogName(++number));
    if (QFileInfo::exists(target) || !QFile::rename(log, target))
        return QString();
    return target;
}
