#include "gamedir/cd_image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace cdimage {

namespace {

// A sheet is a few lines of text; anything larger is not one.
constexpr qint64 kMaxSheet = 64 * 1024;

bool isSheet(const QString& image) {
    return image.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive);
}

// "" when `path` is a file that opens for reading, else why not.
QString unreadable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("is not there");
    if (!info.isFile())
        return QStringLiteral("is not a file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read: ") + file.errorString();
    return {};
}

} // namespace

QStringList trackFiles(const QString& image) {
    if (!isSheet(image))
        return {};
    QFile sheet(image);
    if (!sheet.open(QIODevice::ReadOnly) || sheet.size() > kMaxSheet)
        return {};
    // FILE "name with blanks.bin" BINARY, or FILE name.bin BINARY.
    static const QRegularExpression fileLine(QStringLiteral("^\\s*FILE\\s+(?:\"([^\"]*)\"|(\\S+))"),
                                             QRegularExpression::CaseInsensitiveOption |
                                                 QRegularExpression::MultilineOption);
    const QDir folder = QFileInfo(image).absoluteDir();
    QStringList out;
    auto it = fileLine.globalMatch(QString::fromLocal8Bit(sheet.readAll()));
    while (it.hasNext()) {
        const auto match = it.next();
        const QString name = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        out << folder.filePath(QDir::fromNativeSeparators(name));
    }
    return out;
}

QString problem(const QString& image) {
    const QString shown = QDir::toNativeSeparators(image);
    QString why = unreadable(image);
    if (!why.isEmpty())
        return QStringLiteral("the CD image ") + shown + QLatin1Char(' ') + why;
    if (!isSheet(image))
        return {};
    if (QFileInfo(image).size() > kMaxSheet)
        return QStringLiteral("the CD image ") + shown + QStringLiteral(" is not a cue sheet");
    const QStringList tracks = trackFiles(image);
    if (tracks.isEmpty())
        return QStringLiteral("the CD image ") + shown + QStringLiteral(" names no track file");
    for (const QString& track : tracks) {
        why = unreadable(track);
        if (!why.isEmpty())
            return QStringLiteral("the CD image ") + shown + QStringLiteral(" names ") +
                   QDir::toNativeSeparators(track) + QStringLiteral(", which ") + why;
    }
    return {};
}

} // namespace cdimage
