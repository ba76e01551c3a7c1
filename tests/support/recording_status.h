#pragma once
// A Status window that keeps what it was given: both lines, every lower line as the user would
// see them pass, whether it is shown and how often it was let paint.
#include "platform/progress.h"

#include <QStringList>

#include <functional>

class RecordingStatus final : public StatusSink {
public:
    void showStatus() override { visible = true; }
    void hideStatus() override { visible = false; }
    void setLine1(const QString& t) override { l1 = t; }
    void setLine2(const QString& t) override {
        l2 = t;
        lines << t;
    }
    QString line1() const override { return l1; }
    QString line2() const override { return l2; }
    void pump() override { ++pumps; }
    void offerCancel(bool offered) override { cancelOffered = offered; }
    // Cancel is clicked as soon as `cancelWhen` says so while it is offered.
    bool cancelRequested() const override { return cancelOffered && cancelWhen && cancelWhen(); }

    bool visible = false;
    QString l1, l2;
    QStringList lines; // every lower line, in order
    int pumps = 0;
    bool cancelOffered = false;
    std::function<bool()> cancelWhen;
};
