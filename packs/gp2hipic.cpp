#include "packs/gp2hipic.h"

#include "platform/gamepath.h"

namespace gp2hipic {

namespace {
// "#n", the archive and the hand-over file: the tool's picture arguments.
QStringList pictureArguments(const QString& gp2Dir, int picture) {
    return {QStringLiteral("#") + QString::number(picture), archivePath(gp2Dir),
            handOverPath(gp2Dir)};
}
} // namespace

QString archivePath(const QString& gp2Dir) {
    return gamepath::join(gp2Dir, QStringLiteral("Bitmaps/f1pcsvga.bin"));
}

QString handOverPath(const QString& gp2Dir) {
    return gamepath::join(gp2Dir, QStringLiteral("Bitmaps/tmp.bmp"));
}

QString program(const QString& appDir) {
    return appDir + gamepath::sep() + QStringLiteral("gp2hipic.pif");
}

QStringList replaceArguments(const QString& gp2Dir, bool quick, int picture) {
    return QStringList{quick ? QStringLiteral("-q") : QStringLiteral("-u")} +
           pictureArguments(gp2Dir, picture);
}

QStringList extractArguments(const QString& gp2Dir, int picture) {
    return QStringList{QStringLiteral("-x")} + pictureArguments(gp2Dir, picture);
}

QStringList compactArguments(const QString& gp2Dir) {
    return {QStringLiteral("-d"), archivePath(gp2Dir)};
}

} // namespace gp2hipic
