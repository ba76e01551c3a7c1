// The started main window holds every control and menu item under its name, of its kind,
// with its caption and tool tip; the hidden ones exist but are not shown.
#include "app/about_dialog.h"
#include "app/credits_dialog.h"
#include "app/help_window.h"
#include "app/history_dialog.h"
#include "app/status_window.h"
#include "app/text_viewer.h"
#include "laptimes/ui/lap_time_table.h"
#include "laptimes/ui/log_window.h"
#include "laptimes/ui/recording_window.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/picture_view.h"
#include "packs/ui/slot_list.h"
#include "platform/ui/list_question.h"
#include "storage/ui/database_list.h"
#include "storage/ui/setup_dialog.h"
#include "tests/support/files.h"
#include "tests/support/main_window_fixture.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/elided_label.h"
#include "ui/file_list_box.h"
#include "ui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace pistaro;

namespace {

enum Shown { Visible, Hidden, Either };

// The caption a control shows, for the kinds that carry one.
QString caption(const QObject* o) {
    if (auto* b = qobject_cast<const QAbstractButton*>(o))
        return b->text();
    if (auto* l = qobject_cast<const QLabel*>(o))
        return l->text();
    if (auto* g = qobject_cast<const QGroupBox*>(o))
        return g->title();
    if (auto* m = qobject_cast<const QMenu*>(o))
        return m->title();
    if (auto* a = qobject_cast<const QAction*>(o))
        return a->text();
    return {};
}

QString toolTip(const QObject* o) {
    if (auto* w = qobject_cast<const QWidget*>(o))
        return w->toolTip();
    return {};
}

QStringList actionNames(const QWidget* menu) {
    QStringList names;
    for (const QAction* a : menu->actions())
        names << (a->menu() ? a->menu()->objectName() : a->objectName());
    return names;
}

// The Alt letter of a caption: the character after its "&" ("&&" shows an ampersand), or a
// null character when it has none.
QChar mnemonic(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// Collects the captions of windows and menus by scope (a window, or one menu): an item or
// button without an Alt letter, or a letter used twice in its scope, is a fault.
class MnemonicWalk {
public:
    void window(const QWidget& window) {
        const QString scope = window.objectName();
        if (auto* main = qobject_cast<const QMainWindow*>(&window)) {
            for (QAction* top : main->menuBar()->actions()) {
                add(scope, top->text(), true);
                if (top->menu())
                    menu(*top->menu(), top->menu()->objectName());
            }
        }
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&window) || w->window() != &window ||
                w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            auto* label = qobject_cast<const QLabel*>(w);
            auto* button = qobject_cast<const QAbstractButton*>(w);
            // Picture buttons show no text; a label's letter moves to its buddy.
            if (button && !button->text().isEmpty())
                add(scope, button->text(), true);
            else if (label && label->buddy())
                add(scope, label->text(), false);
            else if (auto* box = qobject_cast<const QGroupBox*>(w))
                add(scope, box->title(), box->isCheckable());
        }
        for (QMenu* own : window.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
            menu(*own, scope + "/" + own->objectName());
    }
    void menu(const QMenu& menu, const QString& scope) {
        if (walked_.contains(&menu))
            return;
        walked_ << &menu;
        for (const QAction* item : menu.actions()) {
            if (item->isSeparator() || !item->isVisible())
                continue;
            add(scope, item->text(), true);
            if (item->menu())
                this->menu(*item->menu(), item->menu()->title());
        }
    }
    int scopeSize(const QString& scope) const { return int(scopes_.value(scope).size()); }
    QStringList faults() const {
        QStringList all = missing_;
        for (auto scope = scopes_.cbegin(); scope != scopes_.cend(); ++scope)
            for (auto letter = scope->cbegin(); letter != scope->cend(); ++letter)
                if (letter->size() > 1)
                    all << scope.key() + ": Alt+" + letter.key() + " " + letter->join(", ");
        return all;
    }

private:
    void add(const QString& scope, const QString& caption, bool needsLetter) {
        const QChar letter = mnemonic(caption);
        if (!letter.isNull())
            scopes_[scope][letter] << caption;
        else if (needsLetter)
            missing_ << scope + ": \"" + caption + "\" has no Alt letter";
    }

    QMap<QString, QMap<QChar, QStringList>> scopes_; // scope, letter, the captions using it
    QStringList missing_;
    QSet<const QMenu*> walked_;
};

// The dialog classes of the program's sources, as their meta objects name them.
QStringList dialogClasses() {
    static const QRegularExpression declared(
        QStringLiteral("class\\s+(\\w+)\\s+final\\s*:\\s*public\\s+QDialog\\b"));
    QStringList found;
    QDirIterator it(QStringLiteral(PSO_SOURCE_DIR), {QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QStringLiteral("/tests/")) || path.contains(QStringLiteral("/build")))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& m : declared.globalMatch(text))
            found << QStringLiteral("pistaro::") + m.captured(1);
    }
    return found;
}

} // namespace

class MainWindowControlsTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        fx_ = std::make_unique<MainWindowFixture>();
        fx_->start().show();
        QVERIFY(QTest::qWaitForWindowExposed(fx_->frm.get()));
    }
    void cleanupTestCase() { fx_->stop(); }

    void controls_data();
    void controls();
    void menus();
    void showsWhatItWorksOn();
    void controlsWithoutActionAreInert();
    void mnemonicsAreUnique_data();
    void mnemonicsAreUnique();
    void tabFollowsTheScreen();
    void keys_data();
    void keys();

private:
    std::unique_ptr<MainWindowFixture> fx_;
};

void MainWindowControlsTest::controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("frame");   // the group box it sits in, "" for none
    QTest::addColumn<QString>("caption"); // null: a kind without caption
    QTest::addColumn<QString>("tip");
    QTest::addColumn<int>("shown");
    const QString none;
    auto row = [](const char* name, const char* kind, const char* frame, const QString& caption,
                  const char* tip = "", Shown shown = Visible) {
        QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromLatin1(frame) << caption
                            << QString::fromLatin1(tip) << int(shown);
    };
    // Circuit files, slots and packs.
    row("CircuitFilter", "QLineEdit", "", none,
        "Words found in any column, or terms such as country:italy, author:\"john doe\", "
        "laps>60, length<=4500, problems, duplicate, tag:fantasy, pack:\"Season 98\", nopack; "
        "-word or !word leaves rows out. See Help for every term.");
    row("File1", "CircuitTable", "", none);
    row("Label10", "QLabel", "", "Circuits Directory:");
    row("List1", "QListWidget", "", none);
    // A disabled button's tip says why (the window starts with nothing selected).
    row("Change", "QPushButton", "", "--> &Change", "Select a circuit and a slot first");
    row("Label200", "QLabel", "", "Pack");
    row("SelectedPack", "QComboBox", "", none);
    row("UpdTp", "QToolButton", "", "", "Choose a saved Track Pack first");
    row("SavePack", "QToolButton", "", "", "Save Pack");
    row("DeletePack", "QToolButton", "", "", "Delete Track Pack");
    row("Frame1", "QGroupBox", "", "");
    row("ACir", "QPushButton", "Frame1", "A&vailable Circuits",
        "Read the circuit files of the Circuits folder again");
    // Track info.
    row("Frame3", "QGroupBox", "", "Track Info");
    for (const char* name : {"Track", "Country", "EventName", "Author", "Adjective", "Description",
                             "Laps", "Length", "Slot", "Tyre"})
        row(name, "QLineEdit", "Frame3", none);
    row("Label12", "QLabel", "Frame3", "Name:");
    row("Label13", "QLabel", "Frame3", "Country:");
    row("Label18", "QLabel", "Frame3", "Event:");
    row("Label3", "QLabel", "Frame3", "Author:");
    row("Label2", "QLabel", "Frame3", "Adj.:");
    row("Label1", "QLabel", "Frame3", "Desc.:");
    row("Label14", "QLabel", "Frame3", "Laps:");
    row("Label15", "QLabel", "Frame3", "Length:");
    row("Label16", "QLabel", "Frame3", "Slot:");
    row("Label100", "QLabel", "Frame3", "Tyre:");
    row("FileVersion", "QLabel", "Frame3", none);
    row("OriginalLabel", "QLabel", "Frame3", "Original Gp2 Track", "", Either);
    row("SaveInfo", "QToolButton", "Frame3", "",
        "Select an add-on circuit first: the game's own circuits are not changed");
    row("OpenInfo", "QToolButton", "Frame3", "",
        "Not needed: the track info is read when a circuit is selected");
    // Lap times and the database selector.
    for (const char* name : {"WuTime", "PTime", "QTime", "RTime"})
        row(name, "QLineEdit", "Frame4", none);
    row("Label8", "QLabel", "Frame4", "Time:");
    row("Label4", "QLabel", "Frame4", "Warm up");
    row("Label7", "QLabel", "Frame4", "Practice");
    row("Label6", "QLabel", "Frame4", "Qualifying");
    row("Label5", "QLabel", "Frame4", "Race");
    row("Frame4", "QGroupBox", "", "Time Database:");
    row("DbCombo", "QComboBox", "Frame4", none);
    row("ViewDatabase", "QToolButton", "Frame4", "", "Database Table");
    row("NewDatabase", "QToolButton", "Frame4", "", "Create new database");
    row("DeleteDatabase", "QToolButton", "Frame4", "", "Delete current database");
    row("SaveDatabase", "QToolButton", "Frame4", "",
        "Not needed: every change is saved as it is made");
    row("DbList", "FileListBox", "", none, "", Hidden);
    // Menu pictures.
    row("Frame7", "QGroupBox", "", "Menu Picture ");
    row("Label11", "QLabel", "Frame7", "Menu Picture 440x330:");
    row("Label17", "QLabel", "Frame7", "Menu Picture 640x480 :");
    row("MenuPicture", "QLineEdit", "Frame7", none);
    row("MenuPicture2", "QLineEdit", "Frame7", none);
    row("Browse", "QPushButton", "Frame7", "&Browse", "Browse Menu Picture");
    row("Browse2", "QPushButton", "Frame7", "Bro&wse", "Browse Menu Picture");
    row("ImportPicture", "QPushButton", "Frame7", "&Import Menu Picture",
        "Import Menu Picture from Gp2");
    row("ImportPicture2", "QPushButton", "Frame7", "Import Menu &Picture",
        "Import Menu Picture from Gp2");
    row("Make", "QPushButton", "Frame7", "&Make");
    row("Make2", "QPushButton", "Frame7", "Ma&ke");
    row("Clear", "QPushButton", "Frame7", "Cle&ar", "Clear Menu Picture");
    row("Clear2", "QPushButton", "Frame7", "Clea&r", "Clear Menu Picture");
    row("Picture1", "QLabel", "Frame7", none);
    row("Picture2", "QLabel", "Frame7", none);
    // Commands.
    row("Import", "QPushButton", "", "Resca&n", "Import circuits from Gp2 (F5)");
    row("Export", "QPushButton", "", "&Export to Gp2", "Export circuits to Gp2 (Ctrl+E)");
    row("Command4", "QPushButton", "", "&Launch GP2", "Run Gp2 (Ctrl+L)");
    row("GetGp2Lap", "QPushButton", "", "&Get Time from GP2LAP.LOG");
    row("ImportSetups", "QPushButton", "", "Import &Setups");
    row("ExportSetups", "QPushButton", "", "Export Set&ups");
    row("CheckJams", "QPushButton", "", "Check &Jams", "Select a circuit first");
    row("JamList", "QListWidget", "", none, "", Hidden);
    row("ZipDir", "FileListBox", "", none, "", Hidden);
    row("Exit", "QPushButton", "", "E&xit", "End Pistaro (Ctrl+Q)");
}

