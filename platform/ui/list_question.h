#pragma once
// A Yes/No question with a list under its text (the files a revert puts back), or a message
// with OK and such a list (what a command could not do): the list scrolls, and the dialog is
// never taller than the screen it is shown on, so its buttons stay in reach however long the
// list is.
#include <QDialog>
#include <QDialogButtonBox>

class QLabel;
class QListWidget;

namespace pistaro {

class ListQuestion final : public QDialog {
    Q_OBJECT
public:
    ListQuestion(const QString& title, const QString& text, const QStringList& items,
                 QWidget* parent,
                 QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Yes |
                                                             QDialogButtonBox::No);

    QLabel* Text;
    QListWidget* Items;
    QDialogButtonBox* Buttons;

    QSize sizeHint() const override;
};

} // namespace pistaro
