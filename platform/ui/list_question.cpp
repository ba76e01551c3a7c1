#include "platform/ui/list_question.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace pistaro {

ListQuestion::ListQuestion(const QString& title, const QString& text, const QStringList& items,
                           QWidget* parent, QDialogButtonBox::StandardButtons buttons)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ListQuestion"));
    setWindowTitle(title);
    Text = new QLabel(text, this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setWordWrap(true);
    Items = new QListWidget(this);
    Items->setObjectName(QStringLiteral("Items"));
    Items->addItems(items);
    Items->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Buttons = new QDialogButtonBox(buttons, this);
    Buttons->setObjectName(QStringLiteral("Buttons"));
    // Yes for a question, OK for a report.
    QPushButton* preferred = Buttons->button(QDialogButtonBox::Yes);
    if (!preferred)
        preferred = Buttons->button(QDialogButtonBox::Ok);
    if (preferred)
        preferred->setDefault(true);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text);
    layout->addWidget(Items, 1);
    layout->addWidget(Buttons);
}

QSize ListQuestion::sizeHint() const {
    // As wide as the longest line needs and as tall as the list, both within three quarters of
    // the screen; a longer list scrolls.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 3 / 4 : QSize(800, 600);
    const int rows = Items->count();
    const int rowHeight = rows > 0 ? Items->sizeHintForRow(0) : fontMetrics().height();
    const int listHeight = rows * rowHeight + 2 * Items->frameWidth() + 4;
    const int width = qMax(Items->sizeHintForColumn(0) + 2 * Items->frameWidth() + 40,
                           QDialog::sizeHint().width());
    const int chrome = QDialog::sizeHint().height() - Items->sizeHint().height();
    return QSize(qMin(width, room.width()), qMin(chrome + listHeight, room.height()));
}

} // namespace pistaro