void MainWindowControlsTest::controls() {
    QFETCH(QString, kind);
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    QFETCH(int, shown);
    MainWindow& frm = *fx_->frm;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    // Only the window's own controls: secondary windows reuse names like Frame1.
    QWidget* central = frm.centralWidget();
    const QList<QWidget*> found = central->findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QWidget* w = found.first();
    // The program's own classes live in a namespace; the table names them without it.
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()).remove(QStringLiteral("pistaro::")),
             kind);
    if (!frame.isEmpty())
        QVERIFY2(central->findChild<QGroupBox*>(frame)->isAncestorOf(w), qPrintable(frame));
    if (!caption.isNull())
        QCOMPARE(::caption(w), caption);
    QCOMPARE(toolTip(w), tip);
    if (shown != Either)
        QCOMPARE(w->isVisible(), shown == Visible);
    // Picture buttons show nothing but their picture: there must be one to draw.
    if (auto* b = qobject_cast<QToolButton*>(w))
        QVERIFY(!b->icon().pixmap(b->iconSize()).isNull());
}

void MainWindowControlsTest::showsWhatItWorksOn() {
    // The game folder whose circuits are listed, and the lap time database in the title.
    MainWindow& frm = *fx_->frm;
    const QString folder =
        QDir::toNativeSeparators(QDir(frm.bas().Gp2Dir).filePath(QStringLiteral("Circuits")));
    auto* shown = frm.contents()->findChild<ElidedLabel*>(QStringLiteral("CircuitsFolder"));
    QVERIFY(shown);
    QCOMPARE(shown->fullText(), folder);
    QCOMPARE(shown->toolTip(), folder);
    QVERIFY(shown->isVisible());
    QCOMPARE(frm.windowTitle(), QStringLiteral("Pistaro - ") + frm.bas().DbName);
}

