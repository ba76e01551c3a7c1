#include "ui/window_size.h"

#include "platform/program_settings.h"

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

void placeOnScreen(QWidget& window, const QRect& wanted) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The window system tells the frame once the window exists; where it tells nothing before
    // the window is shown, the frame counts as none.
    if (!window.windowHandle())
        window.winId();
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect fitted = fitOnScreen(wanted.marginsAdded(frame), screen->availableGeometry());
    window.resize(fitted.marginsRemoved(frame).size());
    window.move(fitted.topLeft()); // a window's position is that of its frame
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

} // namespace pistaro
