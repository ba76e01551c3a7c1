#pragma once
// The Tab key's path through a window, taken from its layouts: each box gives its controls in
// the order its layout holds them, so a control added to a box's layout joins the path there.
#include <QList>

class QWidget;

namespace pistaro {

// Chains the controls that take the focus by Tab: box after box, and inside each box in the
// order of its layout (nested layouts and laid-out child widgets included). A box that takes
// the focus itself (a single control) is one stop.
void chainTabStops(const QList<QWidget*>& boxes);

// The stops `chainTabStops` gives one box, in order.
QList<QWidget*> tabStopsOf(QWidget* box);

} // namespace pistaro
