#pragma once
// The program's own pictures, drawn at run time: the product logo and the credits pictures.
#include <QPixmap>
#include <QSize>

namespace pistaro {

// Chequered flag over a dark ground with the "Pistaro" lettering.
QPixmap logoPixmap(const QSize& size);
// A circuit outline with its start line.
QPixmap circuitPixmap(const QSize& size);
// A chequered flag on its pole.
QPixmap flagPixmap(const QSize& size);
// A stopwatch, for the lap times.
QPixmap stopwatchPixmap(const QSize& size);

} // namespace pistaro
