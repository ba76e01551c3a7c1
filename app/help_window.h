#pragma once
// Help > "&Contents" and F1: the help page in a window of the program's own, whatever desktop
// is installed. The page's own links move within the window, other addresses go to the
// desktop, and a search field finds a word on the page.
#include <QUrl>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace pistaro {

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    // `openOutside` takes the addresses that are no page of the help.
    HelpWindow(std::function<void(const QString&)> openOutside, QWidget* parent);

    // Loads `file` (a local page) and brings the window up.
    void showPage(const QString& file);
    // The page shown, with the place a link led to.
    QUrl page() const;
    // Follows a link of the page as a click does.
    void follow(const QUrl& link);
    // Finds `SearchText`'s text after the cursor (before it when `backward`), starting over at
    // the other end once; false when the page does not hold it.
    bool findNext(bool backward = false);

    QTextBrowser* Browser;
    QLineEdit* SearchText;
    QPushButton* FindNext;
    QPushButton* FindPrevious;
    QPushButton* Back;
    QPushButton* Close;
    QLabel* NotFound;

private:
    std::function<void(const QString&)> openOutside_;
};

} // namespace pistaro
