#include "packs/texture_list.h"

#include "platform/codepage.h"

#include <QFileInfo>
#include <QRegularExpression>

QStringList scanTextureList(const QByteArray& fileBytes) {
    QStringList names;
    const qsizetype n = fileBytes.size();
    qsizetype p = n - 9;
    while (p >= 0) {
        if (fileBytes.mid(p, 4).toUpper() != ".JAM")
            break;
        qsizetype q = p - 1;
        while (q >= 0 && fileBytes[q] != '\0')
            --q;
        if (q < 0)
            break;
        names.append(cp1252::toUnicode(fileBytes.mid(q + 1, p + 4 - (q + 1))));
        p = q - 4;
    }
    return names;
}

bool isSafeTextureName(const QString& name) {
    if (name.trimmed().isEmpty() || name.startsWith(u'/') || name.startsWith(u'\\') ||
        name.contains(u':'))
        return false;
    // Windows drops trailing dots and blanks of a component, so ".. " and "..." climb too.
    static const QRegularExpression climbing(QStringLiteral("^[. ]*\\.[. ]*\\.[. ]*$"));
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    for (const QString& part : name.split(separators))
        if (climbing.match(part).hasMatch())
            return false;
    return true;
}

bool textureInstalled(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

bool textureEntryMatches(const QString& entry, const QString& name) {
    return !name.isEmpty() && entry.size() >= name.size() &&
           entry.right(name.size()).toUpper() == name.toUpper();
}

QString textureTargetFolder(const QString& entry, const QString& name) {
    return entry.left(qMax<qsizetype>(0, entry.size() - name.size()));
}
