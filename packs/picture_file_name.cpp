#include "packs/picture_file_name.h"

QString importedPictureFileName(const QString& track, int which) {
    QString name = track.trimmed();
    for (QChar& c : name) {
        const char16_t u = c.unicode();
        if (u < 32 || u == 127 || QStringView(u"\\/:*?\"<>|").contains(c))
            c = u'_';
    }
    return name + (which == 2 ? QStringLiteral("2.bmp") : QStringLiteral("1.bmp"));
}
