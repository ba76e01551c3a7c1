#pragma once
// Less room between controls for a short screen: the rows a window would otherwise give to
// the gaps between its controls go to the control that can use them (a list or a table).

class QWidget;

namespace pistaro {

// Every layout under `root` (its own included) gets at most `gap` between the rows it stacks
// and at its top and bottom edges; the room between side-by-side controls stays.
void tightenVertically(QWidget& root, int gap);

} // namespace pistaro
