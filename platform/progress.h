#pragma once
// The shared Status window as lower layers see it: two text lines, shown not modal.
#include <QString>

class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void showStatus() = 0;
    virtual void hideStatus() = 0;
    virtual void setLine1(const QString& text) = 0; // Label1
    virtual void setLine2(const QString& text) = 0; // Label2
    virtual QString line1() const = 0;
    virtual QString line2() const = 0;
    // Lets pending window events run so the window paints.
    virtual void pump() = 0;
    // A command that can stop between its steps offers Cancel while they run (the window shows
    // the button) and asks, between steps, whether it was clicked since it was offered.
    virtual void offerCancel(bool offered) { (void)offered; }
    virtual bool cancelRequested() const { return false; }
};

// A StatusSink that only remembers its lines (no window); used where no UI exists.
class NullStatus final : public StatusSink {
public:
    void showStatus() override { visible = true; }
    void hideStatus() override { visible = false; }
    void setLine1(const QString& t) override { l1 = t; }
    void setLine2(const QString& t) override { l2 = t; }
    QString line1() const override { return l1; }
    QString line2() const override { return l2; }
    void pump() override {}
    bool visible = false;
    QString l1, l2;
};
