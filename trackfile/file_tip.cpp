#include "trackfile/file_tip.h"

#include "platform/shown_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

QString fileTipText(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return shown::text(path);
    //: A file's tool tip: its path, when it was changed, its size in bytes.
    return QCoreApplication::translate("filetip", "%1 - Version %2 - Size: %3 ")
        .arg(shown::text(path), info.lastModified().toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")),
             QString::number(info.size()));
}
