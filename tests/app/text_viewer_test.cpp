#include "app/text_viewer.h"
#include "ui/fixed_font.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace pistaro;

class TextViewerTest : public QObject {
    Q_OBJECT
private slots:
    void typingChangesNothing();
    void emptyTextShowsAndOkCloses();
};

void TextViewerTest::typingChangesNothing() {
    TextViewer box;
    box.setText(QStringLiteral("first line\r\nsecond line"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* text1 = box.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QVERIFY(text1);
    const QString before = QStringLiteral("first line\nsecond line");
    QCOMPARE(text1->toPlainText(), before);
    // Print files and reports are columns of characters: every glyph advances alike.
    QVERIFY2(advancesEvenly(text1->font()), qPrintable(text1->font().family()));
    text1->setFocus();

    QTest::keyClicks(text1, QStringLiteral("typed"));
    QTest::keyClick(text1, Qt::Key_Backspace);
    QTest::keyClick(text1, Qt::Key_Delete);
    QTest::keyClick(text1, Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_X, Qt::ControlModifier);
    text1->paste();
    text1->cut();
    QCOMPARE(text1->toPlainText(), before);

    // Selecting and copying still work.
    QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), before);
}

void TextViewerTest::emptyTextShowsAndOkCloses() {
    QString seen = QStringLiteral("not shown");
    bool closedByOk = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QLatin1String("MessageBox"))
            return;
        seen = modal->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
        auto* ok = modal->findChild<QPushButton*>(QStringLiteral("Ok"));
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        closedByOk = !modal->isVisible();
    });
    // Safety net so a viewer that does not close fails instead of hanging.
    QTimer::singleShot(3000, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    ShowText(QString());
    QVERIFY(closedByOk);
    QCOMPARE(seen, QString());
}

QTEST_MAIN(TextViewerTest)
#include "text_viewer_test.moc"
