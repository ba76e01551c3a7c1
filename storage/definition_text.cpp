#include "storage/definition_text.h"

#include "platform/codepage.h"
#include "storage/engine.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace deffile {

QStringList readLines(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.exists())
        throw DbError(dberr::FileNotFound, QStringLiteral("File not found: %1").arg(path));
    QFile f(path);
    if (fi.isDir() || !f.open(QIODevice::ReadOnly))
        throw DbError(dberr::PermissionDenied, QStringLiteral("Permission denied: %1").arg(path));
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = cp1252::toUnicode(bytes);
    return text.split(QLatin1Char('\n'));
}

} // namespace deffile
