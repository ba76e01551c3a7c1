#include "platform/ui/qt_dialogs.h"

#include "platform/ui/list_question.h"
#include "tests/support/files.h"
#include "tests/support/scratch_settings.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <functional>

using namespace pistaro;

namespace {
// Runs `act` on the modal dialog once it is shown (the dialogs block in exec()).
void whenShown(std::function<void(QWidget*)> act) {
    auto poll = std::make_shared<std::function<void(int)>>();
    *poll = [act, poll](int triesLeft) {
        if (QWidget* w = QApplication::activeModalWidget()) {
            act(w);
            return;
        }
        if (triesLeft > 0)
            QTimer::singleShot(10, [poll, triesLeft] { (*poll)(triesLeft - 1); });
        else
            *poll = nullptr; // give up; the test's own checks then fail
    };
    QTimer::singleShot(0, [poll] { (*poll)(500); });
}
} // namespace

class QtDialogsTest final : public QObject {
    Q_OBJECT
private slots:
    // The dialogs remember folders in the program's settings: those of a scratch folder.
    void initTestCase() { scratchsettings::use(settings_.path()); }
    void messageBoxIsPlain();
    void yesNo_data();
    void yesNo();
    void listQuestion_data();
    void listQuestion();
    void inputOffersDefault();
    void inputCancelIsEmpty();
    void openFileStartsInPresetFolder();
    void openFileCancelKeepsPreset();
    void openFilesTakesSeveral();
    void saveFileAddsItsExtension();
    void fileDialogsStartWhereTheirKindWasLastChosen();
    void pickFolderWithoutTrailingSeparator();
    void pickFolderCancelIsEmpty();

private:
    QTemporaryDir settings_;
    QtDialogs dialogs_;
};