void MainWindowControlsTest::menus() {
    MainWindow& frm = *fx_->frm;
    // The menu bar holds File and Help, never the pop-up menu of the circuit list.
    QCOMPARE(actionNames(frm.menuBar()), (QStringList{"File", "TrackMenu", "Help"}));
    QCOMPARE(actionNames(frm.File),
             (QStringList{"Install", "InstallFolder", "FileLog", "Repair", "RestoreLast", "History",
                          "ExportList", "S3", "FileSetup", "S2", "FileExit"}));
    QCOMPARE(actionNames(frm.TrackMenu),
             (QStringList{"TrackRescan", "TrackSaveInfo", "TrackExport", "TrackLaunch", "S4",
                          "TrackExportPack", "TrackImportPack", "", "RepairChecksum",
                          "InstallTextures", "DeleteDuplicate", "", "AddTags", "RemoveTags"}));
    QCOMPARE(actionNames(frm.Help), (QStringList{"Contents", "PSOHP", "S1", "HelpAbout"}));
    auto* popup = frm.findChild<QMenu*>(QStringLiteral("FileClick"));
    QVERIFY(popup);
    QVERIFY(!popup->isVisible());
    QCOMPARE(actionNames(popup),
             (QStringList{"Rename", "Delete", "", "AddTags", "RemoveTags", "", "RepairChecksum",
                          "InstallTextures", "DeleteDuplicate"}));

    const QList<std::pair<const char*, const char*>> captions = {
        {"File", "&File"},
        {"Install", "&Install new Track"},
        {"InstallFolder", "Install a &Folder of Archives\u2026"},
        {"FileLog", "&Log Stats"},
        {"Repair", "&Defrag f1pcsvga.bin"},
        {"RestoreLast", "&Restore last change..."},
        {"History", "&History..."},
        {"ExportList", "&Export circuit list\u2026"},
        {"FileSetup", "&Setup Pistaro"},
        {"FileExit", "E&xit"},
        {"TrackMenu", "&Tracks"},
        {"TrackRescan", "Resca&n"},
        {"TrackSaveInfo", "&Update Track Info"},
        {"TrackExport", "&Export to Gp2"},
        {"TrackLaunch", "&Launch GP2"},
        {"Help", "&Help"},
        {"Contents", "&Contents"},
        {"PSOHP", "&Pistaro Home Page"},
        {"HelpAbout", "&About"},
        {"FileClick", "FileClick"},
        {"Rename", "&Rename"},
        {"Delete", "&Delete"},
        {"RepairChecksum", "Repair &checksum"},
        {"InstallTextures", "Install &missing textures from an archive\u2026"},
        {"DeleteDuplicate", "Delete this du&plicate\u2026"},
        {"TrackExportPack", "Export p&ack\u2026"},
        {"TrackImportPack", "&Import pack\u2026"},
        {"AddTags", "Add &tags\u2026"},
        {"RemoveTags", "Remo&ve tags\u2026"},
    };
    for (const auto& [name, text] : captions) {
        const QObject* o = frm.findChild<QMenu*>(QString::fromLatin1(name));
        if (!o)
            o = frm.findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(o, name);
        QCOMPARE(caption(o), QString::fromUtf8(text));
    }
    for (const char* name : {"S1", "S2", "S3"})
        QVERIFY2(frm.findChild<QAction*>(QString::fromLatin1(name))->isSeparator(), name);
}

