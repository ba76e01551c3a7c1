#include "ui/shared_command.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QKeySequence>

namespace pistaro {

namespace {

// Keeps the menu item enabled exactly while its button is.
class EnabledFollower final : public QObject {
public:
    EnabledFollower(QAction* item, QAbstractButton* button) : QObject(item), item_(item) {
        button->installEventFilter(this);
        item->setEnabled(button->isEnabled());
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange)
            item_->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        return false;
    }

private:
    QAction* item_;
};

} // namespace

QString withShortcut(const QString& tip, const QKeySequence& key) {
    return tip + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
           QStringLiteral(")");
}

void shareCommand(QAction* item, QAbstractButton* button, const QKeySequence& key) {
    item->setShortcut(key);
    if (!key.isEmpty())
        button->setToolTip(withShortcut(button->toolTip(), key));
    new EnabledFollower(item, button);
    QObject::connect(item, &QAction::triggered, button, [button] {
        if (button->isEnabled())
            button->click();
    });
}

} // namespace pistaro
