#include "platform/folder_listing.h"

#include "platform/native_names.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace folderlisting {

QString listedFolder(const QString& folder) {
    QString f = QDir::toNativeSeparators(folder);
    while (f.size() > 1 && f.endsWith(QDir::separator()))
        f.chop(1);
    return f;
}

QStringList matchingFiles(const QString& folder, const QString& pattern) {
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    // The folded names are made once, as a folder may hold thousands of circuits.
    const QStringList files = nativenames::folderFiles(folder);
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(files.size()));
    for (const QString& name : files)
        if (re.match(name).hasMatch())
            keyed.emplace_back(name.toCaseFolded(), name);
    std::sort(keyed.begin(), keyed.end());
    QStringList names;
    names.reserve(qsizetype(keyed.size()));
    for (auto& k : keyed)
        names << std::move(k.second);
    return names;
}

} // namespace folderlisting
