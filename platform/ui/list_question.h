#pragma once
// A Yes/No question with a list under its text (the files a revert puts back): the list
// scrolls, and the dialog is never taller than the screen it is shown on, so its buttons stay
// in reach however long the list is.
#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QListWidget;

namespace pistaro {

class ListQuestion final : public QDialog {
    Q_OBJECT
public:
    ListQuestion(const QString& title, const QString& text, const QStringList& items,
                 QWidget* parent);

    QLabel* Text;
    QListWidget* Items;
    QDialogButtonBox* Buttons;

    QSize sizeHint() const override;
};

} // namespace pistaro
