#include "app/credits_dialog.h"

#include "app/artwork.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace pistaro {

namespace {

bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_AltGr || key == Qt::Key_Meta || key == Qt::Key_Super_L ||
           key == Qt::Key_Super_R;
}

} // namespace

CreditsDialog::CreditsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Brelin"));
    setWindowTitle(QStringLiteral("Pistaro"));
    setFixedSize(460, 250);
    setStyleSheet(QStringLiteral("QDialog { background: #0a0e22; }"));

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame1->setStyleSheet(QStringLiteral("QFrame { color: #C0C0C0; }"));
    frame1->setGeometry(10, 10, 440, 150);

    auto* frame2 = new QFrame(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame2->setStyleSheet(QStringLiteral("QFrame { color: #C0C0C0; }"));
    frame2->setGeometry(10, 168, 440, 72);

    const QSize pic(130, 130);
    auto addPicture = [&](const char* name, const QPixmap& pm, int x) {
        auto* label = new QLabel(frame1);
        label->setObjectName(QLatin1String(name));
        label->setPixmap(pm);
        label->setGeometry(x, 10, pic.width(), pic.height());
        label->installEventFilter(this);
    };
    addPicture("Picture1", circuitPixmap(pic), 10);
    addPicture("Picture2", flagPixmap(pic), 155);
    addPicture("Picture3", stopwatchPixmap(pic), 300);

    auto* words = new QLabel(tr("Made for everyone who keeps racing on add-on circuits."), frame2);
    words->setStyleSheet(QStringLiteral("color: #C0C0C0;"));
    words->setAlignment(Qt::AlignCenter);
    words->setWordWrap(true);
    words->setGeometry(10, 8, 420, 56);
    words->setAttribute(Qt::WA_TransparentForMouseEvents);

    frame1->installEventFilter(this);
    frame2->installEventFilter(this);
}

bool CreditsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CreditsDialog::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    close();
}

void CreditsDialog::keyPressEvent(QKeyEvent* event) {
    event->accept();
    // A lone Shift, Ctrl or Alt is no key of its own, and Alt combinations produce no
    // character: the Alt+K that opened this window must not close it again on repeat.
    if (isModifierOnly(event->key()) || (event->modifiers() & Qt::AltModifier))
        return;
    close();
}

} // namespace pistaro
