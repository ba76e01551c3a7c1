#pragma once
// The About box: logo, version, thanks and the home-page link; Alt+K three times shows the
// credits window.
#include <QDialog>
#include <QList>

#include <functional>

class QLabel;
class QPushButton;

namespace pistaro {

class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    using Opener = std::function<void(const QString& address)>;

    // `homePage` is the link's web address ("" for none: the box then points to Help >
    // Contents); `opener` shows it, by default through the desktop.
    explicit AboutDialog(QWidget* parent = nullptr, Opener opener = {},
                         const QString& homePage = {});

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
    QString homePage_;
    QList<QLabel*> control_;
    QPushButton* ok_;
    qint16 keyCount_ = 0; // Alt+K presses in a row
};

} // namespace pistaro
