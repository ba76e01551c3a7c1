#include "storage/database_names.h"

#include "platform/native_names.h"
#include "platform/shown_text.h"

#include <QCoreApplication>

namespace dbnames {

bool isLapTimeDatabase(const QString& fileName) {
    return fileName.trimmed().toUpper() != kMaps.toUpper();
}

QString fileNameFor(const QString& answer) {
    if (answer.endsWith(QLatin1String(".mdb"), Qt::CaseSensitive))
        return answer;
    return answer + QStringLiteral(".mdb");
}

bool isPlainFileName(const QString& name) {
    const QString t = name.trimmed();
    if (t.isEmpty() || t == QLatin1String(".") || t == QLatin1String(".."))
        return false;
    for (const QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c == QChar(0))
            return false;
    return true;
}

QString newRefusal(const QString& fileName) {
    if (!nativenames::fitsFolderEntry(fileName))
        return QCoreApplication::translate(
                   "dbnames", "Database '%1...' is longer than a file name may be (255 bytes).")
            .arg(shown::text(fileName.left(80)));
    if (!isPlainFileName(fileName) || fileName.contains(QLatin1String("..")))
        return QCoreApplication::translate(
                   "dbnames", "Database '%1' must be a plain file name, without folders or '..'.")
            .arg(fileName);
    if (!isLapTimeDatabase(fileName))
        return QCoreApplication::translate(
                   "dbnames",
                   "Database '%1' holds the menu pictures and cannot be a lap time database.")
            .arg(fileName);
    return {};
}

QString deleteRefusal(const QString& name, const QString& dbName, const QStringList& listed) {
    const QString quoted = shown::text(name);
    if (!isLapTimeDatabase(name))
        return QCoreApplication::translate(
                   "dbnames", "Database '%1' holds the menu pictures and cannot be deleted.")
            .arg(quoted);
    if (name.trimmed().compare(kStandard, Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate(
                   "dbnames", "Database '%1' is the standard database and cannot be deleted.")
            .arg(quoted);
    if (name.trimmed().compare(dbName, Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate(
                   "dbnames", "Database '%1' was opened at start-up and cannot be deleted.")
            .arg(quoted);
    if (!listed.contains(name, Qt::CaseSensitive) || !isPlainFileName(name))
        return QCoreApplication::translate("dbnames", "Database '%1' is not in the list.")
            .arg(quoted);
    return {};
}

} // namespace dbnames
