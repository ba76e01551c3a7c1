#pragma once
// Where windows go and how large they are: never beyond the free area of their screen, and
// a size the user chose is kept between runs in the machine's settings.
#include <QRect>
#include <QString>

class QWidget;

namespace pistaro {

// `wanted` moved and, where it is larger, shrunk so that it lies inside `available`.
QRect fitOnScreen(const QRect& wanted, const QRect& available);
// Gives the top-level `window` the geometry `wanted` (its inside), fitted with its frame onto
// the free area of its screen.
void placeOnScreen(QWidget& window, const QRect& wanted);
// The size stored under `key`, or `fallback` when none is.
QSize rememberedSize(const QString& key, const QSize& fallback);
void rememberSize(const QString& key, const QSize& size);

} // namespace pistaro
