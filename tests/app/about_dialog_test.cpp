#include "app/about_dialog.h"
#include "app/credits_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace pistaro;

namespace {

// Closes every credits window that comes up modally and counts them.
class CreditsWatcher {
public:
    CreditsWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == QLatin1String("Brelin") && modal->isVisible()) {
                ++opened;
                modal->close();
            }
        });
        timer_.start();
    }
    int opened = 0;

private:
    QTimer timer_;
};

void altKey(QWidget* w, Qt::Key key) {
    QTest::keyClick(w, key, Qt::AltModifier);
}

void moveOver(QWidget* w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

QLabel* control(QWidget& box, int i) {
    return box.findChild<QLabel*>(QStringLiteral("Control_%1").arg(i));
}

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsVersion();
    void altKThreeTimesOpensCredits();
    void otherAltKeyResetsCount();
    void countStartsAgainAfterCredits();
    void linkClickOpensHomePageAndStaysOpen();
    void linkHoverLook();
    void clickElsewhereCloses_data();
    void clickElsewhereCloses();
    void keys_data();
    void keys();
    void creditsCloseOnClickOrKey();
};

void AboutDialogTest::showsVersion() {
    AboutDialog box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About Pistaro"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("LabelVersion"))->text(),
             QStringLiteral("Version 1.7.0"));
    QCOMPARE(control(box, 0)->text(), QStringLiteral(" Pistaro and Lap Time Recorder"));
    QCOMPARE(control(box, 2)->text(), QString());
    AboutDialog linked(nullptr, {}, QStringLiteral("https://home.test/"));
    QCOMPARE(control(linked, 2)->text(), QStringLiteral("https://home.test/"));
}

void AboutDialogTest::altKThreeTimesOpensCredits() {
    AboutDialog box;
    box.show();
    CreditsWatcher credits;
    altKey(&box, Qt::Key_K);
    altKey(&box, Qt::Key_K);
    QCOMPARE(credits.opened, 0);
    altKey(&box, Qt::Key_K);
    QCOMPARE(credits.opened, 1);
    QVERIFY(box.isVisible());
}

void AboutDialogTest::otherAltKeyResetsCount() {
    AboutDialog box;
    box.show();
    CreditsWatcher credits;
    altKey(&box, Qt::Key_K);
    altKey(&box, Qt::Key_J);
    altKey(&box, Qt::Key_K);
    altKey(&box, Qt::Key_K);
    QCOMPARE(credits.opened, 0);
    // Pressing and releasing Alt between the keys is not "another key".
    QTest::keyClick(&box, Qt::Key_Alt, Qt::AltModifier);
    altKey(&box, Qt::Key_K);
    QCOMPARE(credits.opened, 1);
    QVERIFY(box.isVisible());
}

void AboutDialogTest::countStartsAgainAfterCredits() {
    AboutDialog box;
    box.show();
    CreditsWatcher credits;
    for (int i = 0; i < 3; ++i)
        altKey(&box, Qt::Key_K);
    QCOMPARE(credits.opened, 1);
    altKey(&box, Qt::Key_K);
    altKey(&box, Qt::Key_K);
    QCOMPARE(credits.opened, 1);
    altKey(&box, Qt::Key_K);
    QCOMPARE(credits.opened, 2);
}

void AboutDialogTest::linkClickOpensHomePageAndStaysOpen() {
    QStringList opened;
    AboutDialog box(
        nullptr, [&](const QString& address) { opened << address; },
        QStringLiteral("https://home.test/"));
    box.show();
    QTest::mouseClick(control(box, 2), Qt::LeftButton);
    QCOMPARE(opened, QStringList{QStringLiteral("https://home.test/")});
    QVERIFY(box.isVisible());
    // Without a home page the link opens nothing.
    AboutDialog bare(nullptr, [&](const QString& address) { opened << address; });
    bare.show();
    QTest::mouseClick(control(bare, 2), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
}

void AboutDialogTest::linkHoverLook() {
    AboutDialog box(nullptr, [](const QString&) {});
    box.show();
    QLabel* link = control(box, 2);
    auto colour = [&] { return link->palette().color(QPalette::WindowText); };

    moveOver(link);
    QCOMPARE(colour(), QColor(0xFF, 0xFF, 0xFF));
    QVERIFY(link->font().underline());

    moveOver(&box); // the window only takes the underline away
    QVERIFY(!link->font().underline());
    QCOMPARE(colour(), QColor(0xFF, 0xFF, 0xFF));

    moveOver(link);
    moveOver(control(box, 1));
    QCOMPARE(colour(), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(!link->font().underline());
}

void AboutDialogTest::clickElsewhereCloses_data() {
    QTest::addColumn<QString>("target");
    for (const char* name : {"Control_0", "Control_1", "Control_6", "Picture1", "Line2", "Ok"})
        QTest::newRow(name) << QString::fromLatin1(name);
    QTest::newRow("window") << QString();
}

void AboutDialogTest::clickElsewhereCloses() {
    QFETCH(QString, target);
    QStringList opened;
    AboutDialog box(nullptr, [&](const QString& address) { opened << address; });
    box.show();
    QWidget* w = target.isEmpty() ? &box : box.findChild<QWidget*>(target);
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QVERIFY(!box.isVisible());
    QVERIFY(opened.isEmpty());
}

void AboutDialogTest::keys_data() {
    QTest::addColumn<bool>("onOk");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::newRow("plain letter") << false << int(Qt::Key_A) << int(Qt::NoModifier) << true;
    QTest::newRow("plain letter on Ok") << true << int(Qt::Key_A) << int(Qt::NoModifier) << true;
    QTest::newRow("escape") << false << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
    QTest::newRow("shifted letter types a character")
        << false << int(Qt::Key_A) << int(Qt::ShiftModifier) << true;
    QTest::newRow("lone shift") << false << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false;
    QTest::newRow("lone alt") << false << int(Qt::Key_Alt) << int(Qt::NoModifier) << false;
    QTest::newRow("alt letter") << true << int(Qt::Key_K) << int(Qt::AltModifier) << false;
}

void AboutDialogTest::keys() {
    QFETCH(bool, onOk);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    AboutDialog box(nullptr, [](const QString&) {});
    box.show();
    QWidget* w =
        onOk ? static_cast<QWidget*>(box.findChild<QPushButton*>(QStringLiteral("Ok"))) : &box;
    QTest::keyClick(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(!box.isVisible(), closes);
}

void AboutDialogTest::creditsCloseOnClickOrKey() {
    for (const QString& what :
         {QStringLiteral("Picture2"), QStringLiteral("Frame2"), QStringLiteral("key")}) {
        CreditsDialog credits;
        credits.show();
        QVERIFY(credits.isVisible());
        if (what == QLatin1String("key"))
            QTest::keyClick(&credits, Qt::Key_Space);
        else
            QTest::mouseClick(credits.findChild<QWidget*>(what), Qt::LeftButton, Qt::NoModifier,
                              QPoint(3, 3));
        QVERIFY2(!credits.isVisible(), qPrintable(what));
    }
    // The Alt+K that opened it does not close it when the key repeats.
    CreditsDialog credits;
    credits.show();
    QTest::keyClick(&credits, Qt::Key_K, Qt::AltModifier);
    QVERIFY(credits.isVisible());
}

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
