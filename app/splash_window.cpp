#include "app/splash_window.h"

#include "app/artwork.h"
#include "app/version.h"
#include "platform/ignore_step.h"
#include "platform/program_end.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace pistaro {

SplashWindow::SplashWindow(std::function<void()> loadMain, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), loadMain_(std::move(loadMain)) {
    setObjectName(QStringLiteral("Sobre"));
    setAttribute(Qt::WA_DeleteOnClose);

    const QPixmap logo = logoPixmap(QSize(420, 260));
    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setPixmap(logo);
    picture1->setGeometry(QRect(QPoint(0, 0), logo.size()));

    auto* ver = new QLabel(versionText(), picture1);
    ver->setObjectName(QStringLiteral("Ver"));
    ver->setStyleSheet(QStringLiteral("color: #C0C0C0; background: transparent;"));
    ver->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ver->setGeometry(logo.width() - 160, logo.height() - 24, 150, 20);

    // The window takes the size of its picture.
    setFixedSize(logo.size());

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &SplashWindow::timer1Timer);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (loadMain_)
        timer1_->start();
}

void SplashWindow::timer1Timer() {
    // Let the splash paint before the main window's long load starts.
    QCoreApplication::processEvents();
    auto load = std::move(loadMain_);
    loadMain_ = nullptr;
    try {
        load();
    } catch (const ProgramEnded& e) {
        QCoreApplication::exit(e.status);
    } catch (const std::exception& e) {
        reportIgnoredFailure("load the main window", e.what());
    } catch (...) {
        reportIgnoredFailure("load the main window", "unknown error");
    }
    close();
}

} // namespace pistaro
