#include "app/text_viewer.h"

#include "ui/fixed_font.h"
#include "ui/ok_button_box.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pistaro {

TextViewer::TextViewer(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MessageBox"));
    setWindowTitle(QStringLiteral("Pistaro"));
    resize(560, 400);

    // Read-only discards every key, paste, cut and drop that would change the text, while
    // mouse and keyboard selection (and copying) still work.
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Reports and print files are laid out in columns of characters.
    text1_->setFont(evenFixedFont());
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    const OkButtonBox buttons = makeOkButtonBox(this, true);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1_);
    layout->addWidget(buttons.box);
}

void TextViewer::setText(const QString& text) {
    // Reports are built with CR LF line ends; the text box wants plain line feeds.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text1_->setPlainText(lines);
}

QString TextViewer::text() const {
    return text1_->toPlainText();
}

void ShowText(const QString& text, QWidget* parent) {
    TextViewer box(parent);
    box.setText(text);
    box.exec();
}

} // namespace pistaro
