#include "packs/copy_replacing.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}
} // namespace

bool copyReplacing(const QString& source, const QString& target, QString* error) {
    QFile in(source);
    if (!QFileInfo(source).isFile())
        return fail(error, QStringLiteral("No such file"));
    if (!in.open(QIODevice::ReadOnly))
        return fail(error, in.errorString());
    const QByteArray bytes = in.readAll();
    const QDateTime changed = in.fileTime(QFileDevice::FileModificationTime);
    in.close();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return fail(error, out.errorString());
    if (out.write(bytes) != bytes.size())
        return fail(error, out.errorString()); // the unfinished copy is discarded
    if (!out.commit())
        return fail(error, out.errorString());
    QFile copied(target);
    if (copied.open(QIODevice::ReadWrite))
        copied.setFileTime(changed, QFileDevice::FileModificationTime);
    return true;
}
