#pragma once
// The line at the foot of the main window while a command waits for an outside program: which
// program it waits for, and a Stop button that ends it. Hidden otherwise.
#include <QWidget>

class QLabel;
class QPushButton;

namespace pistaro {

class WaitingBar final : public QWidget {
    Q_OBJECT
public:
    explicit WaitingBar(QWidget* parent = nullptr);

    QLabel* WaitingFor;       // "Waiting for <program> to end..."
    QPushButton* StopProgram; // "Stop"

    // The text shown while `program` is waited for.
    static QString waitingText(const QString& program);

private:
    void follow(const QString& program);
};

} // namespace pistaro
