#pragma once
// Picture View: a menu picture enlarged; clicking it toggles maximised and normal size.
#include <QDialog>
#include <QRect>

class QFrame;
class QLabel;
class QPushButton;

namespace pistaro {

class PictureView final : public QDialog {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void image1Click();
    void switchWindowState();

    QFrame* frame1_;
    QLabel* image1_;
    QPushButton* ok_;
    QRect normalGeometry_;
};

} // namespace pistaro
