#include "ui/command_input_filter.h"

#include "platform/command_gate.h"

#include <QApplication>
#include <QDropEvent>
#include <QWidget>

namespace pistaro {

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

CommandInputFilter::CommandInputFilter(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

void CommandInputFilter::allow(QWidget* widget) {
    allowed_.append(widget);
}

bool CommandInputFilter::allowed(const QWidget* target) const {
    for (const QPointer<QWidget>& w : allowed_)
        if (w && (w == target || w->isAncestorOf(target)))
            return true;
    return false;
}

bool CommandInputFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(event->type()) || !watched->isWidgetType() || !CommandGate::instance().busy())
        return false;
    const auto* target = static_cast<QWidget*>(watched);
    if (target->window() != window_ || allowed(target))
        return false;
    // A drag is refused at once, so the pointer shows that nothing can be dropped here.
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)
        static_cast<QDropEvent*>(event)->ignore();
    return true;
}

} // namespace pistaro