void MainWindowControlsTest::controlsWithoutActionAreInert() {
    MainWindow& frm = *fx_->frm;
    TrackInfoPanel& panel = *frm.Panel;
    // The adjective has no place to be kept: it is shown only, and cleared with the panel.
    QVERIFY(panel.Adjective->isReadOnly());
    panel.Adjective->setText(QStringLiteral("stale"));
    frm.Lists->File1->setListIndex(frm.Lists->File1->indexOf(QStringLiteral("f1ct07.dat")));
    QCOMPARE(panel.Track->text().trimmed(), QStringLiteral("Magny Cours"));
    QCOMPARE(panel.Adjective->text(), QString());
    // Picture buttons with nothing to do never look clickable, whatever was chosen or typed.
    QTest::keyClicks(frm.Databases->DbCombo, QStringLiteral("x"));
    QVERIFY(!panel.OpenInfo->isEnabled());
    QVERIFY(!frm.Databases->SaveDatabase->isEnabled());
    frm.Databases->DbCombo->setEditText(QStringLiteral("pso.mdb"));
}

void MainWindowControlsTest::mnemonicsAreUnique_data() {
    QTest::addColumn<QString>("language");
    for (const char* code : {"en", "de", "fr", "it", "es", "nl"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void MainWindowControlsTest::mnemonicsAreUnique() {
    // Every button and menu item of every window the program opens carries an Alt letter, and
    // the letter reaches one control of its window or one item of its open menu: in English
    // and in every translation, each with letters of its own.
    QFETCH(QString, language);
    const auto restart = [this](const QString& code) {
        fx_->stop();
        fx_ = std::make_unique<MainWindowFixture>();
        language::setSetting(code == QLatin1String("en") ? QString() : code);
        QCOMPARE(language::apply().code, code);
        fx_->start().show();
        QVERIFY(QTest::qWaitForWindowExposed(fx_->frm.get()));
    };
    if (language != QLatin1String("en"))
        restart(language);
    const auto english = qScopeGuard([&] {
        if (language != QLatin1String("en"))
            restart(QStringLiteral("en"));
    });
    MainWindow& frm = *fx_->frm;
    MnemonicWalk walk;
    walk.window(frm);
    QVERIFY(walk.scopeSize(QStringLiteral("Gp2PsoFrm")) > 15); // the walk found the captions
    for (QMenu* popup : frm.findChildren<QMenu*>())
        walk.menu(*popup, popup->objectName());
    // The circuit table's header menu is built when it is asked for.
    QHeaderView* header = frm.Lists->File1->horizontalHeader();
    bool headerMenuSeen = false;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            headerMenuSeen = true;
            walk.menu(*menu, QStringLiteral("the header menu"));
            menu->close();
        }
    });
    emit header->customContextMenuRequested(QPoint(4, 4));
    QVERIFY(headerMenuSeen);

    // The program's other windows, each as the program opens it.
    QVERIFY(QDir().mkpath(fx_->appDir() + QStringLiteral("/help")));
    QVERIFY(writeFile(fx_->appDir() + QStringLiteral("/help/help.htm"), "<html>help</html>"));
    frm.Contents->trigger();
    QVERIFY(frm.Helper);
    walk.window(*frm.Helper);
    frm.Helper->close();
    const QList<std::function<QWidget*()>> windows = {
        [&]() -> QWidget* { return new AboutDialog(&frm, {}, QStringLiteral("https://x.test/")); },
        [&]() -> QWidget* { return new CreditsDialog(&frm); },
        [&]() -> QWidget* {
            return new HistoryDialog(frm, *frm.Panel, *frm.Lists, *frm.Packs, &frm);
        },
        [&]() -> QWidget* { return new TextViewer(&frm); },
        [&]() -> QWidget* {
            return new ListQuestion(QStringLiteral("Pistaro"), QStringLiteral("Delete?"),
                                    {QStringLiteral("one")}, &frm);
        },
        [&]() -> QWidget* { return new PictureView(&frm); },
        [&]() -> QWidget* { return new LogWindow(&frm); },
        [&]() -> QWidget* { return new LapTimeTable(frm, QStringLiteral("pso.mdb"), &frm); },
        [&]() -> QWidget* { return new SetupDialog(frm.bas(), &frm); },
        [&]() -> QWidget* {
            auto* status = new RecordingWindow(&frm);
            status->begin();
            status->addRecord(QStringLiteral("Monza"), QStringLiteral("1:23.456"),
                              QStringLiteral("Unlimited practice"), TimeField::Practice,
                              QStringLiteral("1:24.000"));
            status->finish(1);
            return status;
        },
        [&]() -> QWidget* {
            auto* status = new StatusWindow(&frm);
            status->offerCancel(true);
            return status;
        },
    };
    QSet<QString> seen;
    for (const auto& make : windows) {
        std::unique_ptr<QWidget> window(make());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        walk.window(*window);
        seen << QString::fromLatin1(window->metaObject()->className());
        window->hide();
    }
    // Every dialog the program has is among them.
    QStringList unchecked;
    for (const QString& dialog : dialogClasses())
        if (!seen.contains(dialog))
            unchecked << dialog;
    QVERIFY2(unchecked.isEmpty(), qPrintable(unchecked.join(", ")));
    QVERIFY2(walk.faults().isEmpty(), qPrintable(walk.faults().join("\n")));
}

