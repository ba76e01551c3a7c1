#include "ui/window_size.h"

#include "platform/program_settings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace pistaro {

QRect fitOnScreen(const QRect& wanted, const QRect& available) {
    QRect r(wanted.topLeft(), wanted.size().boundedTo(available.size()));
    if (r.right() > available.right())
        r.moveRight(available.right());
    if (r.bottom() > available.bottom())
        r.moveBottom(available.bottom());
    if (r.left() < available.left())
        r.moveLeft(available.left());
    if (r.top() < available.top())
        r.moveTop(available.top());
    return r;
}

QMargins assumedFrame(const QWidget& window) {
    // A title bar holds a line of the title font with some room; borders are thin.
    const int line = window.fontMetrics().height();
    const int border = 4;
    return {border, line * 2 + border, border, border};
}

void placeOnScreen(QWidget& window, const QRect& wanted) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The window system tells the frame once the window exists; where it tells nothing before
    // the window is shown, room is left for a usual one, so the title bar stays on the screen.
    if (!window.windowHandle())
        window.winId();
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const bool assumed = frame.isNull() && !window.windowFlags().testFlag(Qt::FramelessWindowHint);
    if (assumed)
        frame = assumedFrame(window);
    const QRect fitted = fitOnScreen(wanted.marginsAdded(frame), screen->availableGeometry());
    window.resize(fitted.marginsRemoved(frame).size());
    // A window's position is that of its frame; an assumed frame is not the window's yet.
    window.move(assumed ? fitted.topLeft() + QPoint(frame.left(), frame.top()) : fitted.topLeft());
}

namespace {

// Waits for the window system to tell the real frame (it comes with a move once the window
// is shown) and fits the window again if that frame reaches beyond the free area.
class FrameWatch final : public QObject {
public:
    explicit FrameWatch(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_ ||
            (event->type() != QEvent::Move && event->type() != QEvent::Resize))
            return false;
        if (window_.frameGeometry() == window_.geometry())
            return false; // no frame told yet
        window_.removeEventFilter(this);
        deleteLater();
        const QScreen* screen = window_.screen();
        if (screen && !screen->availableGeometry().contains(window_.frameGeometry()))
            placeOnScreen(window_, window_.geometry());
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void keepFrameOnScreen(QWidget& window) {
    new FrameWatch(window);
}

// Window sizes belong to this machine's screen, as the emulator commands belong to its
// programs: they are kept in the same settings, not in a database.
QSize rememberedSize(const QString& key, const QSize& fallback) {
    const QSettings settings = programSettings();
    const QSize stored = settings.value(key).toSize();
    return stored.isValid() && !stored.isEmpty() ? stored : fallback;
}

void rememberSize(const QString& key, const QSize& size) {
    QSettings settings = programSettings();
    settings.setValue(key, size);
}

namespace {

class SizeKeeper final : public QObject {
public:
    SizeKeeper(QWidget& window, const QString& key, std::function<QSize()> fallback)
        : QObject(&window), window_(window), key_(key), fallback_(std::move(fallback)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_ || event->spontaneous())
            return false;
        if (event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            const QSize size = rememberedSize(key_, fallback_());
            const QWidget* over =
                window_.parentWidget() ? window_.parentWidget()->window() : nullptr;
            const QScreen* screen = window_.screen();
            const QPoint centre = over     ? over->frameGeometry().center()
                                  : screen ? screen->availableGeometry().center()
                                           : window_.geometry().center();
            QRect wanted(QPoint(), size);
            wanted.moveCenter(centre);
            placeOnScreen(window_, wanted);
        } else if (event->type() == QEvent::Hide && shown_) {
            shown_ = false; // the next show applies the kept size again
            rememberSize(key_, window_.size());
        }
        return false;
    }

private:
    QWidget& window_;
    QString key_;
    std::function<QSize()> fallback_;
    bool shown_ = false;
};

} // namespace

void keepSize(QWidget& window, const QString& key, std::function<QSize()> fallback) {
    new SizeKeeper(window, key, std::move(fallback));
}

} // namespace pistaro
