#pragma once
// Where windows go and how large they are: never beyond the free area of their screen, and
// a size the user chose is kept between runs in the machine's settings.
#include <QMargins>
#include <QRect>
#include <QString>

#include <functional>

class QWidget;

namespace pistaro {

// `wanted` moved and, where it is larger, shrunk so that it lies inside `available`.
QRect fitOnScreen(const QRect& wanted, const QRect& available);
// The frame a window system usually draws around `window`, for a window not shown yet: its
// window system tells the real one only later.
QMargins assumedFrame(const QWidget& window);
// Gives the top-level `window` the geometry `wanted` (its inside), fitted with its frame onto
// the free area of its screen; a frame not known yet counts as `assumedFrame`.
void placeOnScreen(QWidget& window, const QRect& wanted);
// Once the window system tells the window's real frame, fits the window again where that frame
// reaches beyond the free area of the screen (a title bar taller than assumed).
void keepFrameOnScreen(QWidget& window);
// The size stored under `key`, or `fallback` when none is.
QSize rememberedSize(const QString& key, const QSize& fallback);
void rememberSize(const QString& key, const QSize& size);
// From now on `window` opens at the size kept under `key` (`fallback()` until one is kept:
// what its contents need), centred on its parent and fitted onto the free area of the screen,
// and keeps the size the user gives it when it is hidden.
void keepSize(QWidget& window, const QString& key, std::function<QSize()> fallback);

} // namespace pistaro
