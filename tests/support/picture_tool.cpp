#include "tests/support/picture_tool.h"

#include "tests/support/files.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <stdexcept>

namespace picturetool {

void install(const QString& appDir) {
    const QString script = appDir + QStringLiteral("/gp2hipic.pif");
    if (!writeProgram(
            script,
            QByteArrayLiteral(
                "#!/bin/sh\n"
                "dir=$(dirname \"$0\")\n"
                "echo \"$0 $*\" >> \"$dir/gp2hipic.log\"\n"
                "n=${2#\\#}\n"
                "case \"$1\" in\n"
                "  -u|-q) cp \"$4\" \"$dir/handed-$n.bmp\" ;;\n"
                "  -x) [ -f \"$dir/archive-$n.bmp\" ] && cp \"$dir/archive-$n.bmp\" \"$4\" ;;\n"
                "esac\n"
                "exit 0\n")))
        throw std::runtime_error("cannot write " + script.toStdString());
    for (int which : {1, 2})
        writeFileOrThrow(appDir + QStringLiteral("/na%1.bmp").arg(which), defaultPicture(which));
}

QStringList runs(const QString& appDir) {
    return QString::fromUtf8(readFile(appDir + QStringLiteral("/gp2hipic.log")))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray handed(const QString& appDir, int picture) {
    return readFile(appDir + QStringLiteral("/handed-%1.bmp").arg(picture));
}

void setArchivePicture(const QString& appDir, int picture, const QByteArray& bytes) {
    writeFileOrThrow(appDir + QStringLiteral("/archive-%1.bmp").arg(picture), bytes);
}

QByteArray defaultPicture(int which) {
    const QByteArray bytes = readFile(QStringLiteral(PSO_APPDIR "/na%1.bmp").arg(which));
    if (bytes.isEmpty())
        throw std::runtime_error("the built program folder has no default pictures");
    return bytes;
}

QByteArray bitmap(int width, int height, unsigned rgb) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(rgb));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace picturetool
