#include "tests/support/text_viewer_closer.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

QStringList closingTextViewers(const std::function<void()>& command) {
    QStringList viewed;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&viewed] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QLatin1String("MessageBox"))
            return;
        viewed << modal->findChild<QPlainTextEdit*>("Text1")->toPlainText();
        modal->findChild<QPushButton*>("Ok")->click();
    });
    closer.start(20);
    command();
    return viewed;
}
