#pragma once
// A long pack command's time in the Status window: the main window hides, the Status window
// shows "Please wait..." and the command's progress, and the window comes back however the
// command ends (a window not shown, as in a launch from the command line, stays hidden).
#include "platform/progress.h"

#include <QCoreApplication>
#include <QWidget>

namespace pistaro {

class StatusShown final {
public:
    StatusShown(QWidget* window, StatusSink& status)
        : window_(window), status_(status), shown_(window->isVisible()) {
        window_->hide();
        status_.setLine1(QCoreApplication::translate("StatusShown", "Please wait..."));
        status_.setLine2(QString());
        status_.showStatus();
        status_.pump();
    }
    ~StatusShown() {
        status_.hideStatus();
        if (shown_)
            window_->show();
    }
    StatusShown(const StatusShown&) = delete;
    StatusShown& operator=(const StatusShown&) = delete;

private:
    QWidget* window_;
    StatusSink& status_;
    bool shown_;
};

} // namespace pistaro