void MainWindowControlsTest::tabFollowsTheScreen() {
    MainWindow& frm = *fx_->frm;
    // A circuit and a slot chosen: the controls that act on them take the focus too.
    frm.Lists->File1->setListIndex(frm.Lists->File1->indexOf(QStringLiteral("f1ct07.dat")));
    frm.Slots->List1->setCurrentRow(3);
    frm.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    const QStringList screenOrder{
        "CircuitFilter",  "ACir",         "File1",        "Change",         "List1",
        "SelectedPack",   "UpdTp",        "SavePack",     "DeletePack",     "ExportPack",
        "ImportPack",     "Track",        "Country",      "EventName",      "Author",
        "Adjective",      "Description",  "Laps",         "Length",         "Slot",
        "Tyre",           "OpenInfo",     "SaveInfo",     "WuTime",         "PTime",
        "QTime",          "RTime",        "DbCombo",      "ViewDatabase",   "NewDatabase",
        "DeleteDatabase", "SaveDatabase", "MenuPicture",  "ImportPicture",  "Browse",
        "Make",           "Clear",        "MenuPicture2", "ImportPicture2", "Browse2",
        "Make2",          "Clear2",       "Import",       "Export",         "Command4",
        "GetGp2Lap",      "ImportSetups", "ExportSetups", "CheckJams",      "Exit"};
    // What Tab can reach now: shown, enabled, taking the focus by Tab.
    QStringList expected;
    for (const QString& name : screenOrder) {
        const QWidget* w = frm.contents()->findChild<QWidget*>(name);
        if (w && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            expected << name;
    }
    QVERIFY(expected.size() > 30);
    QWidget* first = frm.contents()->findChild<QWidget*>(expected.first());
    first->setFocus(Qt::TabFocusReason);
    QStringList reached{expected.first()};
    for (int step = 0; step < 2 * screenOrder.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        // A control's inner part (the edit field of a combo box) stands for the control.
        while (w && w != &frm && (w->objectName().isEmpty() || w->objectName().startsWith("qt_")))
            w = w->parentWidget();
        if (w == first)
            break;
        reached << (w ? w->objectName() : QStringLiteral("(none)"));
    }
    QCOMPARE(reached, expected);
}

void MainWindowControlsTest::keys_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("item");   // the menu item that owns the key
    QTest::addColumn<QString>("button"); // the button whose command it runs, "" for none
    QTest::newRow("Export") << QKeySequence(Qt::CTRL | Qt::Key_E) << "TrackExport"
                            << "Export";
    QTest::newRow("Launch") << QKeySequence(Qt::CTRL | Qt::Key_L) << "TrackLaunch"
                            << "Command4";
    QTest::newRow("Rescan") << QKeySequence(Qt::Key_F5) << "TrackRescan"
                            << "Import";
    QTest::newRow("Update Track Info") << QKeySequence(Qt::CTRL | Qt::Key_S) << "TrackSaveInfo"
                                       << "SaveInfo";
    QTest::newRow("Install") << QKeySequence(Qt::CTRL | Qt::Key_I) << "Install"
                             << "";
    QTest::newRow("Help") << QKeySequence(Qt::Key_F1) << "Contents"
                          << "";
    QTest::newRow("Add tags") << QKeySequence(Qt::CTRL | Qt::Key_T) << "AddTags"
                              << "";
    QTest::newRow("Remove tags") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T) << "RemoveTags"
                                 << "";
}

