#include "storage/database_names.h"

#include "platform/native_names.h"
#include "platform/shown_text.h"

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
        return QStringLiteral("Database '") + shown::text(fileName.left(80)) +
               QStringLiteral("...' is longer than a file name may be (255 bytes).");
    if (!isPlainFileName(fileName) || fileName.contains(QLatin1String("..")))
        return QStringLiteral("Database '") + fileName +
               QStringLiteral("' must be a plain file name, without folders or '..'.");
    if (!isLapTimeDatabase(fileName))
        return QStringLiteral("Database '") + fileName +
               QStringLiteral("' holds the menu pictures and cannot be a lap time database.");
    return {};
}

QString deleteRefusal(const QString& name, const QString& dbName, const QStringList& listed) {
    const QString quoted = QStringLiteral("Database '") + shown::text(name) + QLatin1Char('\'');
    if (!isLapTimeDatabase(name))
        return quoted + QStringLiteral(" holds the menu pictures and cannot be deleted.");
    if (name.trimmed().compare(kStandard, Qt::CaseInsensitive) == 0)
        return quoted + QStringLiteral(" is the standard database and cannot be deleted.");
    if (name.trimmed().compare(dbName, Qt::CaseInsensitive) == 0)
        return quoted + QStringLiteral(" was opened at start-up and cannot be deleted.");
    if (!listed.contains(name, Qt::CaseSensitive) || !isPlainFileName(name))
        return quoted + QStringLiteral(" is not in the list.");
    return {};
}

} // namespace dbnames
