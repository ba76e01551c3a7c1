// The menu pictures on a real main window: the picture catalogue, the previews, the slot
// marking, Import through the picture tool, Browse, Make, Clear, the picture view and Defrag.
#include "packs/picture_file_name.h"
#include "packs/slot_entry.h"
#include "packs/ui/menu_pictures.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/picture_tool.h"
#include "tests/support/window_per_function.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace pistaro;

class MenuPicturesTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    MainWindow* frm = nullptr;
    MenuPictures* pics = nullptr;
    CircuitLists* lists = nullptr;
    SlotList* slotList = nullptr;

    QString app() const { return fx->appDir(); }
    QString bitmaps() const { return fx->gameDir() + "Bitmaps" + QDir::separator(); }
    QString entry(int slot) const { return slotList->List1->item(slot - 1)->text(); }
    QString tool() const { return app() + QDir::separator() + "gp2hipic.pif "; }

    // Selecting a slot shows its circuit in the panel.
    void select(int slot) {
        slotList->List1->setCurrentRow(-1);
        slotList->List1->setCurrentRow(slot - 1);
        QCOMPARE(slotList->selectedSlot(), slot);
    }
    void assign(int slot, const QString& file) {
        lists->File1->setListIndex(lists->File1->indexOf(file));
        select(slot);
        frm->Packs->Change_Click();
        QCOMPARE(slotList->lineUp().at(slot).file, file);
    }
    QString stored(const QString& track, const QString& field) {
        return testrows::mapText(fx->bas, track, field);
    }
    QString track() const { return frm->Panel->Track->text(); }
    QString picture(const QString& name, const QByteArray& bytes) {
        const QString path = bitmaps() + name;
        return writeFile(path, bytes) ? path : QString();
    }

