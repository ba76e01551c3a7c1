#pragma once
// The keys of a window's menu items work from every one of its fields. A text field keeps
// some keys for itself (Ctrl+E moves to the end of the line): in this window the menu item's
// key wins.
class QWidget;

namespace pistaro {

// Lets the enabled menu items' keys of `window` win over the keys its fields keep.
void keepWindowKeys(QWidget& window);

} // namespace pistaro
