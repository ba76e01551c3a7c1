#include "app/help_window.h"

#include "platform/guarded.h"
#include "ui/named.h"
#include "ui/picture_button.h"
#include "ui/window_size.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace pistaro {

namespace {

// A page of the help itself: a place on the page shown, or a local page the browser can show.
bool isHelpPage(const QUrl& link) {
    if (!link.isLocalFile())
        return false;
    const QString suffix = QFileInfo(link.toLocalFile()).suffix().toLower();
    return (suffix == QLatin1String("htm") || suffix == QLatin1String("html")) &&
           QFileInfo(link.toLocalFile()).isFile();
}

} // namespace

HelpWindow::HelpWindow(std::function<void(const QString&)> openOutside, QWidget* parent)
    : QWidget(parent, Qt::Window), openOutside_(std::move(openOutside)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pistaro Help"));

    Browser = named(new QTextBrowser(this), "Browser");
    // Every link comes to follow(): the browser itself would try to show web pages.
    Browser->setOpenLinks(false);
    auto* label = named(new QLabel(QStringLiteral("&Find:"), this), "FindLabel");
    SearchText = named(new QLineEdit(this), "SearchText");
    addClearButton(SearchText);
    label->setBuddy(SearchText);
    FindNext = named(new QPushButton(QStringLiteral("&Next"), this), "FindNext");
    FindPrevious = named(new QPushButton(QStringLiteral("&Previous"), this), "FindPrevious");
    NotFound = named(new QLabel(tr("Not found"), this), "NotFound");
    NotFound->setVisible(false);
    Back = named(new QPushButton(QStringLiteral("&Back"), this), "Back");
    Back->setEnabled(false);
    Close = named(new QPushButton(QStringLiteral("&Close"), this), "Close");

    connect(Browser, &QTextBrowser::anchorClicked, this,
            guarded("HelpWindow::follow", [this](const QUrl& link) { follow(link); }));
    connect(Browser, &QTextBrowser::backwardAvailable, Back, &QWidget::setEnabled);
    connect(Back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(SearchText, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(FindNext, &QPushButton::clicked, this, [this] { findNext(); });
    connect(FindPrevious, &QPushButton::clicked, this, [this] { findNext(true); });
    connect(SearchText, &QLineEdit::textEdited, this, [this] { NotFound->setVisible(false); });
    connect(Close, &QPushButton::clicked, this, &QWidget::close);

    auto* search = new QHBoxLayout;
    search->addWidget(label);
    search->addWidget(SearchText, 1);
    search->addWidget(FindNext);
    search->addWidget(FindPrevious);
    search->addWidget(NotFound);
    search->addStretch();
    search->addWidget(Back);
    search->addWidget(Close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(Browser, 1);

    // A page column of about 48 ems, as the page's own style asks, and most of a screen's height.
    keepSize(*this, QStringLiteral("HelpWindow/size"), [this] {
        const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
        return QSize(em * 56, fontMetrics().height() * 40);
    });
}

void HelpWindow::showPage(const QString& file) {
    const QUrl page = QUrl::fromLocalFile(file);
    if (Browser->source() != page)
        Browser->setSource(page);
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::page() const {
    return Browser->source();
}

void HelpWindow::follow(const QUrl& link) {
    const QUrl target = Browser->source().resolved(link);
    if (isHelpPage(target))
        Browser->setSource(target);
    else
        openOutside_(target.isLocalFile() ? target.toLocalFile() : target.toString());
}

bool HelpWindow::findNext(bool backward) {
    const QString text = SearchText->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = Browser->find(text, flags);
    if (!found) {
        // Once round the page: from the other end.
        QTextCursor cursor = Browser->textCursor();
        cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        Browser->setTextCursor(cursor);
        found = Browser->find(text, flags);
    }
    NotFound->setVisible(!found);
    return found;
}

} // namespace pistaro
