#pragma once
// A control that is disabled says why in its tool tip ("Select a circuit and a slot first");
// enabled again it shows its own tip, including one set while it was disabled (the key a
// shared command adds).
#include <QString>

class QWidget;

namespace pistaro {

void explainWhenDisabled(QWidget* control, const QString& why);

} // namespace pistaro
