#pragma once
// The button row of a window whose only button is OK: a QDialogButtonBox with one "&OK"
// push button, named "Ok" (the tests and the key handling find it by that name).
class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace pistaro {

struct OkButtonBox {
    QDialogButtonBox* box;
    QPushButton* ok;
};

// `centred`: the button in the middle of the row rather than at its right end.
OkButtonBox makeOkButtonBox(QWidget* window, bool centred);

} // namespace pistaro
