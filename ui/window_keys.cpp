#include "ui/window_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace pistaro {

namespace {

class WindowKeys final : public QObject {
public:
    explicit WindowKeys(QWidget& window) : QObject(&window), window_(window) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) ||
            !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        QAction* action = actionOf(*static_cast<QKeyEvent*>(event));
        if (!action)
            return false;
        // The shortcut system would let the field keep the key: the item is triggered here
        // instead (as the shortcut would, input filters aside), and the key press that
        // follows never reaches the field.
        if (type == QEvent::ShortcutOverride) {
            event->accept();
            action->trigger();
        }
        return true;
    }

private:
    QAction* actionOf(const QKeyEvent& key) const {
        const QKeySequence pressed(key.keyCombination());
        for (QAction* action : window_.findChildren<QAction*>())
            if (action->isEnabled() && !action->shortcut().isEmpty() &&
                action->shortcut() == pressed)
                return action;
        return nullptr;
    }

    QWidget& window_;
};

} // namespace

void keepWindowKeys(QWidget& window) {
    new WindowKeys(window);
}

} // namespace pistaro
