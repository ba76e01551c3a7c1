#include "app/about_dialog.h"

#include "ui/ok_button_box.h"

#include "app/artwork.h"
#include "app/credits_dialog.h"
#include "app/version.h"
#include "platform/ignore_step.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace pistaro {

namespace {

constexpr int kLink = 2;
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kWhite(0xFF, 0xFF, 0xFF);

bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_AltGr || key == Qt::Key_Meta || key == Qt::Key_Super_L ||
           key == Qt::Key_Super_R;
}

QFrame* decorativeLine(const char* name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: #C0C0C0;"));
    return line;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent, Opener opener, const QString& homePage)
    : QDialog(parent), opener_(std::move(opener)), homePage_(homePage) {
    setObjectName(QStringLiteral("Sobre1"));
    setWindowTitle(tr("About Pistaro"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(10, 14, 34));
    pal.setColor(QPalette::WindowText, kSilver);
    setPalette(pal);
    if (!opener_)
        opener_ = [](const QString& address) {
            QDesktopServices::openUrl(QUrl::fromUserInput(address));
        };

    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setPixmap(logoPixmap(QSize(200, 124)));
    picture1->setAlignment(Qt::AlignTop);

    auto* labelVersion = new QLabel(versionText(), this);
    labelVersion->setObjectName(QStringLiteral("LabelVersion"));

    const QStringList texts = {
        tr(" Pistaro and Lap Time Recorder"),
        tr("Thanks to :"),
        homePage_,
        tr("the circuit makers who share their tracks,"),
        tr("the players who send in their lap times,"),
        tr("and everyone who tests and reports problems."),
        // Without a home page there is nothing to link to; the help page is no home page.
        homePage_.isEmpty() ? tr("Help > Contents (F1) tells how Pistaro works.")
                            : tr("Questions and ideas are welcome through the home page:"),
    };
    for (int i = 0; i < texts.size(); ++i) {
        auto* label = new QLabel(texts[i], this);
        label->setObjectName(QStringLiteral("Control_%1").arg(i));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        control_.append(label);
    }
    QFont heading = control_[0]->font();
    heading.setBold(true);
    control_[0]->setFont(heading);
    control_[kLink]->setCursor(Qt::PointingHandCursor);
    control_[kLink]->setVisible(!homePage_.isEmpty());
    setLinkLook(kSilver, false);

    const OkButtonBox buttons = makeOkButtonBox(this, false);
    ok_ = buttons.ok;
    ok_->installEventFilter(this);
    connect(ok_, &QPushButton::clicked, this, &QDialog::close);

    picture1->installEventFilter(this);
    QFrame* lines[] = {decorativeLine("Line1", this), decorativeLine("Line2", this),
                       decorativeLine("Line3", this)};

    auto* text = new QVBoxLayout;
    text->addWidget(control_[0]);
    text->addWidget(labelVersion);
    text->addWidget(lines[0]);
    text->addWidget(control_[1]);
    for (int i = 3; i <= 5; ++i)
        text->addWidget(control_[i]);
    text->addWidget(lines[1]);
    text->addWidget(control_[6]);
    text->addWidget(control_[kLink]);
    text->addWidget(lines[2]);
    text->addWidget(buttons.box);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture1, 0, Qt::AlignTop);
    layout->addLayout(text);
    setFixedSize(sizeHint());
}

void AboutDialog::setLinkLook(const QColor& colour, bool underline) {
    QLabel* link = control_[kLink];
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, colour);
    link->setPalette(pal);
    QFont f = link->font();
    f.setUnderline(underline);
    link->setFont(f);
}

void AboutDialog::controlMouseMove(int index) {
    if (index == kLink)
        setLinkLook(kWhite, true);
    else
        setLinkLook(kSilver, false);
}

void AboutDialog::controlClick(int index) {
    if (index == kLink) {
        if (!homePage_.isEmpty())
            ignoreFailure("open the home page", [&] { opener_(homePage_); });
        return;
    }
    close();
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    const int index = control_.indexOf(qobject_cast<QLabel*>(watched));
    switch (event->type()) {
    case QEvent::MouseMove:
        if (index >= 0)
            controlMouseMove(index);
        return true; // the picture's moves are its own, not the window's
    case QEvent::MouseButtonPress:
        return watched != ok_;
    case QEvent::MouseButtonRelease:
        if (watched == ok_)
            return false; // the button's own click closes
        if (index >= 0)
            controlClick(index);
        else
            close(); // the picture
        return true;
    case QEvent::KeyPress:
        handleKey(static_cast<QKeyEvent*>(event));
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void AboutDialog::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    QLabel* link = control_[kLink];
    QFont f = link->font();
    f.setUnderline(false);
    link->setFont(f);
}

void AboutDialog::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    close();
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    handleKey(event);
}

void AboutDialog::handleKey(QKeyEvent* event) {
    event->accept();
    // A lone Shift, Ctrl or Alt is not a key of its own: it neither closes nor counts.
    if (isModifierOnly(event->key()))
        return;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::AltModifier) {
        if (event->key() == Qt::Key_K) {
            if (++keyCount_ == 3) {
                keyCount_ = 0;
                CreditsDialog credits(this);
                credits.exec();
            }
        } else {
            keyCount_ = 0;
        }
        return;
    }
    // A key without modifiers, or one that types a character (Shift+A, Ctrl+C), closes.
    if (mods == Qt::NoModifier || (!(mods & Qt::AltModifier) && !event->text().isEmpty()))
        close();
}

} // namespace pistaro
