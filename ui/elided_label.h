#pragma once
// A one-line label for a long text such as a folder path: what does not fit is cut from the
// middle ("…"), the whole text shows as its tool tip, and it asks for no width of its own.
#include <QLabel>

namespace pistaro {

class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    void setFullText(const QString& text);
    QString fullText() const { return full_; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString full_;
};

} // namespace pistaro
