#pragma once
// The small window that long commands show while they work: two text lines, not modal.
#include "platform/progress.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace pistaro {

class StatusWindow final : public QWidget, public StatusSink {
    Q_OBJECT
public:
    explicit StatusWindow(QWidget* parent = nullptr);

    // The program's one shared window, made on first use. release() deletes it (at shut-down).
    static StatusWindow& instance();
    static void release();

    void showStatus() override;
    void hideStatus() override;
    void setLine1(const QString& text) override;
    void setLine2(const QString& text) override;
    QString line1() const override;
    QString line2() const override;
    void pump() override;

    // Shown while the command waits for an outside program: ends it.
    QPushButton* stopButton() const { return stop_; }

private:
    void followWait(const QString& program);
    QLabel* label1_;
    QLabel* label2_;
    QPushButton* stop_;
};

} // namespace pistaro
