// The main window's own commands: the help page (menu and F1) and what it describes, the home
// page, the About box, and Exit, which saves on the way out.
#include "packs/ui/pack_controls.h"
#include "tests/support/files.h"
#include "tests/support/main_window_fixture.h"
#include "trackfile/ui/track_info_panel.h"

#include "app/about_dialog.h"
#include "app/help_page.h"
#include "app/help_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QShortcut>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTimer>

using namespace pistaro;

namespace {

// The help page the build ships, as the reader sees its text.
QString shippedHelpText() {
    QFile page(::helpPage(QStringLiteral(PSO_APPDIR)));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    return QTextDocumentFragment::fromHtml(QString::fromUtf8(page.readAll()))
        .toPlainText()
        .simplified();
}

} // namespace

class HelpMenuTest final : public QObject {
    Q_OBJECT
private slots:
    void helpRule_data();
    void helpRule();
    void helpWindowFollowsLinks();
    void builtProgramFolderHasItsHelp();
    void helpNamesEveryItemAndKey();
    void helpTopics_data();
    void helpTopics();
    void homePageAndAbout_data();
    void homePageAndAbout();
    void exitRunsTheUnloadSteps();
};

void HelpMenuTest::helpRule_data() {
    QTest::addColumn<QByteArray>("htm");     // content of help.htm; null: no such file
    QTest::addColumn<QByteArray>("html");    // content of help.html; null: no such file
    QTest::addColumn<QString>("translated"); // a translated page written too, "" for none
    QTest::addColumn<QString>("locale");     // the user's locale
    QTest::addColumn<QString>("opened");     // the page opened, "" for none
    QTest::addColumn<QString>("how");        // "menu", "F1", "F1 in a text box"
    const QByteArray page("<html><body>help</body></html>");
    const QByteArray missing;
    const QByteArray empty("");
    for (const char* how : {"menu", "F1", "F1 in a text box"}) {
        const QString h = QString::fromLatin1(how);
        QTest::addRow("only help.html, %s", how) << missing << page << ""
                                                 << "en_GB"
                                                 << "help.html" << h;
        QTest::addRow("empty help.htm, %s", how) << empty << page << ""
                                                 << "en_GB"
                                                 << "help.html" << h;
        QTest::addRow("neither, %s", how) << missing << missing << ""
                                          << "en_GB"
                                          << "" << h;
        QTest::addRow("German page, %s", how) << page << missing << "help.de.htm"
                                              << "de_DE"
                                              << "help.de.htm" << h;
    }
    QTest::newRow("help.htm first") << page << page << ""
                                    << "en_GB"
                                    << "help.htm"
                                    << "menu";
    QTest::newRow("both empty") << empty << empty << ""
                                << "en_GB"
                                << ""
                                << "menu";
    QTest::newRow("no page in the user's language") << page << missing << "help.fr.htm"
                                                    << "de_DE"
                                                    << "help.htm"
                                                    << "menu";
    QTest::newRow("only the translated page") << missing << missing << "help.it.htm"
                                              << "it_IT"
                                              << "help.it.htm"
                                              << "menu";
    QTest::newRow("translated page without help.htm") << missing << page << "help.es.htm"
                                                      << "nl_NL"
                                                      << "help.html"
                                                      << "menu";
}

void HelpMenuTest::helpRule() {
    QFETCH(QByteArray, htm);
    QFETCH(QByteArray, html);
    QFETCH(QString, translated);
    QFETCH(QString, locale);
    QFETCH(QString, opened);
    QFETCH(QString, how);
    MainWindowFixture fx; // speaks the C locale's English: the row's language comes after it
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    const QString help = fx.appDir() + QStringLiteral("/help");
    QVERIFY(QDir().mkpath(help));
    if (!htm.isNull())
        QVERIFY(writeFile(help + QStringLiteral("/help.htm"), htm));
    if (!html.isNull())
        QVERIFY(writeFile(help + QStringLiteral("/help.html"), html));
    if (!translated.isEmpty())
        QVERIFY(writeFile(help + "/" + translated, "<html><body>translated</body></html>"));
    MainWindow& frm = fx.start();
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    fx.dialogs.shown.clear();

    if (how == QLatin1String("menu")) {
        frm.Contents->trigger();
    } else if (how == QLatin1String("F1")) {
        QTest::keyClick(&frm, Qt::Key_F1);
    } else {
        QLineEdit* field = frm.Panel->Country;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
    }

    // The page opens in the program's own window; nothing goes to the desktop.
    QVERIFY(fx.opened.isEmpty());
    QVERIFY2(fx.dialogs.shown.isEmpty(), qPrintable(fx.dialogs.shown.join(" | ")));
    if (opened.isEmpty()) {
        QVERIFY(!frm.Helper || !frm.Helper->isVisible());
        return;
    }
    QVERIFY(frm.Helper && frm.Helper->isVisible());
    QCOMPARE(QFileInfo(frm.Helper->page().toLocalFile()).canonicalFilePath(),
             QFileInfo(help + "/" + opened).canonicalFilePath());
    QVERIFY(!frm.Helper->Browser->toPlainText().isEmpty());
}

