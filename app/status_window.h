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
    void offerCancel(bool offered) override;
    bool cancelRequested() const override { return cancelled_; }

    // Shown while the command waits for an outside program: ends it.
    QPushButton* stopButton() const { return stop_; }
    // Shown while a command that can stop between its steps runs (Install of several archives).
    QPushButton* cancelButton() const { return cancel_; }

private:
    void followWait(const QString& program);
    // The row under the lines holds Stop while a program is waited for, else Cancel if offered.
    void placeButtons();
    QLabel* label1_;
    QLabel* label2_;
    QPushButton* stop_;
    QPushButton* cancel_;
    bool cancelOffered_ = false;
    bool cancelled_ = false;
};

} // namespace pistaro
