#include "ui/disabled_tip.h"

#include <QEvent>
#include <QWidget>

namespace pistaro {

namespace {

class DisabledTip final : public QObject {
public:
    DisabledTip(QWidget* control, const QString& why)
        : QObject(control), control_(control), why_(why), own_(control->toolTip()) {
        control->installEventFilter(this);
        apply();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != control_ || applying_)
            return false;
        if (event->type() == QEvent::ToolTipChange) {
            if (control_->toolTip() != why_) {
                own_ = control_->toolTip();
                apply();
            }
        } else if (event->type() == QEvent::EnabledChange) {
            apply();
        }
        return false;
    }

private:
    void apply() {
        applying_ = true;
        control_->setToolTip(control_->isEnabled() ? own_ : why_);
        applying_ = false;
    }
    QWidget* control_;
    QString why_;
    QString own_;
    bool applying_ = false;
};

} // namespace

void explainWhenDisabled(QWidget* control, const QString& why) {
    new DisabledTip(control, why);
}

} // namespace pistaro
