// The shared Status window of long commands: closing it by its title bar neither ends the
// program nor keeps the command from showing it again.
#include "app/status_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace pistaro;

class StatusWindowTest final : public QObject {
    Q_OBJECT
private slots:
    void closingItDoesNotEndTheProgram() {
        StatusWindow& status = StatusWindow::instance();
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        status.setLine1(QStringLiteral("Please wait,"));
        status.showStatus();
        QVERIFY(QTest::qWaitForWindowExposed(&status));
        // It is the only window shown, as while the main window is hidden for a command.
        QVERIFY(status.close());
        QTest::qWait(20);
        QCOMPARE(lastClosed.count(), 0);
        // Message boxes of the command are not kept beneath it.
        QVERIFY(!(status.windowFlags() & Qt::WindowStaysOnTopHint));
        // The command goes on: its next line shows the window again.
        status.setLine2(QStringLiteral("f1ct05.dat"));
        status.showStatus();
        QVERIFY(status.isVisible());
        QCOMPARE(status.line2(), QStringLiteral("f1ct05.dat"));
        StatusWindow::release();
    }

    // Cancel shows while it is offered; a click is kept until the next offer, and a command
    // that offers it again starts uncancelled.
    void cancelIsOfferedAndKept() {
        StatusWindow& status = StatusWindow::instance();
        status.showStatus();
        QVERIFY(!status.cancelButton()->isVisible());
        const int plainHeight = status.height();
        status.offerCancel(true);
        QVERIFY(status.cancelButton()->isVisible());
        QVERIFY(status.height() > plainHeight);
        QVERIFY(!status.cancelRequested());
        QTest::mouseClick(status.cancelButton(), Qt::LeftButton);
        QVERIFY(status.cancelRequested());
        QVERIFY(!status.cancelButton()->isEnabled());
        status.offerCancel(false);
        QVERIFY(!status.cancelButton()->isVisible());
        QCOMPARE(status.height(), plainHeight);
        status.offerCancel(true);
        QVERIFY(!status.cancelRequested());
        QVERIFY(status.cancelButton()->isEnabled());
        StatusWindow::release();
    }
};

QTEST_MAIN(StatusWindowTest)
#include "status_window_test.moc"
