#pragma once
// The credits window, opened from the About box by a hidden key sequence.
#include <QDialog>

namespace pistaro {

class CreditsDialog final : public QDialog {
    Q_OBJECT
public:
    explicit CreditsDialog(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace pistaro
