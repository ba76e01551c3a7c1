#pragma once
// The About box: logo, version, thanks and the home-page link; Alt+K three times shows the
// credits window.
#include <QDialog>
#include <QList>

#include <functional>

class QLabel;
class QPushButton;

class Sobre1 final : public QDialog {
    Q_OBJECT
public:
    using Opener = std::function<void(const QString& address)>;

    static const QString HomePage;

    // `opener` shows a web address; by default the desktop's browser.
    explicit Sobre1(QWidget* parent = nullptr, Opener opener = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void controlMouseMove(int index);
    void controlClick(int index);
    void setLinkLook(const QColor& colour, bool underline);
    void handleKey(QKeyEvent* event);

    Opener opener_;
    QList<QLabel*> control_;
    QPushButton* ok_;
    qint16 keyCount_ = 0; // Alt+K presses in a row
};
