#pragma once
// While a command runs (see CommandGate), the user's input to the main window is dropped: clicks,
// keys, wheel turns and drops made meanwhile neither start a second command inside the running
// one nor wait to be replayed after it. Dialogs the command opens, the menus and the controls
// named as exceptions (Stop, Exit) keep their input; closing is left to the window, which waits.
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace pistaro {

class CommandInputFilter final : public QObject {
    Q_OBJECT
public:
    // Filters the application's events for `window`, a child of which it becomes.
    explicit CommandInputFilter(QWidget* window);
    // Input to `widget` (and its children) still goes through while a command runs.
    void allow(QWidget* widget);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool allowed(const QWidget* target) const;
    QWidget* window_;
    QList<QPointer<QWidget>> allowed_;
};

} // namespace pistaro