private slots:
    void init() {
        fx = std::make_unique<MainWindowFixture>();
        picturetool::install(app());
        QVERIFY(open(Show::Active));
        frm = fx->frm.get();
        pics = frm->Pictures;
        lists = frm->Lists;
        slotList = frm->Slots;
    }
    void cleanup() { close(); }

    void browseMarksTheShownSlot_data() {
        QTest::addColumn<bool>("assigned");
        QTest::addColumn<QChar>("marker");
        QTest::newRow("game's circuit") << false << QChar(u'|');
        QTest::newRow("assigned circuit") << true << QChar(u'+');
    }
    void browseMarksTheShownSlot() {
        QFETCH(bool, assigned);
        QFETCH(QChar, marker);
        if (assigned)
            assign(4, "monza2001.dat");
        else
            select(4);
        const QString shownTrack = slotEntryTrack(entry(4));
        QCOMPARE(track(), shownTrack);
        const QString path = picture("new.bmp", picturetool::bitmap(64, 48, 0xff0000));
        fx->dialogs.answers << path;
        pics->Browse->click();

        QCOMPARE(fx->dialogs.shown.last(), QStringLiteral("Menu picture selection"));
        QCOMPARE(pics->MenuPicture->text(), path);
        QCOMPARE(stored(shownTrack, "Menu Picture"), path);
        QCOMPARE(pics->Picture1->pixmap().size(), QSize(64, 48));
        QVERIFY(slotList->lineUp().at(4).changed);
        QCOMPARE(entry(4), slotEntryText(4, marker, shownTrack, slotEntryCountry(entry(4))));
        QCOMPARE(slotList->lineUp().at(4).file,
                 assigned ? QStringLiteral("monza2001.dat") : QString());

        // A cancelled dialog changes nothing.
        pics->Browse->click();
        QCOMPARE(pics->MenuPicture->text(), path);
    }

    void otherCircuitsOnlyStoreTheCatalogue() {
        select(4);
        const QString before = entry(4);
        // The panel shows a circuit of the file list, not slot 4's.
        fx->bas.CurrentFile = fx->circuit("spa98.DAT");
        frm->Panel->GetInfo();
        pics->Make_Click(2);
        QCOMPARE(stored("Spa 98", "Menu Picture 2"), app() + QDir::separator() + "na2.bmp");
        QCOMPARE(entry(4), before);
        QVERIFY(!slotList->lineUp().at(4).changed);

        // No slot selected: stored all the same, nothing marked.
        select(5);
        slotList->List1->clearSelection();
        QCOMPARE(slotList->selectedSlot(), 0);
        pics->Make_Click(1);
        QCOMPARE(stored(track(), "Menu Picture"), app() + QDir::separator() + "na1.bmp");
        QVERIFY(!slotList->lineUp().at(5).changed);
        QCOMPARE(slotEntryMarker(entry(5)), QChar(u' '));
    }

    void leavingTheField() {
        select(6);
        pics->enableControls(true);
        const QString name = track();
        // Unchanged: the record is stored again, nothing is marked.
        Recordset& maps = *fx->bas.MapsRs;
        maps.seek("=", name);
        QVERIFY(!maps.noMatch());
        maps.deleteCurrent();
        pics->MenuPicture->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), pics->MenuPicture);
        frm->Exit->setFocus();
        QCOMPARE(stored(name, "Menu Picture"), QString());
        QVERIFY(!slotList->lineUp().at(6).changed);

        // Typed with blanks around it: stored trimmed, and the slot is marked.
        pics->MenuPicture2->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), pics->MenuPicture2);
        QTest::keyClicks(pics->MenuPicture2, "  typed.bmp ");
        frm->Exit->setFocus();
        QCOMPARE(pics->MenuPicture2->text(), QStringLiteral("typed.bmp"));
        QCOMPARE(stored(name, "Menu Picture 2"), QStringLiteral("typed.bmp"));
        QCOMPARE(slotEntryMarker(entry(6)), QChar(u'|'));
    }

    void importTakesThePictureOfTheSelectedSlot() {
        // Without a slot: told, nothing run.
        slotList->List1->clearSelection();
        pics->ImportPicture_Click(2);
        QCOMPARE(fx->dialogs.messages(), QStringList{"Select one Gp2 circuit first."});
        QCOMPARE(picturetool::runs(app()), QStringList());

        select(2);
        const QByteArray small = picturetool::bitmap(44, 33, 0x112233);
        picturetool::setArchivePicture(app(), 18, small);
        pics->ImportPicture_Click(2);
        const QString target = bitmaps() + "TI Circuit Aida2.bmp";
        QCOMPARE(picturetool::runs(app()), QStringList{tool() + "-x #18 " + bitmaps() +
                                                       "f1pcsvga.bin " + bitmaps() + "tmp.bmp"});
        QCOMPARE(readFile(target), small);
        QCOMPARE(pics->MenuPicture2->text(), target);
        QCOMPARE(stored("TI Circuit Aida", "Menu Picture 2"), target);
        QCOMPARE(slotEntryMarker(entry(2)), QChar(u'|'));

        // Replacing a picture is asked first; No changes nothing.
        fx->dialogs.shown.clear();
        fx->dialogs.answers << false;
        pics->ImportPicture_Click(2);
        QCOMPARE(fx->dialogs.shown, QStringList{"Do you realy want to replace '" + target + "' ?"});
        QCOMPARE(picturetool::runs(app()).size(), 1);
        QCOMPARE(pics->MenuPicture2->text(), target);

        // Without the tool the player is told, and the field keeps its picture.
        QVERIFY(QFile::remove(app() + "/gp2hipic.pif"));
        fx->dialogs.shown.clear();
        fx->dialogs.answers << true;
        pics->ImportPicture_Click(2);
        QCOMPARE(fx->dialogs.shown.last(),
                 "The menu picture was not imported.\r\n\r\nCannot start " +
                     QDir::toNativeSeparators(app() + "/gp2hipic.pif") + ": there is no such file");
        QCOMPARE(pics->MenuPicture2->text(), target);
    }

    void importedPictureStaysInTheBitmapsFolder() {
        QVERIFY(writeFile(
            fx->circuit("odd.dat"),
            samplegame::circuit(40000, samplegame::addonFields("../AC/DC: Ring?", "Nowhere", 50))));
        lists->File1->refresh();
        assign(5, "odd.dat");
        QCOMPARE(track(), QStringLiteral("../AC/DC: Ring?"));
        const QByteArray big = picturetool::bitmap(64, 48, 0x445566);
        picturetool::setArchivePicture(app(), 5, big);
        pics->ImportPicture_Click(1);
        QCOMPARE(readFile(bitmaps() + ".._AC_DC_ Ring_1.bmp"), big);
        QCOMPARE(slotEntryMarker(entry(5)), QChar(u'+'));

        // The small picture cannot be extracted: the hand-over file left from the large one
        // must not become the small picture, and the field keeps what it had.
        fx->dialogs.shown.clear();
        pics->ImportPicture_Click(2);
        QVERIFY(!QFile::exists(bitmaps() + ".._AC_DC_ Ring_2.bmp"));
        QCOMPARE(pics->MenuPicture2->text(), QString());
        QCOMPARE(fx->dialogs.messages(), QStringList{"The menu picture was not imported.\r\n\r\n"
                                                     "gp2hipic wrote no picture to " +
                                                     bitmaps() + "tmp.bmp"});
    }

    void pictureFileName_data() {
        QTest::addColumn<QString>("track");
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Monza 2001" << 1 << "Monza 20011.bmp";
        QTest::newRow("small") << " Spa 98 " << 2 << "Spa 982.bmp";
        QTest::newRow("separators") << "a\\b/c" << 1 << "a_b_c1.bmp";
        QTest::newRow("reserved") << "x:*?\"<>|\tz" << 2 << "x________z2.bmp";
    }
    void pictureFileName() {
        QFETCH(QString, track);
        QFETCH(int, which);
        QFETCH(QString, name);
        QCOMPARE(importedPictureFileName(track, which), name);
    }

    void makeClearAndThePreview() {
        select(3);
        pics->Make_Click(1);
        QCOMPARE(pics->MenuPicture->text(), app() + QDir::separator() + "na1.bmp");
        QCOMPARE(stored(track(), "Menu Picture"), pics->MenuPicture->text());
        QCOMPARE(pics->Picture1->pixmap().size(), QSize(640, 480));

        // A file that cannot be loaded leaves the preview as it was.
        pics->MenuPicture->setText(picture("broken.bmp", "not a bitmap"));
        pics->GetBmp();
        QCOMPARE(pics->Picture1->pixmap().size(), QSize(640, 480));

        pics->Clear_Click(1);
        QCOMPARE(stored(track(), "Menu Picture"), QString());
        QVERIFY(pics->Picture1->pixmap().isNull());
    }

    void previewOpensThePictureView() {
        select(3);
        QString title;
        QSize size;
        auto watch = [&] {
            QTimer::singleShot(200, [&] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    title = modal->windowTitle();
                    size = modal->findChild<QLabel*>("Image1")->pixmap().size();
                    modal->findChild<QPushButton*>("Ok")->click();
                }
            });
        };
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);

        pics->Clear_Click(2);
        QApplication::sendEvent(pics->Picture2, &move);
        QCOMPARE(pics->Picture2->cursor().shape(), Qt::ArrowCursor);
        watch();
        QTest::mouseClick(pics->Picture2, Qt::LeftButton);
        QTest::qWait(300);
        QCOMPARE(title, QString()); // an empty field opens nothing

        pics->Make_Click(2);
        QApplication::sendEvent(pics->Picture2, &move);
        QCOMPARE(pics->Picture2->cursor().shape(), Qt::PointingHandCursor);
        watch();
        QTest::mouseClick(pics->Picture2, Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Picture View"));
        QCOMPARE(size, QSize(440, 330));
    }

    void defragRunsTheTool() {
        auto* status = &fx->status;
        frm->Repair->trigger();
        QCOMPARE(picturetool::runs(app()),
                 QStringList{tool() + "-d " + bitmaps() + "f1pcsvga.bin"});
        QCOMPARE(status->l1, QStringLiteral("Please wait..."));
        QCOMPARE(status->l2, QStringLiteral("Defrag f1pcsvga.bin... "));
        QVERIFY(!status->visible);
        QVERIFY(frm->isVisible());
        QVERIFY(fx->dialogs.messages().isEmpty());

        // A tool that fails is told, and the archive was saved before it ran.
        QVERIFY(writeFile(app() + "/gp2hipic.pif", "#!/bin/sh\nexit 2\n"));
        frm->Repair->trigger();
        QCOMPARE(fx->dialogs.messages(), QStringList{"f1pcsvga.bin was not defragmented.\r\n\r\n"
                                                     "gp2hipic failed (exit status 2)"});
        QCOMPARE(QDir(app() + "/backups").entryList({"* Defrag*"}, QDir::Dirs).size(), 2);
    }
};

QTEST_MAIN(MenuPicturesTest)
#include "menu_pictures_test.moc"
