#include "app/status_window.h"

#include "platform/command_gate.h"
#include "platform/guarded.h"
#include "platform/shown_text.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace pistaro {

namespace {
QPointer<StatusWindow> sharedStatus;
constexpr int kWidth = 340;
constexpr int kHeight = 110;
constexpr int kStopRow = 34; // added below the lines while a program is waited for
} // namespace

// Not kept on top, so message boxes of the command appear above it; and closing it neither
// ends the program (it is often the only window shown) nor stops the command, which shows
// it again with its next line.
StatusWindow::StatusWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Status"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Pistaro"));
    setFixedSize(kWidth, kHeight);

    // Status2 is the sunken panel behind the two lines; Label1000 names the program above it.
    auto* banner = new QLabel(QStringLiteral("Pistaro"), this);
    banner->setObjectName(QStringLiteral("Label1000"));
    banner->setGeometry(12, 6, 316, 18);
    QFont bold = banner->font();
    bold.setBold(true);
    banner->setFont(bold);

    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Status2"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(10, 28, 320, 72);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setTextFormat(Qt::PlainText); // a name is never read as markup
    label1_->setGeometry(16, 36, 308, 24);

    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setTextFormat(Qt::PlainText);
    label2_->setGeometry(16, 66, 308, 24);

    stop_ = new QPushButton(tr("&Stop"), this);
    stop_->setObjectName(QStringLiteral("Stop"));
    stop_->setToolTip(tr("End the program Pistaro waits for"));
    stop_->setGeometry(kWidth / 2 - 50, kHeight + 2, 100, kStopRow - 8);
    connect(stop_, &QPushButton::clicked, this,
            guarded("Stop_Click", [] { CommandGate::instance().stopWaited(); }));
    cancel_ = new QPushButton(tr("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CancelRun"));
    cancel_->setToolTip(tr("Stop after the step under way; what is done stays"));
    cancel_->setGeometry(kWidth / 2 - 50, kHeight + 2, 100, kStopRow - 8);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        cancel_->setEnabled(false);
    });
    connect(&CommandGate::instance(), &CommandGate::waitingChanged, this,
            &StatusWindow::followWait);
    followWait(CommandGate::instance().waitingFor());
}

void StatusWindow::followWait(const QString& program) {
    stop_->setText(program.isEmpty() ? tr("&Stop") : tr("&Stop %1").arg(program));
    placeButtons();
}

void StatusWindow::offerCancel(bool offered) {
    cancelOffered_ = offered;
    cancelled_ = false;
    cancel_->setEnabled(true);
    placeButtons();
}

void StatusWindow::placeButtons() {
    const bool waiting = !CommandGate::instance().waitingFor().isEmpty();
    stop_->setVisible(waiting);
    cancel_->setVisible(cancelOffered_ && !waiting);
    setFixedSize(kWidth, waiting || cancelOffered_ ? kHeight + kStopRow : kHeight);
}

StatusWindow& StatusWindow::instance() {
    if (!sharedStatus)
        sharedStatus = new StatusWindow;
    return *sharedStatus;
}

void StatusWindow::release() {
    delete sharedStatus.data();
}

void StatusWindow::showStatus() {
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect r = rect();
            r.moveCenter(screen->availableGeometry().center());
            move(r.topLeft());
        }
    }
    show();
    raise();
}

void StatusWindow::hideStatus() {
    hide();
}

// The lines name files, tracks and archive entries: their control characters are shown.
void StatusWindow::setLine1(const QString& text) {
    label1_->setText(shown::text(text));
}

void StatusWindow::setLine2(const QString& text) {
    label2_->setText(shown::text(text));
}

QString StatusWindow::line1() const {
    return label1_->text();
}

QString StatusWindow::line2() const {
    return label2_->text();
}

void StatusWindow::pump() {
    QCoreApplication::processEvents();
}

} // namespace pistaro
