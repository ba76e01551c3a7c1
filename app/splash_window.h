#pragma once
// The splash window: the logo and the version while the main window loads behind it.
#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace pistaro {

class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    // `loadMain` loads and shows the main window; it runs once the splash is on screen,
    // after which the splash closes and deletes itself.
    explicit SplashWindow(std::function<void()> loadMain, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void timer1Timer();

    std::function<void()> loadMain_;
    QTimer* timer1_;
};

} // namespace pistaro
