// The main window's own commands: the help page (menu and F1), the home page, the About box,
// and Exit, which saves on the way out.
#include "packs/ui/pack_controls.h"
#include "tests/support/files.h"
#include "tests/support/main_window_fixture.h"
#include "trackfile/ui/track_info_panel.h"

#include "app/about_dialog.h"
#include "app/help_page.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace pistaro;

namespace {} // namespace

class HelpMenuTest final : public QObject {
    Q_OBJECT
private slots:
    void helpRule_data();
    void helpRule();
    void builtProgramFolderHasItsHelp();
    void homePageAndAbout_data();
    void homePageAndAbout();
    void exitRunsTheUnloadSteps();
};

void HelpMenuTest::helpRule_data() {
    QTest::addColumn<QByteArray>("htm");  // content of help.htm; null: no such file
    QTest::addColumn<QByteArray>("html"); // content of help.html; null: no such file
    QTest::addColumn<QString>("opened");  // the page opened, "" for none
    QTest::addColumn<QString>("how");     // "menu", "F1", "F1 in a text box"
    const QByteArray page("<html><body>help</body></html>");
    const QByteArray missing;
    const QByteArray empty("");
    for (const char* how : {"menu", "F1", "F1 in a text box"}) {
        const QString h = QString::fromLatin1(how);
        QTest::addRow("only help.html, %s", how) << missing << page << "help.html" << h;
        QTest::addRow("empty help.htm, %s", how) << empty << page << "help.html" << h;
        QTest::addRow("neither, %s", how) << missing << missing << "" << h;
    }
    QTest::newRow("help.htm first") << page << page << "help.htm"
                                    << "menu";
    QTest::newRow("both empty") << empty << empty << ""
                                << "menu";
}

void HelpMenuTest::helpRule() {
    QFETCH(QByteArray, htm);
    QFETCH(QByteArray, html);
    QFETCH(QString, opened);
    QFETCH(QString, how);
    MainWindowFixture fx;
    const QString help = fx.appDir() + QStringLiteral("/help");
    if (!htm.isNull() || !html.isNull())
        QVERIFY(QDir().mkpath(help));
    if (!htm.isNull())
        QVERIFY(writeFile(help + QStringLiteral("/help.htm"), htm));
    if (!html.isNull())
        QVERIFY(writeFile(help + QStringLiteral("/help.html"), html));
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

    const QStringList expected = opened.isEmpty()
                                     ? QStringList{}
                                     : QStringList{QDir::toNativeSeparators(help + "/" + opened)};
    QCOMPARE(fx.opened, expected);
    QVERIFY2(fx.dialogs.shown.isEmpty(), qPrintable(fx.dialogs.shown.join(" | ")));
}

void HelpMenuTest::builtProgramFolderHasItsHelp() {
    QCOMPARE(QFileInfo(::helpPage(QStringLiteral(PSO_APPDIR))).fileName(),
             QStringLiteral("help.htm"));
}

void HelpMenuTest::homePageAndAbout_data() {
    QTest::addColumn<QString>("address"); // the home page the build names, "" for none
    QTest::addColumn<bool>("helpPage");   // the program has a help page
    QTest::addColumn<QString>("opened");  // "help": the help page
    QTest::newRow("address") << "https://home.test/" << true << "https://home.test/";
    QTest::newRow("none: the help page") << "" << true << "help";
    QTest::newRow("none and no help page") << "" << false << "";
}

void HelpMenuTest::homePageAndAbout() {
    QFETCH(QString, address);
    QFETCH(bool, helpPage);
    QFETCH(QString, opened);
    MainWindowFixture fx;
    // The help page comes from the installed data, which need not be the folder written.
    QTemporaryDir data;
    fx.bas.DataDir = data.path();
    const QString page = QDir::toNativeSeparators(data.path() + QStringLiteral("/help/help.htm"));
    if (helpPage) {
        QVERIFY(QDir().mkpath(data.path() + QStringLiteral("/help")));
        QVERIFY(writeFile(page, "<html>help</html>"));
    }
    if (opened == QLatin1String("help"))
        opened = page;
    MainWindow& frm = fx.start();
    frm.homePageAddress = address;
    frm.show();
    frm.PSOHP->trigger();
    const QStringList once = opened.isEmpty() ? QStringList{} : QStringList{opened};
    QCOMPARE(fx.opened, once);

    // The About box comes up modal over the main window; its link goes through the same opener.
    QString modalName;
    QWidget* modalParent = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        modalName = modal->objectName();
        modalParent = modal->parentWidget();
        QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("Control_2")), Qt::LeftButton);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Ok")), Qt::LeftButton);
    });
    frm.HelpAbout->trigger();
    QCOMPARE(modalName, QStringLiteral("Sobre1"));
    QCOMPARE(modalParent, &frm);
    QCOMPARE(fx.opened, once + once);
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
