#include "packs/ui/picture_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace pistaro {

PictureView::PictureView(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("View"));
    setWindowTitle(tr("Picture View"));
    resize(664, 548);

    // Fixed positions, not a layout: the toggle keeps the margins by arithmetic.
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1_->setGeometry(8, 8, 648, 488);

    image1_ = new QLabel(frame1_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setScaledContents(true);
    image1_->setGeometry(4, 4, 640, 480);
    image1_->installEventFilter(this);

    ok_ = new QPushButton(tr("&OK"), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setDefault(true);
    ok_->setGeometry(292, 508, 80, 30);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void PictureView::setPicture(const QPixmap& picture) {
    image1_->setPixmap(picture);
}

bool PictureView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        image1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PictureView::image1Click() {
    image1_->hide();
    QCoreApplication::processEvents();

    const int frameW = width() - frame1_->width();
    const int imageW = width() - image1_->width();
    const int okLeft = width() - ok_->x();
    const int frameH = height() - frame1_->height();
    const int imageH = height() - image1_->height();
    const int okTop = height() - ok_->y();

    switchWindowState();

    frame1_->resize(width() - frameW, height() - frameH);
    image1_->resize(width() - imageW, height() - imageH);
    ok_->move(width() - okLeft, height() - okTop);
    image1_->show();
}

void PictureView::switchWindowState() {
    const QSize before = size();
    if (isMaximized()) {
        showNormal();
        QCoreApplication::processEvents();
        // Without a window manager the size may stay; go back to the size we left.
        if (size() == before && normalGeometry_.isValid())
            setGeometry(normalGeometry_);
    } else {
        normalGeometry_ = geometry();
        showMaximized();
        QCoreApplication::processEvents();
        if (size() == before) {
            if (const QScreen* s = screen()) {
                const QRect outer = frameGeometry();
                const QRect inner = geometry();
                setGeometry(s->availableGeometry().adjusted(
                    inner.left() - outer.left(), inner.top() - outer.top(),
                    inner.right() - outer.right(), inner.bottom() - outer.bottom()));
            }
        }
    }
}

} // namespace pistaro
