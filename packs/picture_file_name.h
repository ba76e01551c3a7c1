#pragma once
// The file an imported menu picture is kept in: the track name followed by "1.bmp" (640x480)
// or "2.bmp" (440x330), in the game's Bitmaps folder.
#include <QString>

// Track names come from circuit files and may hold any character. Those a file name cannot
// hold on the game's system, and the separators that would lead out of the Bitmaps folder,
// become '_'; surrounding blanks are dropped.
QString importedPictureFileName(const QString& track, int which);
