// The circuit file list and the slot list on a real main window: what a selection loads, the
// focus colours, the popup menu's protection of the game's slot files, Rename and Delete.
#include "packs/ui/menu_pictures.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "tests/support/archive_maker.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/text_viewer_closer.h"
#include "tests/support/window_per_function.h"
#include "trackfile/info_block.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace pistaro;

namespace {
const QString kMonza = QStringLiteral("monza2001.dat");
// The style's text field colour: a list keeps it with or without the focus.
QColor readable() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}
} // namespace

class CircuitListsTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    CircuitLists* lists = nullptr;

    SlotList* slotList = nullptr;
    TrackInfoPanel* panel = nullptr;

    CircuitTable* file1() const { return lists->File1; }
    QStringList fileNames() const {
        QStringList out;
        for (int i = 0; i < file1()->count(); ++i)
            out << file1()->fileName(i);
        return out;
    }
    QPoint rowCentre(int row) const {
        return file1()->visualRect(file1()->model()->index(row, 0)).center();
    }
    void selectFile(const QString& name) {
        const int row = file1()->indexOf(name, Qt::CaseSensitive);
        QVERIFY2(row >= 0, qPrintable(name));
        file1()->setListIndex(row);
    }
    void clickFile(const QString& name) {
        const int row = file1()->indexOf(name, Qt::CaseSensitive);
        QVERIFY2(row >= 0, qPrintable(name));
        QTest::mouseClick(file1()->viewport(), Qt::LeftButton, {}, rowCentre(row));
    }
    void rightClickRow(int row) {
        QTest::mousePress(file1()->viewport(), Qt::RightButton, {}, rowCentre(row));
    }
    void closePopup() {
        lists->FileClick->hide();
        QTRY_VERIFY(!lists->FileClick->isVisible());
    }
    void addFile(const QString& name, const QByteArray& bytes) {
        QVERIFY(writeFile(fx->circuit(name), bytes));
        file1()->refresh();
    }
    QByteArray addon(const QString& track, int seed = 0) {
        return samplegame::circuit(
            40000, samplegame::addonFields(track, QStringLiteral("Italy"), 53), {}, seed);
    }
    void clearDialogs() {
        fx->takeMessages();
        fx->dialogs.answers.clear();
    }