void HelpMenuTest::helpWindowFollowsLinks() {
    MainWindowFixture fx;
    const QString help = fx.appDir() + QStringLiteral("/help");
    QVERIFY(QDir().mkpath(help));
    QByteArray page = "<html><body><p><a href=\"#last\">down</a> <a href=\"more.htm\">more</a> "
                      "<a href=\"https://example.test/x\">web</a> <a href=\"notes.txt\">notes</a> "
                      "<a href=\"gone.htm\">gone</a></p>";
    for (int i = 0; i < 200; ++i)
        page += "<p>filler line</p>";
    page += "<h2 id=\"last\">Textures</h2><p>the end</p></body></html>";
    QVERIFY(writeFile(help + QStringLiteral("/help.htm"), page));
    QVERIFY(writeFile(help + QStringLiteral("/more.htm"), "<html><body>more help</body></html>"));
    QVERIFY(writeFile(help + QStringLiteral("/notes.txt"), "notes"));
    MainWindow& frm = fx.start();
    frm.show();
    frm.Contents->trigger();
    HelpWindow* window = frm.Helper;
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QScrollBar* bar = window->Browser->verticalScrollBar();
    QCOMPARE(bar->value(), 0);

    // A place on the page: the page scrolls to it.
    window->follow(QUrl(QStringLiteral("#last")));
    QCOMPARE(window->page().fragment(), QStringLiteral("last"));
    QVERIFY(bar->value() > 0);
    // Another page of the help opens in the window, and Back returns.
    window->follow(QUrl(QStringLiteral("more.htm")));
    QCOMPARE(window->Browser->toPlainText(), QStringLiteral("more help"));
    QVERIFY(window->Back->isEnabled());
    QTest::mouseClick(window->Back, Qt::LeftButton);
    QVERIFY(window->Browser->toPlainText().contains(QStringLiteral("filler")));
    QVERIFY(fx.opened.isEmpty());
    // Web addresses, files that are no page and pages that are not there go to the desktop.
    window->follow(QUrl(QStringLiteral("https://example.test/x")));
    window->follow(QUrl(QStringLiteral("notes.txt")));
    window->follow(QUrl(QStringLiteral("gone.htm")));
    QCOMPARE(fx.opened, (QStringList{QStringLiteral("https://example.test/x"),
                                     QFileInfo(help + "/notes.txt").absoluteFilePath(),
                                     QFileInfo(help + "/gone.htm").absoluteFilePath()}));
    QVERIFY(window->Browser->toPlainText().contains(QStringLiteral("filler")));

    // The search field finds a word, again from the top, and says when the page lacks it.
    QTest::keyClicks(window->SearchText, QStringLiteral("textures"));
    QTest::keyClick(window->SearchText, Qt::Key_Return);
    QCOMPARE(window->Browser->textCursor().selectedText(), QStringLiteral("Textures"));
    QVERIFY(window->findNext()); // round the page to the same word
    QVERIFY(!window->NotFound->isVisible());
    window->SearchText->setText(QStringLiteral("no such word"));
    QVERIFY(!window->findNext(true));
    QVERIFY(window->NotFound->isVisible());

    // The size the user gives it is kept for the next time it opens.
    window->resize(window->size() + QSize(40, 30));
    const QSize given = window->size();
    window->close();
    delete frm.Helper;
    frm.Helper = nullptr;
    frm.Contents->trigger();
    QVERIFY(frm.Helper);
    QCOMPARE(frm.Helper->size(), given);
}

void HelpMenuTest::builtProgramFolderHasItsHelp() {
    QCOMPARE(QFileInfo(::helpPage(QStringLiteral(PSO_APPDIR))).fileName(),
             QStringLiteral("help.htm"));
}

