#include "gamedir/cd_image.h"

#include <QCoreApplication>
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

enum class Unreadable { No, Missing, NotFile, CannotRead };

// Whether `path` is a file that opens for reading, else why not (`error` the system's words).
Unreadable unreadable(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (!info.exists())
        return Unreadable::Missing;
    if (!info.isFile())
        return Unreadable::NotFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return Unreadable::CannotRead;
    }
    return Unreadable::No;
}

QString imageProblem(Unreadable why, const QString& image, const QString& error) {
    switch (why) {
    case Unreadable::Missing:
        return QCoreApplication::translate("cdimage", "the CD image %1 is not there").arg(image);
    case Unreadable::NotFile:
        return QCoreApplication::translate("cdimage", "the CD image %1 is not a file").arg(image);
    case Unreadable::CannotRead:
        return QCoreApplication::translate("cdimage", "the CD image %1 cannot be read: %2")
            .arg(image, error);
    case Unreadable::No:
        break;
    }
    return {};
}

QString trackProblem(Unreadable why, const QString& image, const QString& track,
                     const QString& error) {
    switch (why) {
    case Unreadable::Missing:
        return QCoreApplication::translate("cdimage",
                                           "the CD image %1 names %2, which is not there")
            .arg(image, track);
    case Unreadable::NotFile:
        return QCoreApplication::translate("cdimage",
                                           "the CD image %1 names %2, which is not a file")
            .arg(image, track);
    case Unreadable::CannotRead:
        return QCoreApplication::translate("cdimage",
                                           "the CD image %1 names %2, which cannot be read: %3")
            .arg(image, track, error);
    case Unreadable::No:
        break;
    }
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
    QString error;
    const Unreadable why = unreadable(image, &error);
    if (why != Unreadable::No)
        return imageProblem(why, shown, error);
    if (!isSheet(image))
        return {};
    if (QFileInfo(image).size() > kMaxSheet)
        return QCoreApplication::translate("cdimage", "the CD image %1 is not a cue sheet")
            .arg(shown);
    const QStringList tracks = trackFiles(image);
    if (tracks.isEmpty())
        return QCoreApplication::translate("cdimage", "the CD image %1 names no track file")
            .arg(shown);
    for (const QString& track : tracks) {
        const Unreadable trackWhy = unreadable(track, &error);
        if (trackWhy != Unreadable::No)
            return trackProblem(trackWhy, shown, QDir::toNativeSeparators(track), error);
    }
    return {};
}

} // namespace cdimage