private slots:
    void init() {
        QVERIFY(open(Show::Active));
        lists = fx->frm->Lists;
        slotList = fx->frm->Slots;
        panel = fx->frm->Panel;
        clearDialogs();
    }
    void cleanup() { close(); }

    void listsDatFilesOfAnyCase() {
        // Exact paths: the game's lookup would find monza.dat for MONZA.DAT.
        const QString folder = fx->circuits() + QDir::separator();
        QVERIFY(writeFile(folder + QStringLiteral("monza.dat"), addon(QStringLiteral("Lower"))));
        QVERIFY(writeFile(folder + QStringLiteral("MONZA.DAT"), addon(QStringLiteral("Upper"))));
        QVERIFY(writeFile(fx->circuit(QStringLiteral("notes.txt")), "x"));
        QVERIFY(writeFile(fx->circuit(QStringLiteral("tmp01.tmp")), "x"));
        QTest::mouseClick(lists->ACir, Qt::LeftButton);
        const QStringList names = fileNames();
        QVERIFY(names.contains(QStringLiteral("monza.dat")));
        QVERIFY(names.contains(QStringLiteral("MONZA.DAT")));
        QVERIFY(names.contains(QStringLiteral("spa98.DAT")));
        QVERIFY(names.contains(QStringLiteral("f1ct16.dat")));
        QVERIFY(!names.contains(QStringLiteral("notes.txt")));
        QVERIFY(!names.contains(QStringLiteral("tmp01.tmp")));
        // Available Circuits selects and loads the first entry and gives the list the focus.
        QCOMPARE(file1()->listIndex(), 0);
        QCOMPARE(fx->bas.CurrentFile, fx->circuits() + QDir::separator() + names.first());
        QTRY_VERIFY(file1()->hasFocus());
        QCOMPARE(file1()->palette().color(QPalette::Base), readable());
    }

    void clickingAFileLoadsIt() {
        clickFile(kMonza);
        const QString path = fx->circuits() + QDir::separator() + kMonza;
        QCOMPARE(fx->bas.CurrentFile, path);
        QCOMPARE(fx->bas.SelectedFile, path);
        QCOMPARE(panel->Track->text(), QStringLiteral("Monza 2001"));
        QVERIFY(panel->Track->isEnabled()); // an add-on can be edited
        const QFileInfo info(path);
        QCOMPARE(file1()->toolTip(),
                 path + QStringLiteral(" - Version ") +
                     info.lastModified().toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")) +
                     QStringLiteral(" - Size: 41250 "));
        MenuPictures* pictures = fx->frm->Pictures;
        QVERIFY(!pictures->ImportPicture->isEnabled());
        QVERIFY(!pictures->ImportPicture2->isEnabled());
        for (QWidget* w : std::initializer_list<QWidget*>{pictures->MenuPicture, pictures->Browse,
                                                          pictures->Clear, pictures->MenuPicture2,
                                                          pictures->Browse2, pictures->Clear2})
            QVERIFY(w->isEnabled());

        // One of the game's own circuits is shown but not edited.
        clickFile(QStringLiteral("f1ct07.dat"));
        QCOMPARE(panel->Track->text(), QStringLiteral("Magny Cours"));
        QVERIFY(!panel->Track->isEnabled());
    }

    void aHiddenFileListIgnoresSelections() {
        fx->bas.CurrentFile = QStringLiteral("untouched");
        file1()->hide();
        selectFile(kMonza);
        QCOMPARE(fx->bas.CurrentFile, QStringLiteral("untouched"));
        file1()->show();
        selectFile(QStringLiteral("spa98.DAT"));
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(QStringLiteral("spa98.DAT")));
    }

    void clickingASlotLoadsItsCircuit() {
        // No assignment: the game's slot file.
        slotList->List1->setCurrentRow(4);
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(QStringLiteral("f1ct05.dat")));
        QCOMPARE(fx->bas.SelectedFile, fx->bas.CurrentFile);
        QCOMPARE(panel->Track->text(), samplegame::originalName(5));
        QVERIFY(!panel->Track->isEnabled());
        QVERIFY(slotList->List1->toolTip().startsWith(fx->bas.CurrentFile +
                                                      QStringLiteral(" - Version ")));
        QVERIFY(fx->frm->Pictures->ImportPicture->isEnabled());
        QVERIFY(fx->frm->Pictures->ImportPicture2->isEnabled());

        // A pending assignment: the assigned file of the circuits folder.
        slotList->assign(5, kMonza, {});
        slotList->List1->setCurrentRow(0);
        slotList->List1->setCurrentRow(4);
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(kMonza));
        QCOMPARE(panel->Track->text(), QStringLiteral("Monza 2001"));
        QVERIFY(!panel->Track->isEnabled()); // viewed, not edited

        // After a circuit file was shown, clicking the slot still selected shows it again.
        clickFile(QStringLiteral("spa98.DAT"));
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(QStringLiteral("spa98.DAT")));
        const QRect r = slotList->List1->visualItemRect(slotList->List1->item(4));
        QTest::mouseClick(slotList->List1->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(slotList->selectedSlot(), 5);
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(kMonza));
        QCOMPARE(panel->Track->text(), QStringLiteral("Monza 2001"));
    }

    void listsStayReadableWithoutTheFocus() {
        // A list without the focus is not greyed as if it were disabled.
        clickFile(kMonza);
        QVERIFY(panel->Track->isEnabled());
        slotList->List1->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(slotList->List1->hasFocus());
        QVERIFY(!panel->Track->isEnabled()); // entering the slot list ends editing
        for (QWidget* list :
             {static_cast<QWidget*>(slotList->List1), static_cast<QWidget*>(file1())})
            QCOMPARE(list->palette().color(QPalette::Base), readable());
        file1()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(file1()->hasFocus());
        QCOMPARE(slotList->List1->palette().color(QPalette::Base), readable());
    }

    void popupProtectsGameSlotFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("slot file") << QStringLiteral("f1ct07.dat") << false;
        QTest::newRow("slot 17") << QStringLiteral("F1CT17.DAT") << true;
        QTest::newRow("slot 00") << QStringLiteral("F1CT00.DAT") << true;
        QTest::newRow("add-on") << kMonza << true;
        QTest::newRow("nothing selected") << QString() << false;
    }
    void popupProtectsGameSlotFiles() {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        addFile(QStringLiteral("F1CT17.DAT"), addon(QStringLiteral("Seventeen")));
        addFile(QStringLiteral("F1CT00.DAT"), addon(QStringLiteral("Zero")));
        if (name.isEmpty())
            file1()->setListIndex(-1);
        else
            selectFile(name);
        // Pressed over another entry: the popup concerns the selected one and selects nothing.
        const int other = file1()->indexOf(QStringLiteral("spa98.DAT"));
        rightClickRow(other);
        QTRY_VERIFY(lists->FileClick->isVisible());
        QCOMPARE(lists->Rename->isEnabled(), enabled);
        QCOMPARE(lists->Delete->isEnabled(), enabled);
        QCOMPARE(file1()->selectedName(), name);
        closePopup();
    }

    void deleteKeyOnASlotFileDoesNothing() {
        selectFile(QStringLiteral("f1ct03.dat"));
        file1()->setFocus();
        QTest::keyClick(file1(), Qt::Key_Delete);
        QVERIFY(fx->dialogs.shown.isEmpty());
        QVERIFY(QFileInfo::exists(fx->circuit(QStringLiteral("f1ct03.dat"))));
    }

    void deleteAsksFirst() {
        selectFile(kMonza);
        file1()->setFocus();
        fx->dialogs.answers << false;
        QTest::keyClick(file1(), Qt::Key_Delete);
        QCOMPARE(fx->dialogs.shown,
                 QStringList{QStringLiteral(
                     "Are you sure you want to delete the file 'monza2001.dat' ? ")});
        QCOMPARE(fx->dialogs.kinds, QStringList{QStringLiteral("yesno")});
        QVERIFY(QFileInfo::exists(fx->circuit(kMonza)));

        clearDialogs();
        fx->dialogs.answers << true;
        lists->Delete->trigger();
        QVERIFY(!QFileInfo::exists(fx->circuit(kMonza)));
        QVERIFY(!fileNames().contains(kMonza));
        QVERIFY(fx->dialogs.messages().isEmpty());
        QVERIFY(!file1()->isHidden());
    }

    void aFailedDeleteSaysSo() {
        selectFile(kMonza);
        QVERIFY(QFile::remove(fx->circuit(kMonza))); // gone behind the list's back
        fx->dialogs.answers << true;
        lists->Delete->trigger();
        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(QStringLiteral("Couldn't delete ") + fx->circuits() +
                                             QDir::separator() + kMonza + QStringLiteral(".")),
                 qPrintable(messages.first()));
        QVERIFY(!fileNames().contains(kMonza));
    }

    void deleteAndRenameAreUndoneByRestore() {
        const QByteArray monza = readFile(fx->circuit(kMonza));
        selectFile(kMonza);
        fx->dialogs.answers << true;
        lists->Delete->trigger();
        QVERIFY(!QFileInfo::exists(fx->circuit(kMonza)));
        fx->dialogs.answers << true;
        fx->frm->RestoreLast->trigger();
        QCOMPARE(readFile(fx->circuit(kMonza)), monza);
        QVERIFY(fileNames().contains(kMonza));

        selectFile(kMonza);
        fx->dialogs.answers << QStringLiteral("Monza");
        lists->Rename->trigger();
        QVERIFY(fileNames().contains(QStringLiteral("Monza.dat")));
        clearDialogs();
        fx->dialogs.answers << true;
        fx->frm->RestoreLast->trigger();
        QVERIFY(fx->dialogs.shown.value(0).startsWith(
            QStringLiteral("Restore the game files as they were before Rename ") + kMonza +
            QStringLiteral(" on ")));
        QVERIFY(fx->dialogs.shown.value(0).endsWith(fx->circuits() + QDir::separator() + kMonza +
                                                    "\r\n" + fx->circuits() + QDir::separator() +
                                                    "Monza.dat (removed: it was not there)"));
        QCOMPARE(readFile(fx->circuit(kMonza)), monza);
        QVERIFY(!QFileInfo::exists(fx->circuit(QStringLiteral("Monza.dat"))));
        QCOMPARE(fileNames().contains(QStringLiteral("Monza.dat")), false);
    }

    void rename_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("created"); // "" when nothing is renamed
        QTest::addColumn<bool>("listed");     // the list shows *.DAT only
        QTest::newRow("no extension")
            << QStringLiteral("Monza") << QStringLiteral("Monza.dat") << true;
        QTest::newRow("extension kept as typed")
            << QStringLiteral("Monza.DAT") << QStringLiteral("Monza.DAT") << true;
        QTest::newRow("ends in dat, no extension")
            << QStringLiteral("tracksdat") << QStringLiteral("tracksdat.dat") << true;
        QTest::newRow("trimmed") << QStringLiteral("  Old Monza  ")
                                 << QStringLiteral("Old Monza.dat") << true;
        QTest::newRow("cancelled") << QString() << QString() << false;
        QTest::newRow("blank") << QStringLiteral("   ") << QString() << false;
    }
    void rename() {
        QFETCH(QString, answer);
        QFETCH(QString, created);
        QFETCH(bool, listed);
        const QByteArray bytes = readFile(fx->circuit(kMonza));
        clickFile(kMonza);
        fx->dialogs.answers << answer;
        lists->Rename->trigger();
        QCOMPARE(fx->dialogs.shown.value(0), QStringLiteral("Rename file 'monza2001.dat' to: "));
        QCOMPARE(fx->dialogs.lastDefault, QStringLiteral("Monza 2001"));
        QVERIFY(fx->dialogs.messages().isEmpty());
        if (created.isEmpty()) {
            QVERIFY(QFileInfo::exists(fx->circuit(kMonza)));
            return;
        }
        QCOMPARE(QDir(fx->circuits()).entryList({created}, QDir::Files), QStringList{created});
        QCOMPARE(readFile(fx->circuits() + QDir::separator() + created), bytes);
        QVERIFY(!QFileInfo::exists(fx->circuits() + QDir::separator() + kMonza));
        QCOMPARE(fileNames().contains(created), listed);
        QVERIFY(!fileNames().contains(kMonza));
        // The panel keeps the record it showed and follows the file, and so does the selection.
        QCOMPARE(panel->Track->text(), QStringLiteral("Monza 2001"));
        QCOMPARE(fx->bas.CurrentFile, fx->circuits() + QDir::separator() + created);
        QCOMPARE(lists->File1->selectedName(), created);
    }

    // An edit of the track info not yet saved is asked about before another circuit is shown.
    void leavingAnEditedCircuitAsks_data() {
        QTest::addColumn<QVariant>("answer"); // true: save, false: drop, "cancel": stay
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<QString>("monzaDesc");
        const QString desc = QStringLiteral("Sample add-on circuit");
        QTest::newRow("save") << QVariant(true) << "spa98.DAT" << desc + "Fast";
        QTest::newRow("drop") << QVariant(false) << "spa98.DAT" << desc;
        QTest::newRow("cancel") << QVariant(QStringLiteral("cancel")) << kMonza << desc;
    }
    void leavingAnEditedCircuitAsks() {
        QFETCH(QVariant, answer);
        QFETCH(QString, shownAfter);
        QFETCH(QString, monzaDesc);
        clickFile(kMonza);
        panel->Description->setFocus();
        QTest::keyClicks(panel->Description, QStringLiteral("Fast"));
        fx->dialogs.answers << answer;
        clickFile(QStringLiteral("spa98.DAT"));
        QCOMPARE(fx->dialogs.shown.value(0),
                 QStringLiteral("Save the changes to the track info of Monza 2001?"));
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(shownAfter));
        QCOMPARE(lists->File1->selectedName(), shownAfter);
        QCOMPARE(infoblock::getDat(infoblock::readInfoArea(fx->circuit(kMonza)), "Desc"),
                 monzaDesc);
        if (shownAfter == kMonza) // kept with its edit, which a click on it does not drop
            QCOMPARE(panel->Description->text(), monzaDesc + "Fast");
        clearDialogs();
        clickFile(shownAfter); // nothing unsaved, or the same circuit: no question
        QVERIFY(fx->dialogs.shown.isEmpty());
    }

    // A command that removes, renames or replaces the shown circuit's file leaves the panel on
    // what is there now: an unsaved edit of a file gone or replaced goes with it, and nothing
    // asks to save it or says the file was not found.
    void theShownCircuitFollowsItsFile_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("shownAfter"); // "next": the file listed after monza
        QTest::addColumn<bool>("editKept");
        QTest::newRow("delete") << "delete"
                                << "next" << false;
        QTest::newRow("rename") << "rename"
                                << "Monza.dat" << true;
        QTest::newRow("restore its saved edit") << "restore" << kMonza << false;
        QTest::newRow("install over it") << "install" << kMonza << false;
        QTest::newRow("rescan after it went") << "rescan"
                                              << "f1ct01.dat" << false;
    }
    void theShownCircuitFollowsItsFile() {
        QFETCH(QString, command);
        QFETCH(QString, shownAfter);
        QFETCH(bool, editKept);
        if (shownAfter == QLatin1String("next"))
            shownAfter = fileNames().value(fileNames().indexOf(kMonza) + 1);
        clickFile(kMonza);
        const QString desc = panel->Description->text();
        if (command == "restore") { // a saved edit, for Restore to undo
            panel->Description->setFocus();
            QTest::keyClicks(panel->Description, QStringLiteral("Saved"));
            panel->SaveInfo_Click();
        }
        panel->Description->setFocus();
        QTest::keyClicks(panel->Description, QStringLiteral("Fast"));
        clearDialogs();
        if (command == "delete") {
            fx->dialogs.answers << true;
            lists->Delete->trigger();
        } else if (command == "rename") {
            fx->dialogs.answers << QStringLiteral("Monza");
            lists->Rename->trigger();
        } else if (command == "restore") {
            fx->dialogs.answers << true;
            fx->frm->RestoreLast->trigger();
        } else if (command == "install") {
            const QString zip = fx->tmp.filePath(QStringLiteral("again.zip"));
            QVERIFY(archivemaker::write(zip, {{"monza2001.dat", addon("Monza Again", 7)}}));
            fx->dialogs.answers << zip;
            closingTextViewers([&] { fx->frm->Install->trigger(); });
        } else {
            QVERIFY(QFile::remove(fx->circuit(kMonza)));
            fx->dialogs.answers << false; // the edit is dropped before the slots are read
            fx->frm->Packs->Import_Click();
        }
        QCOMPARE(fx->bas.CurrentFile, fx->circuit(shownAfter));
        if (editKept)
            QCOMPARE(panel->Description->text(), desc + "Fast");
        else
            QVERIFY(!panel->Description->text().contains("Fast"));
        if (command == "restore") // read anew, as it was before the saved edit
            QCOMPARE(panel->Description->text(), desc);
        clearDialogs();
        if (editKept) {
            panel->SaveInfo_Click(); // into the file as it is named now
            QCOMPARE(infoblock::getDat(infoblock::readInfoArea(fx->circuit(shownAfter)), "Desc"),
                     desc + "Fast");
        } else {
            clickFile(QStringLiteral("spa98.DAT"));
            QCOMPARE(fx->bas.CurrentFile, fx->circuit(QStringLiteral("spa98.DAT")));
        }
        QVERIFY2(!fx->dialogs.kinds.contains("yesnocancel"),
                 qPrintable(fx->dialogs.shown.join('|')));
        QVERIFY(fx->dialogs.messages().filter("not found").isEmpty());
    }

    void renameOntoAnExistingCircuitIsRefused() {
        const QByteArray bytes = readFile(fx->circuit(kMonza));
        selectFile(kMonza);
        fx->dialogs.answers << QStringLiteral("SPA98.dat"); // spa98.DAT, another case
        lists->Rename->trigger();
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{"monza2001.dat was not renamed: spa98.DAT already exists in its "
                             "folder."});
        QCOMPARE(readFile(fx->circuit(kMonza)), bytes);
        QCOMPARE(readFile(fx->circuit(QStringLiteral("spa98.DAT"))).size(), 45700);
    }

    void renameOntoAnEmptyFileFailsAndSaysSo() {
        addFile(QStringLiteral("empty.dat"), QByteArray());
        selectFile(kMonza);
        fx->dialogs.answers << QStringLiteral("empty.dat");
        lists->Rename->trigger();
        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(QStringLiteral("Couldn't rename ")),
                 qPrintable(messages.first()));
        QVERIFY(QFileInfo::exists(fx->circuit(kMonza)));
        QCOMPARE(QFileInfo(fx->circuit(QStringLiteral("empty.dat"))).size(), 0);
    }

    void renameKeepsTheCircuitInItsFolder_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("up") << QStringLiteral("../moved.dat");
        QTest::newRow("slash") << QStringLiteral("sub/moved");
        QTest::newRow("backslash") << QStringLiteral("sub\\moved");
        QTest::newRow("dots") << QStringLiteral("..");
    }
    void renameKeepsTheCircuitInItsFolder() {
        QFETCH(QString, answer);
        QVERIFY(QDir(fx->circuits()).mkdir(QStringLiteral("sub")));
        const QStringList before = QDir(fx->gameDir()).entryList(QDir::Files);
        selectFile(kMonza);
        fx->dialogs.answers << answer;
        lists->Rename->trigger();
        const QStringList messages = fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("can't be used as a file name")),
                 qPrintable(messages.first()));
        QVERIFY(QFileInfo::exists(fx->circuit(kMonza)));
        QVERIFY(QDir(fx->circuits() + QStringLiteral("/sub")).isEmpty());
        QCOMPARE(QDir(fx->gameDir()).entryList(QDir::Files), before);
    }

    void renameAndDeleteLeaveGameSlotFilesAlone() {
        selectFile(QStringLiteral("f1ct07.dat"));
        fx->dialogs.answers << QStringLiteral("Other") << true;
        lists->Rename->trigger();
        lists->Delete->trigger(); // silent, as the Delete key on a slot file
        QCOMPARE(fx->dialogs.shown,
                 QStringList{"f1ct07.dat was not renamed: it is a game slot file, which the "
                             "game reads by this name."});
        QCOMPARE(fx->dialogs.kinds, QStringList{"message"});
        QVERIFY(QFileInfo::exists(fx->circuit(QStringLiteral("f1ct07.dat"))));
    }
};

QTEST_MAIN(CircuitListsTest)
#include "circuit_lists_test.moc"