void MainWindowControlsTest::keys() {
    QFETCH(QKeySequence, key);
    QFETCH(QString, item);
    QFETCH(QString, button);
    MainWindow& frm = *fx_->frm;
    frm.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    auto* action = frm.findChild<QAction*>(item);
    QVERIFY(action);
    QCOMPARE(action->shortcut(), key); // the menu shows it beside the item
    // The command's own work is cut off: what counts is that the key reaches it, once.
    auto* b = button.isEmpty() ? nullptr : frm.contents()->findChild<QAbstractButton*>(button);
    QVERIFY(button.isEmpty() || b);
    int runs = 0;
    if (b) {
        QObject::disconnect(b, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(b, &QAbstractButton::clicked, &frm, [&runs] { ++runs; });
        b->setEnabled(true);
    } else {
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QObject::connect(action, &QAction::triggered, &frm, [&runs] { ++runs; });
    }
    // From every kind of field: the table, text fields (which keep Ctrl+E for themselves),
    // a masked field, an editable combo box, the slot list.
    const QList<QWidget*> fields = {frm.Lists->File1,        frm.Lists->CircuitFilter,
                                    frm.Panel->Description,  frm.Panel->WuTime,
                                    frm.Packs->SelectedPack, frm.Slots->List1};
    for (QWidget* field : fields) {
        field->setEnabled(true);
        field->setFocus();
        if (b)
            b->setEnabled(true); // a slot shown may have disabled it
        const int before = runs;
        QTest::keySequence(&frm, key);
        QVERIFY2(runs == before + 1, qPrintable(field->objectName()));
    }
    runs = 1;
    frm.Lists->File1->setFocus();
    if (!b)
        return;
    // A disabled button's command does not run by its key either, and its item is disabled.
    b->setEnabled(false);
    QVERIFY(!action->isEnabled());
    QTest::keySequence(&frm, key);
    QCOMPARE(runs, 1);
    b->setEnabled(true);
    QVERIFY(action->isEnabled());
    QObject::disconnect(b, &QAbstractButton::clicked, &frm, nullptr);
}

QTEST_MAIN(MainWindowControlsTest)
#include "main_window_controls_test.moc"
