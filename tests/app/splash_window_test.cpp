#include "app/splash_window.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace pistaro;

class SplashWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadsMainThenCloses();
};

void SplashWindowTest::loadsMainThenCloses() {
    QWidget main;
    bool splashVisibleDuringLoad = false;
    QPointer<SplashWindow> splash;
    splash = new SplashWindow([&] {
        splashVisibleDuringLoad = splash && splash->isVisible();
        main.show();
    });
    auto* picture = splash->findChild<QLabel*>(QStringLiteral("Picture1"));
    QCOMPARE(splash->size(), picture->pixmap().size());
    QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("Ver"))->text(),
             QStringLiteral("Version 1.7.0"));
    QCOMPARE(splash->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 1);

    splash->show();
    QTRY_VERIFY(splash.isNull()); // closed and deleted once the main window is up
    QVERIFY(splashVisibleDuringLoad);
    QVERIFY(main.isVisible());
}

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
