#pragma once
// A command that both a button and a menu item give. The menu item owns the keyboard shortcut
// (one owner, so the key never fires twice), follows the button's enabled state and clicks
// the button, so the command runs through the one handler the button has.
#include <QString>

class QAbstractButton;
class QAction;
class QKeySequence;

namespace pistaro {

// An empty `key`: a command without a key of its own.
void shareCommand(QAction* item, QAbstractButton* button, const QKeySequence& key);
// A tool tip that names the key of its command: "Export circuits to Gp2 (Ctrl+E)".
QString withShortcut(const QString& tip, const QKeySequence& key);

} // namespace pistaro