void QtDialogsTest::messageBoxIsPlain() {
    QString title, text;
    int icon = -1, width = 0;
    QList<QAbstractButton*> buttons;
    whenShown([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        width = box->width();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs_.message(QStringLiteral("Track updated."));
    QCOMPARE(title, QStringLiteral("Pistaro"));
    QCOMPARE(text, QStringLiteral("Track updated."));
    QCOMPARE(icon, int(QMessageBox::NoIcon));
    QCOMPARE(buttons.size(), 1);
    // A short text still leaves the frame room for the whole title.
    QVERIFY2(width >= 2 * QFontMetrics(QApplication::font()).horizontalAdvance(title),
             qPrintable(QString::number(width)));
}

void QtDialogsTest::yesNo_data() {
    QTest::addColumn<int>("action"); // 0 Yes, 1 No, 2 Escape
    QTest::addColumn<bool>("expected");
    QTest::newRow("yes") << 0 << true;
    QTest::newRow("no") << 1 << false;
    QTest::newRow("escape") << 2 << false;
}

void QtDialogsTest::yesNo() {
    QFETCH(int, action);
    QFETCH(bool, expected);
    int icon = -1;
    int buttonCount = 0;
    whenShown([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        icon = box->icon();
        buttonCount = int(box->buttons().size());
        if (action == 0)
            box->button(QMessageBox::Yes)->click();
        else if (action == 1)
            box->button(QMessageBox::No)->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(dialogs_.askYesNo(QStringLiteral("Delete ?")), expected);
    QCOMPARE(icon, int(QMessageBox::NoIcon));
    QCOMPARE(buttonCount, 2);
}

void QtDialogsTest::listQuestion_data() {
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("action"); // 0 Yes, 1 No, 2 Escape, 3 a report's OK
    QTest::addColumn<bool>("expected");
    QTest::newRow("3 files, yes") << 3 << 0 << true;
    QTest::newRow("report of 150 failures") << 150 << 3 << true;
    QTest::newRow("150 files, yes") << 150 << 0 << true;
    QTest::newRow("1000 files, no") << 1000 << 1 << false;
    QTest::newRow("150 files, escape") << 150 << 2 << false;
}

// However long the list, the question fits the screen and its buttons are in reach.
void QtDialogsTest::listQuestion() {
    QFETCH(int, items);
    QFETCH(int, action);
    QFETCH(bool, expected);
    QStringList files;
    for (int i = 0; i < items; ++i)
        files << QStringLiteral("/games/gp2/Circuits/addon%1.dat").arg(i, 4, 10, QLatin1Char('0'));
    QRect frame, yes, screen;
    int listed = 0;
    whenShown([&](QWidget* w) {
        auto* box = qobject_cast<ListQuestion*>(w);
        QVERIFY(box);
        screen = box->screen()->availableGeometry();
        frame = box->frameGeometry();
        QPushButton* yesButton =
            box->Buttons->button(action == 3 ? QDialogButtonBox::Ok : QDialogButtonBox::Yes);
        QVERIFY(yesButton);
        QCOMPARE(box->Buttons->buttons().size(), action == 3 ? 1 : 2);
        yes = QRect(yesButton->mapToGlobal(QPoint(0, 0)), yesButton->size());
        listed = box->Items->count();
        if (action == 0)
            yesButton->click();
        else if (action == 1)
            box->Buttons->button(QDialogButtonBox::No)->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
    if (action == 3)
        dialogs_.report(QStringLiteral("Gp2 was updated in part."), files);
    else
        QCOMPARE(dialogs_.askYesNoList(QStringLiteral("Restore the game files ?"), files),
                 expected);
    QCOMPARE(listed, items);
    QVERIFY2(frame.height() <= screen.height(), qPrintable(QString::number(frame.height())));
    QVERIFY(screen.contains(yes));
}

void QtDialogsTest::inputOffersDefault() {
    QString offered, label;
    whenShown([&](QWidget* w) {
        auto* dlg = qobject_cast<QInputDialog*>(w);
        QVERIFY(dlg);
        offered = dlg->textValue();
        label = dlg->labelText();
        auto* edit = dlg->findChild<QLineEdit*>();
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("spa.dat"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(dialogs_.input(QStringLiteral("New name:"), QStringLiteral("monza.dat")),
             QStringLiteral("spa.dat"));
    QCOMPARE(offered, QStringLiteral("monza.dat"));
    QCOMPARE(label, QStringLiteral("New name:"));
}

void QtDialogsTest::inputCancelIsEmpty() {
    whenShown([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QCOMPARE(dialogs_.input(QStringLiteral("New name:"), QStringLiteral("monza.dat")), QString());
}

void QtDialogsTest::openFileStartsInPresetFolder() {
    QTemporaryDir tmp;
    QFile zip(tmp.filePath(QStringLiteral("track.zip")));
    QVERIFY(zip.open(QIODevice::WriteOnly));
    zip.close();
    const QString preset =
        QDir::toNativeSeparators(tmp.path()) + QDir::separator() + QStringLiteral("*.zip");
    QString title, startedIn;
    QStringList filters;
    whenShown([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        QVERIFY(dlg);
        title = dlg->windowTitle();
        startedIn = dlg->directory().absolutePath();
        filters = dlg->nameFilters();
        dlg->selectFile(QStringLiteral("track")); // typed without extension
        static_cast<QDialog*>(dlg)->accept();     // QFileDialog::accept checks the typed name
    });
    const QString chosen = dialogs_.openFile(QStringLiteral("New track selection "), preset,
                                             QStringLiteral("*.zip"), QStringLiteral("zip"));
    QCOMPARE(title, QStringLiteral("New track selection "));
    QCOMPARE(startedIn, QDir(tmp.path()).absolutePath());
    QCOMPARE(filters, QStringList{QStringLiteral("*.zip")});
    QCOMPARE(chosen, QDir::toNativeSeparators(tmp.filePath(QStringLiteral("track.zip"))));
}

void QtDialogsTest::openFileCancelKeepsPreset() {
    QTemporaryDir tmp;
    const QString preset =
        QDir::toNativeSeparators(tmp.path()) + QDir::separator() + QStringLiteral("*.zip");
    whenShown([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QCOMPARE(dialogs_.openFile(QStringLiteral("New track selection "), preset,
                               QStringLiteral("*.zip"), QStringLiteral("zip")),
             preset);
    whenShown([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QCOMPARE(dialogs_.openFile(QStringLiteral("Menu picture selection"), QString(),
                               QStringLiteral("*.bmp"), QStringLiteral("bmp")),
             QString());
}

void QtDialogsTest::openFilesTakesSeveral() {
    // Several files chosen at once come back in native form; a cancel chooses none.
    QTemporaryDir tmp;
    for (const char* name : {"a.zip", "b.7z"})
        QVERIFY(writeFile(tmp.filePath(QString::fromLatin1(name)), "x"));
    QString startedIn;
    QStringList filters;
    whenShown([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        QVERIFY(dlg);
        startedIn = dlg->directory().absolutePath();
        filters = dlg->nameFilters();
        dlg->selectFile(QStringLiteral("\"a.zip\" \"b.7z\""));
        static_cast<QDialog*>(dlg)->accept();
    });
    const QStringList chosen =
        dialogs_.openFiles(QStringLiteral("New track selection "), tmp.path(),
                           QStringLiteral("Archives|*.zip;*.7z|All files|*.*"));
    QCOMPARE(startedIn, QDir(tmp.path()).absolutePath());
    QCOMPARE(filters, (QStringList{"Archives (*.zip *.7z)", "All files (*.*)"}));
    QCOMPARE(chosen, (QStringList{QDir::toNativeSeparators(tmp.filePath("a.zip")),
                                  QDir::toNativeSeparators(tmp.filePath("b.7z"))}));
    whenShown([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QCOMPARE(dialogs_.openFiles(QStringLiteral("New track selection "), tmp.path(), "*.zip"),
             QStringList());
}

void QtDialogsTest::saveFileAddsItsExtension() {
    // A new name typed without extension gets it; a cancel is no file.
    QTemporaryDir tmp;
    const QString preset = QDir::toNativeSeparators(tmp.filePath(QStringLiteral("circuits.csv")));
    QString title, offered;
    whenShown([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        QVERIFY(dlg);
        title = dlg->windowTitle();
        offered = dlg->selectedFiles().value(0);
        QCOMPARE(dlg->acceptMode(), QFileDialog::AcceptSave);
        dlg->selectFile(tmp.filePath(QStringLiteral("list")));
        static_cast<QDialog*>(dlg)->accept();
    });
    const QString chosen = dialogs_.saveFile(QStringLiteral("Export circuit list"), preset,
                                             QStringLiteral("*.csv"), QStringLiteral("csv"));
    QCOMPARE(title, QStringLiteral("Export circuit list"));
    QCOMPARE(offered, tmp.filePath(QStringLiteral("circuits.csv")));
    QCOMPARE(chosen, QDir::toNativeSeparators(tmp.filePath(QStringLiteral("list.csv"))));
    whenShown([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QCOMPARE(dialogs_.saveFile(QStringLiteral("Export circuit list"), preset,
                               QStringLiteral("*.csv"), QStringLiteral("csv")),
             QString());
}

void QtDialogsTest::fileDialogsStartWhereTheirKindWasLastChosen() {
    // Given no folder: the home folder (not the current one), then the folder of the last
    // file chosen of that kind; a dialog of another kind still starts at home.
    QTemporaryDir tmp;
    const QString home = tmp.filePath(QStringLiteral("home"));
    const QString downloads = tmp.filePath(QStringLiteral("downloads"));
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(downloads));
    QVERIFY(writeFile(downloads + QStringLiteral("/track.zip"), "x"));
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", home.toUtf8());
    QStringList startedIn;
    const auto answer = [&startedIn](const QString& file) {
        whenShown([&startedIn, file](QWidget* w) {
            auto* dlg = qobject_cast<QFileDialog*>(w);
            QVERIFY(dlg);
            startedIn << dlg->directory().absolutePath();
            if (file.isEmpty())
                return dlg->reject();
            dlg->selectFile(file);
            static_cast<QDialog*>(dlg)->accept();
        });
    };
    const QString zips = QStringLiteral("*.zip");
    answer(downloads + QStringLiteral("/track.zip"));
    const QString chosen = dialogs_.openFile(QStringLiteral("Install"), zips, zips, "zip");
    answer({});
    dialogs_.openFiles(QStringLiteral("Install"), QString(), zips);
    answer({});
    dialogs_.saveFile(QStringLiteral("Export"), QStringLiteral("list.csv"), QStringLiteral("*.csv"),
                      QStringLiteral("csv"));
    qputenv("HOME", realHome);
    QCOMPARE(chosen, QDir::toNativeSeparators(downloads + QStringLiteral("/track.zip")));
    QCOMPARE(startedIn, (QStringList{QDir(home).absolutePath(), QDir(downloads).absolutePath(),
                                     QDir(home).absolutePath()}));
}

void QtDialogsTest::pickFolderWithoutTrailingSeparator() {
    QTemporaryDir tmp;
    QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("GP2")));
    const QString gp2 = tmp.filePath(QStringLiteral("GP2"));
    QString title;
    whenShown([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        QVERIFY(dlg);
        title = dlg->windowTitle();
        dlg->setDirectory(gp2 + QLatin1Char('/'));
        static_cast<QDialog*>(dlg)->accept(); // QFileDialog::accept checks the typed name
    });
    const QString picked = dialogs_.pickFolder(QStringLiteral("Select the Gp2 folder"), nullptr);
    QCOMPARE(title, QStringLiteral("Select the Gp2 folder"));
    QCOMPARE(picked, QDir::toNativeSeparators(gp2));
}

void QtDialogsTest::pickFolderCancelIsEmpty() {
    whenShown([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QCOMPARE(dialogs_.pickFolder(QStringLiteral("Select the Gp2 folder"), nullptr), QString());
}

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
