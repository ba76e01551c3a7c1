#pragma once
// Arguments of gp2hipic, the outside tool that reads and writes the game's menu picture
// archive Bitmaps/f1pcsvga.bin. Picture n of slot i: i for the 640x480 picture, i + 16 for the
// 440x330 one. Pictures pass through the hand-over file Bitmaps/tmp.bmp.
#include <QString>
#include <QStringList>

namespace gp2hipic {

inline constexpr int kSmallPictureOffset = 16;

// The archive number of a slot's picture: which 1 is the large picture, 2 the small one.
inline int pictureNumber(int slot, int which) {
    return which == 2 ? slot + kSmallPictureOffset : slot;
}

QString archivePath(const QString& gp2Dir);  // Gp2Dir + Bitmaps/f1pcsvga.bin
QString handOverPath(const QString& gp2Dir); // Gp2Dir + Bitmaps/tmp.bmp
QString program(const QString& appDir);      // AppDir + gp2hipic.pif

// Replace picture n by the hand-over file: "-q" (quick) or "-u", "#n", archive, hand-over.
QStringList replaceArguments(const QString& gp2Dir, bool quick, int picture);
// Write picture n into the hand-over file: "-x", "#n", archive, hand-over.
QStringList extractArguments(const QString& gp2Dir, int picture);
// Compact the archive: "-d", archive.
QStringList compactArguments(const QString& gp2Dir);

} // namespace gp2hipic