void HelpMenuTest::helpNamesEveryItemAndKey() {
    // Walks the real window, so an item or key added without its help fails here.
    MainWindowFixture fx;
    MainWindow& frm = fx.start();
    const QString help = shippedHelpText();
    QVERIFY(help.size() > 1000);
    QStringList missing;
    const auto need = [&](const QString& text) {
        if (!help.contains(text))
            missing << text;
    };
    for (const QMenu* menu : frm.findChildren<QMenu*>())
        for (const QAction* item : menu->actions())
            if (!item->isSeparator() && !item->menu())
                need(item->iconText()); // the caption without its & and "..."
    QStringList keys;
    for (const QAction* action : frm.findChildren<QAction*>())
        keys << action->shortcut().toString(QKeySequence::NativeText);
    for (const QShortcut* shortcut : frm.findChildren<QShortcut*>())
        keys << shortcut->key().toString(QKeySequence::NativeText);
    keys.removeAll(QString());
    QVERIFY(keys.size() >= 8);
    for (const QString& key : keys)
        need(key);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void HelpMenuTest::helpTopics_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");
    for (const char* text :
         {"Outside programs", "gp2hipic.pif", "jad2jam.exe", "DOS emulator", "DOSBox",
          "~/.config/pistaro/pistaro.conf", "~/.local/share/pistaro", "Where is your GP2 folder?",
          "Filter circuits", "drag", "Restore last change", "History"})
        QTest::newRow(text) << QString::fromLatin1(text) << true;
    // What older programs told their readers: nothing here works that way.
    QTest::newRow("no wrapper scripts") << "wrapper" << false;
    QTest::newRow("settings files exist") << "initialisation files" << false;
}

void HelpMenuTest::helpTopics() {
    QFETCH(QString, text);
    QFETCH(bool, present);
    QCOMPARE(shippedHelpText().contains(text), present);
}

void HelpMenuTest::homePageAndAbout_data() {
    QTest::addColumn<QString>("address"); // the home page the build names, "" for none
    QTest::addColumn<bool>("helpPage");   // the program has a help page
    QTest::newRow("address") << "https://home.test/" << true;
    // The local help page is no home page: neither the menu nor About offers it as one.
    QTest::newRow("none, though a help page") << "" << true;
    QTest::newRow("none and no help page") << "" << false;
}

void HelpMenuTest::homePageAndAbout() {
    QFETCH(QString, address);
    QFETCH(bool, helpPage);
    MainWindowFixture fx;
    // The help page comes from the installed data, which need not be the folder written.
    QTemporaryDir data;
    fx.bas.DataDir = data.path();
    if (helpPage) {
        QVERIFY(QDir().mkpath(data.path() + QStringLiteral("/help")));
        QVERIFY(writeFile(data.path() + QStringLiteral("/help/help.htm"), "<html>help</html>"));
    }
    MainWindow& frm = fx.start();
    frm.homePageAddress = address;
    frm.show();
    emit frm.Help->aboutToShow();
    QCOMPARE(frm.PSOHP->isVisible(), !address.isEmpty());
    frm.PSOHP->trigger();
    const QStringList once = address.isEmpty() ? QStringList{} : QStringList{address};
    QCOMPARE(fx.opened, once);

    // The About box comes up modal over the main window; its link goes through the same opener.
    QString modalName;
    QWidget* modalParent = nullptr;
    QString invitation;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        modalName = modal->objectName();
        modalParent = modal->parentWidget();
        invitation = modal->findChild<QLabel*>(QStringLiteral("Control_6"))->text();
        QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("Control_2")), Qt::LeftButton);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Ok")), Qt::LeftButton);
    });
    frm.HelpAbout->trigger();
    QCOMPARE(modalName, QStringLiteral("Sobre1"));
    QCOMPARE(modalParent, &frm);
    QCOMPARE(fx.opened, once + once);
    QCOMPARE(invitation.contains(QStringLiteral("home page")), !address.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void HelpMenuTest::exitRunsTheUnloadSteps() {
    MainWindowFixture fx;
    const QString packsTxt = fx.appDir() + QStringLiteral("/Packs.txt");
    QVERIFY(writeFile(packsTxt, "Season 95\r\n"));
    MainWindow& frm = fx.start();
    frm.show();
    frm.Packs->SelectedPack->addItem(QStringLiteral("Retro"));
    QTest::mouseClick(frm.Exit, Qt::LeftButton);
    QVERIFY(frm.unloaded());
    QVERIFY(!frm.isVisible());
    QVERIFY(!fx.bas.Db);
    QVERIFY(!fx.bas.MapsDb);
    QFile f(packsTxt);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Season 95\r\nRetro\r\n"));
    fx.stop(); // a second unload does nothing
    QVERIFY(fx.dialogs.shown.isEmpty());
}

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
