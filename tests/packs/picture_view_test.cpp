#include "packs/ui/picture_view.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace pistaro;

namespace {

struct Margins {
    int frameW, imageW, okLeft, frameH, imageH, okTop;
    bool operator==(const Margins&) const = default;
};

Margins measure(const PictureView& v) {
    const auto* frame = v.findChild<QFrame*>(QStringLiteral("Frame1"));
    const auto* image = v.findChild<QLabel*>(QStringLiteral("Image1"));
    const auto* ok = v.findChild<QPushButton*>(QStringLiteral("Ok"));
    return {v.width() - frame->width(),   v.width() - image->width(),   v.width() - ok->x(),
            v.height() - frame->height(), v.height() - image->height(), v.height() - ok->y()};
}

} // namespace

class PictureViewTest : public QObject {
    Q_OBJECT
private slots:
    void toggleKeepsMargins();
    void okCloses();
};

void PictureViewTest::toggleKeepsMargins() {
    PictureView v;
    QCOMPARE(v.windowTitle(), QStringLiteral("Picture View"));
    QPixmap pm(64, 48);
    pm.fill(Qt::red);
    v.setPicture(pm);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    auto* image = v.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(image->hasScaledContents());

    const Margins before = measure(v);
    const QSize normal = v.size();

    QTest::mouseClick(image, Qt::LeftButton);
    QVERIFY(v.isMaximized());
    QVERIFY(v.width() > normal.width() && v.height() > normal.height());
    QCOMPARE(measure(v), before);
    QVERIFY(image->isVisible());

    QTest::mouseClick(image, Qt::LeftButton);
    QVERIFY(!v.isMaximized());
    QCOMPARE(v.size(), normal);
    QCOMPARE(measure(v), before);
    QVERIFY(image->isVisible());
}

void PictureViewTest::okCloses() {
    PictureView v;
    v.show();
    QTest::mouseClick(v.findChild<QPushButton*>(QStringLiteral("Ok")), Qt::LeftButton);
    QVERIFY(!v.isVisible());
}

QTEST_MAIN(PictureViewTest)
#include "picture_view_test.moc"
