// The Setup dialog on a real open database: loading the switches from the row, the option
// buttons, the game folder field, Browse, Ok and Cancel.
#include "gamedir/backup_store.h"
#include "gamedir/emulators.h"
#include "platform/gamepath.h"
#include "storage/engine.h"
#include "storage/ui/lap_time_database.h"
#include "storage/ui/setup_dialog.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/dos_programs.h"
#include "tests/support/files.h"
#include "tests/support/main_window_fixture.h"
#include "ui/language.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace pistaro;
using testrows::storedParam;

namespace {

// Writes fields of the open database's settings row, as another part of the program would.
void setRow(Gp2PsoBas& bas, const QList<QPair<QString, QVariant>>& values) {
    bas.ParamsRs->seek(QStringLiteral("="), 1);
    bas.ParamsRs->edit();
    for (const auto& [field, value] : values)
        bas.ParamsRs->setValue(field, value);
    bas.ParamsRs->update();
}

// Check boxes and option buttons take clicks on their indicator, at the left end.
void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

struct Opened {
    MainWindowFixture fx;
    SetupDialog* dlg = nullptr;
    Opened() {
        fx.frm = std::make_unique<MainWindow>(fx.bas);
        fx.frm->Setting->DbOpen(QStringLiteral("pso.mdb"));
        fx.bas.Gp2Version = QStringLiteral("UK English Version 1.0b");
        dlg = fx.frm->Setting->setupDialog();
    }
    ~Opened() {
        if (dlg)
            dlg->hide();
    }
};

} // namespace

class SetupDialogTest final : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
private slots:
    void initTestCase() { dosprograms::useScratchHome(home_.path()); }
    void controlsAreNamedAndCaptioned();
    void activationLoadsTheRow_data();
    void activationLoadsTheRow();
    void lapTimerSwitchGovernsTheLogOptions();
    void okStoresTheSwitchesAndTheFolder();
    void okWithABadFolderKeepsThePreviousOne();
    void leavingTheFolderFieldChecksIt();
    void browseThenCancelKeepsTheNewFolder();
    void browseRejectsFoldersUntilCancelled();
    void dosboxSettingsAreTheMachines();
    void cpuCyclesAreCheckedWhereTyped_data();
    void cpuCyclesAreCheckedWhereTyped();
    void aLapTimerTheGameLacksIsNotTurnedOn();
    void menuOpensTheDialogModally();
    void languageIsTheMachinesFromTheNextStart();
};

void SetupDialogTest::controlsAreNamedAndCaptioned() {
    Opened o;
    QCOMPARE(o.dlg->objectName(), QStringLiteral("Setup"));
    QCOMPARE(o.dlg->windowTitle(), QStringLiteral("Pistaro Setup"));
    QCOMPARE(o.dlg->findChild<QPushButton*>(QStringLiteral("Browse"))->toolTip(),
             QStringLiteral("Browse Gp2 Directory"));
    QCOMPARE(o.dlg->findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(),
             QStringLiteral(" Log File"));
    for (const char* name : {"Label1",      "SetupGP2DIR",     "Label14",         "SetupVersion",
                             "Frame3",      "SetupGp2Lap",     "SetupDelLogFile", "SetupRenLogFile",
                             "Frame1",      "QuickUpdate",     "CarSetup",        "DosEmulator",
                             "DosCycles",   "DosFullScreen",   "CdImage",         "CdImageBrowse",
                             "BackupCount", "BackupMegabytes", "Language",        "LanguageNote",
                             "Ok",          "Cancel"})
        QVERIFY2(o.dlg->findChild<QWidget*>(QString::fromLatin1(name)), name);
}

void SetupDialogTest::activationLoadsTheRow_data() {
    QTest::addColumn<bool>("lap");
    QTest::addColumn<bool>("del");
    QTest::addColumn<bool>("ren");
    QTest::addColumn<bool>("delShown");
    QTest::addColumn<bool>("renShown");
    // The options show the stored choice, neither included.
    QTest::newRow("timer, no log field") << true << false << false << false << false;
    QTest::newRow("timer, both: rename") << true << true << true << false << true;
    QTest::newRow("timer, rename") << true << false << true << false << true;
    QTest::newRow("timer, delete") << true << true << false << true << false;
    QTest::newRow("no timer") << false << false << false << false << false;
}

void SetupDialogTest::activationLoadsTheRow() {
    QFETCH(bool, lap);
    QFETCH(bool, del);
    QFETCH(bool, ren);
    QFETCH(bool, delShown);
    QFETCH(bool, renShown);
    Opened o;
    setRow(o.fx.bas, {{QStringLiteral("Use Gp2Lap"), lap},
                      {QStringLiteral("Delete Log File"), del},
                      {QStringLiteral("Rename Log File"), ren},
                      {QStringLiteral("Quick Update"), false},
                      {QStringLiteral("Car Setup Management"), true}});
    o.fx.bas.UseGp2Lap = !lap; // the mirrors are not what the dialog shows
    o.fx.bas.QuickUpdate = true;
    o.dlg->show();
    QCOMPARE(o.dlg->SetupVersion->text(), QStringLiteral("UK English Version 1.0b "));
    QCOMPARE(o.dlg->SetupGP2DIR->text(), o.fx.gameDir());
    QCOMPARE(o.dlg->SetupGp2Lap->isChecked(), lap);
    QCOMPARE(o.dlg->SetupDelLogFile->isChecked(), delShown);
    QCOMPARE(o.dlg->SetupRenLogFile->isChecked(), renShown);
    QCOMPARE(o.dlg->SetupDelLogFile->isEnabled(), lap);
    QCOMPARE(o.dlg->SetupRenLogFile->isEnabled(), lap);
    QVERIFY(!o.dlg->QuickUpdate->isChecked());
    QVERIFY(o.dlg->CarSetup->isChecked());
}

void SetupDialogTest::lapTimerSwitchGovernsTheLogOptions() {
    Opened o;
    setRow(o.fx.bas,
           {{QStringLiteral("Use Gp2Lap"), true}, {QStringLiteral("Rename Log File"), true}});
    o.dlg->show();
    auto* lap = o.dlg->SetupGp2Lap;
    auto* del = o.dlg->SetupDelLogFile;
    auto* ren = o.dlg->SetupRenLogFile;
    QVERIFY(ren->isChecked() && !del->isChecked());

    click(del);
    QVERIFY(del->isChecked() && !ren->isChecked());
    click(del); // an option stays selected when clicked again
    QVERIFY(del->isChecked() && !ren->isChecked());
    click(ren);
    QVERIFY(ren->isChecked() && !del->isChecked());

    click(lap);
    QVERIFY(!lap->isChecked());
    QVERIFY(!del->isChecked() && !ren->isChecked());
    QVERIFY(!del->isEnabled() && !ren->isEnabled());
    click(lap);
    QVERIFY(lap->isChecked());
    QVERIFY(del->isEnabled() && ren->isEnabled());
    QVERIFY(del->isChecked() && !ren->isChecked());
}

void SetupDialogTest::okStoresTheSwitchesAndTheFolder() {
    Opened o;
    const QString game2 = samplegame::write(o.fx.tmp.filePath(QStringLiteral("game2")));
    o.dlg->show();
    o.dlg->SetupGP2DIR->setText(withoutSeparator(game2));
    click(o.dlg->SetupRenLogFile);
    o.dlg->QuickUpdate->setChecked(false);
    o.dlg->CarSetup->setChecked(false);
    // The emulator is this machine's: kept in its settings, not in the database.
    QCOMPARE(o.dlg->DosEmulator->text(), QStringLiteral("dosbox"));
    o.dlg->DosEmulator->setText(QStringLiteral(" /opt/dosbox-x/bin/dosbox-x "));
    // So are the limits of the backups.
    QCOMPARE(o.dlg->BackupCount->value(), 20);
    QCOMPARE(o.dlg->BackupMegabytes->value(), 200);
    o.dlg->BackupCount->setValue(35);
    o.dlg->BackupMegabytes->setValue(500);
    QTest::mouseClick(o.dlg->Ok, Qt::LeftButton);
    QCOMPARE(emulators::dosEmulator(), QStringLiteral("/opt/dosbox-x/bin/dosbox-x"));
    emulators::setDosEmulator(QStringLiteral("dosbox"));
    QCOMPARE(gamebackup::limits().count, 35);
    QCOMPARE(gamebackup::limits().megabytes, 500);
    gamebackup::setLimits({});
    QVERIFY(!o.dlg->isVisible());
    QCOMPARE(o.dlg->result(), int(QDialog::Accepted));
    QCOMPARE(o.fx.bas.Gp2Dir, game2);
    QVERIFY(o.fx.bas.UseGp2Lap && o.fx.bas.RenameLogFile && !o.fx.bas.DeleteLogFile);
    QVERIFY(!o.fx.bas.QuickUpdate && !o.fx.bas.CarSetupManagement);
    QVERIFY(o.fx.dialogs.shown.isEmpty());
    o.fx.frm->Setting->DbClose();
    QCOMPARE(storedParam(o.fx.database(), QStringLiteral("Gp2 Directory")).toString(), game2);
    QVERIFY(storedParam(o.fx.database(), QStringLiteral("Rename Log File")).toBool());
    QVERIFY(!storedParam(o.fx.database(), QStringLiteral("Delete Log File")).toBool());
    QVERIFY(!storedParam(o.fx.database(), QStringLiteral("Quick Update")).toBool());
    QVERIFY(!storedParam(o.fx.database(), QStringLiteral("Car Setup Management")).toBool());
}

void SetupDialogTest::okWithABadFolderKeepsThePreviousOne() {
    Opened o;
    o.dlg->show();
    o.dlg->SetupGP2DIR->setText(o.fx.appDir());
    o.dlg->CarSetup->setChecked(false);
    o.dlg->Ok_Click();
    QVERIFY(o.fx.dialogs.shown.isEmpty()); // silently
    QCOMPARE(o.fx.bas.Gp2Dir, o.fx.gameDir());
    QCOMPARE(o.dlg->SetupGP2DIR->text(), o.fx.gameDir());
    // The switches are saved all the same.
    QVERIFY(!o.fx.bas.CarSetupManagement);
    QCOMPARE(o.fx.bas.ParamsRs->text(QStringLiteral("Gp2 Directory")), o.fx.gameDir());
}

void SetupDialogTest::leavingTheFolderFieldChecksIt() {
    Opened o;
    const QString game2 = samplegame::write(o.fx.tmp.filePath(QStringLiteral("game2")));
    o.dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(o.dlg));
    o.dlg->SetupGP2DIR->setFocus(Qt::TabFocusReason);
    o.dlg->SetupGP2DIR->setText(o.fx.appDir());
    o.dlg->Browse->setFocus(Qt::TabFocusReason);
    QCOMPARE(o.fx.dialogs.messages().size(), 1);
    QVERIFY(o.fx.dialogs.messages().at(0).startsWith(QStringLiteral("Couldn't find GP2.EXE !!!")));
    QCOMPARE(o.dlg->SetupGP2DIR->text(), o.fx.gameDir());
    QCOMPARE(o.fx.bas.Gp2Dir, o.fx.gameDir());

    o.dlg->SetupGP2DIR->setFocus(Qt::TabFocusReason);
    o.dlg->SetupGP2DIR->setText(withoutSeparator(game2));
    o.dlg->Browse->setFocus(Qt::TabFocusReason);
    QCOMPARE(o.fx.dialogs.messages().size(), 1);
    QCOMPARE(o.fx.bas.Gp2Dir, game2);
}

void SetupDialogTest::browseThenCancelKeepsTheNewFolder() {
    Opened o;
    const QString game2 = samplegame::write(o.fx.tmp.filePath(QStringLiteral("game2")));
    o.dlg->show();
    o.fx.dialogs.answers = {withoutSeparator(game2)};
    o.dlg->DosEmulator->setText(QStringLiteral("dosbox-staging"));
    QTest::mouseClick(o.dlg->Browse, Qt::LeftButton);
    QCOMPARE(o.fx.dialogs.shown, QStringList{QStringLiteral("Select your Gp2 directory: ")});
    QCOMPARE(o.dlg->SetupGP2DIR->text(), game2);
    o.dlg->CarSetup->setChecked(false);
    QTest::mouseClick(o.dlg->Cancel, Qt::LeftButton);
    QCOMPARE(o.dlg->result(), int(QDialog::Rejected));
    QCOMPARE(o.fx.bas.Gp2Dir, game2);
    QVERIFY(o.fx.bas.CarSetupManagement); // the switches were not saved
    QCOMPARE(emulators::dosEmulator(), QStringLiteral("dosbox"));
    QCOMPARE(o.fx.bas.ParamsRs->text(QStringLiteral("Gp2 Directory")), o.fx.gameDir());
    o.fx.frm->Setting->DbClose();
    QCOMPARE(storedParam(o.fx.database(), QStringLiteral("Gp2 Directory")).toString(), game2);
    QVERIFY(storedParam(o.fx.database(), QStringLiteral("Car Setup Management")).toBool());
}

void SetupDialogTest::browseRejectsFoldersUntilCancelled() {
    Opened o;
    o.dlg->show();
    o.fx.dialogs.answers = {o.fx.appDir(), o.fx.tmp.path(), QString()};
    o.dlg->Browse_Click();
    QCOMPARE(o.fx.dialogs.kinds,
             (QStringList{QStringLiteral("pickFolder"), QStringLiteral("message"),
                          QStringLiteral("pickFolder"), QStringLiteral("message"),
                          QStringLiteral("pickFolder")}));
    QCOMPARE(o.fx.bas.Gp2Dir, o.fx.gameDir());
    QCOMPARE(o.dlg->SetupGP2DIR->text(), o.fx.gameDir());
}

// The CPU cycles, full screen and the CD image: machine settings, the image chosen with the
// file dialog; cycles DOSBox would not read keep the dialog open.
void SetupDialogTest::dosboxSettingsAreTheMachines() {
    Opened o;
    o.dlg->show();
    QCOMPARE(o.dlg->DosCycles->text(), QStringLiteral("max"));
    QVERIFY(!o.dlg->DosFullScreen->isChecked());
    QCOMPARE(o.dlg->CdImage->text(), QString());
    o.fx.dialogs.answers = {QStringLiteral("/cd/Grand Prix 2.cue")};
    QTest::mouseClick(o.dlg->CdImageBrowse, Qt::LeftButton);
    QCOMPARE(o.dlg->CdImage->text(), QStringLiteral("/cd/Grand Prix 2.cue"));
    QTest::mouseClick(o.dlg->CdImageBrowse, Qt::LeftButton); // cancelled: the image stays
    QCOMPARE(o.dlg->CdImage->text(), QStringLiteral("/cd/Grand Prix 2.cue"));
    o.dlg->DosFullScreen->setChecked(true);
    o.dlg->DosCycles->setText(QStringLiteral("max\nmemsize=1"));
    o.dlg->Ok_Click();
    QVERIFY(o.dlg->isVisible());
    QCOMPARE(o.fx.dialogs.messages(),
             QStringList{QStringLiteral("CPU cycles: Only letters, digits, blanks and % are read "
                                        "there. Use max, auto, fixed and a number, or a number "
                                        "of cycles such as 30000.")});
    QVERIFY(!emulators::dosFullScreen());
    o.dlg->DosCycles->setText(QStringLiteral(" fixed 40000 "));
    o.dlg->Ok_Click();
    const QString cycles = emulators::dosCycles();
    const bool fullScreen = emulators::dosFullScreen();
    const QString image = emulators::cdImage();
    emulators::setDosCycles({});
    emulators::setDosFullScreen(false);
    emulators::setCdImage({});
    QVERIFY(!o.dlg->isVisible());
    QCOMPARE(cycles, QStringLiteral("fixed 40000"));
    QVERIFY(fullScreen);
    QCOMPARE(image, QStringLiteral("/cd/Grand Prix 2.cue"));
    QCOMPARE(o.fx.dialogs.kinds.count(QStringLiteral("openFile")), 2);
}

// What DOSBox 0.74's read-me and configuration give for "cycles" is stored (lower case, one
// blank between words); anything else is refused with the reason under the field.
void SetupDialogTest::cpuCyclesAreCheckedWhereTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal"); // "" when taken
    QTest::addColumn<QString>("stored");
    QTest::newRow("max") << "max"
                         << ""
                         << "max";
    QTest::newRow("auto, any case") << "Auto"
                                    << ""
                                    << "auto";
    QTest::newRow("fixed") << " fixed   30000 "
                           << ""
                           << "fixed 30000";
    QTest::newRow("a number") << "30000"
                              << ""
                              << "30000";
    QTest::newRow("max with a share and a limit") << "max 90% limit 50000"
                                                  << ""
                                                  << "max 90% limit 50000";
    QTest::newRow("the read-me's auto") << "auto 5000 80% limit 20000"
                                        << ""
                                        << "auto 5000 80% limit 20000";
    QTest::newRow("nothing: max again") << ""
                                        << ""
                                        << "max";
    const QString forms("Use max, auto, fixed and a number, or a number of cycles such as 30000.");
    QTest::newRow("a word DOSBox does not know")
        << "fast"
        << "\"fast\" is not a DOSBox cycles setting. " + forms << "max";
    QTest::newRow("fixed without a number")
        << "fixed"
        << "\"fixed\" takes one number of cycles after it, such as fixed 30000."
        << "max";
    QTest::newRow("no cycles") << "0"
                               << "\"0\" is no number of cycles DOSBox takes: from 1 to "
                                  "2147483647."
                               << "max";
    QTest::newRow("beyond DOSBox's count")
        << "fixed 2147483648"
        << "\"2147483648\" is no number of cycles DOSBox takes: from 1 to 2147483647."
        << "max";
    QTest::newRow("a share above all") << "max 120%"
                                       << "\"120%\" is no share DOSBox takes: from 1% to 100%."
                                       << "max";
    QTest::newRow("a limit of nothing")
        << "max limit"
        << "\"limit\" needs a number of cycles after it, such as limit 50000."
        << "max";
    QTest::newRow("a number for max") << "max 5000"
                                      << "\"5000\" is not read by DOSBox there. " + forms << "max";
    QTest::newRow("words after a number")
        << "3000 fast"
        << "\"fast\" is not read by DOSBox there. " + forms << "max";
}

void SetupDialogTest::cpuCyclesAreCheckedWhereTyped() {
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QString, stored);
    Opened o;
    o.dlg->show();
    o.dlg->DosCycles->setText(typed);
    QCOMPARE(o.dlg->DosCyclesProblem->text(), refusal);
    QCOMPARE(o.dlg->DosCyclesProblem->isHidden(), refusal.isEmpty());
    o.dlg->Ok_Click();
    const QString cycles = emulators::dosCycles();
    emulators::setDosCycles({});
    QCOMPARE(o.dlg->isVisible(), !refusal.isEmpty());
    QCOMPARE(o.fx.dialogs.messages(),
             refusal.isEmpty() ? QStringList() : QStringList{"CPU cycles: " + refusal});
    QCOMPARE(cycles, stored);
}

// The row keeps the player's choice; in a game folder without Gp2Lap.exe the dialog says so
// and its OK does not turn the lap timer on.
void SetupDialogTest::aLapTimerTheGameLacksIsNotTurnedOn() {
    Opened o;
    const QString timer = gamepath::join(o.fx.bas.Gp2Dir, QStringLiteral("Gp2Lap.exe"));
    const QByteArray timerBytes = readFile(timer);
    QVERIFY(QFile::remove(timer));
    setRow(o.fx.bas, {{QStringLiteral("Use Gp2Lap"), true}});
    o.fx.bas.UseGp2Lap = false; // as the start left it
    o.dlg->show();
    QVERIFY(o.dlg->SetupGp2Lap->isChecked());
    QVERIFY(!o.dlg->SetupGp2LapNote->isHidden());
    QCOMPARE(o.dlg->SetupGp2LapNote->text(),
             QStringLiteral("Gp2Lap.exe is not in the game folder: the game starts without the "
                            "lap timer."));
    o.dlg->Ok_Click();
    QVERIFY(!o.dlg->isVisible());
    QVERIFY(!o.fx.bas.UseGp2Lap);
    QVERIFY(storedParam(o.fx.database(), QStringLiteral("Use Gp2Lap")).toBool());

    // With the timer back, the same choice starts it, and nothing is said.
    QVERIFY(writeFile(timer, timerBytes));
    o.dlg->show();
    QVERIFY(o.dlg->SetupGp2LapNote->isHidden());
    o.dlg->Ok_Click();
    QVERIFY(o.fx.bas.UseGp2Lap);
}

void SetupDialogTest::menuOpensTheDialogModally() {
    Opened o;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<SetupDialog*>(QApplication::activeModalWidget());
        wasModal = shown == o.dlg;
        if (shown)
            shown->Cancel->click();
    });
    o.fx.frm->FileSetup->trigger();
    QVERIFY(wasModal);
    QVERIFY(!o.dlg->isVisible());
}

void SetupDialogTest::languageIsTheMachinesFromTheNextStart() {
    Opened o;
    o.dlg->show();
    QCOMPARE(o.dlg->Language->currentText(), QStringLiteral("Automatic (desktop)"));
    QStringList names;
    for (int i = 0; i < o.dlg->Language->count(); ++i)
        names << o.dlg->Language->itemText(i);
    QCOMPARE(names, (QStringList{"Automatic (desktop)", "English", "Deutsch", "Français",
                                 "Italiano", "Español", "Nederlands"}));
    QCOMPARE(o.dlg->LanguageNote->text(), QStringLiteral("Takes effect at the next start."));
    o.dlg->Language->setCurrentIndex(names.indexOf(QStringLiteral("Français")));
    o.dlg->Cancel_Click();
    QCOMPARE(language::setting(), QString());
    o.dlg->show();
    o.dlg->Language->setCurrentIndex(names.indexOf(QStringLiteral("Deutsch")));
    o.dlg->Ok_Click();
    QCOMPARE(language::setting(), QStringLiteral("de"));
    o.dlg->show(); // shown again, it shows what is stored
    QCOMPARE(o.dlg->Language->currentText(), QStringLiteral("Deutsch"));
    o.dlg->Language->setCurrentIndex(0);
    o.dlg->Ok_Click();
    QCOMPARE(language::setting(), QString());
}

QTEST_MAIN(SetupDialogTest)
#include "setup_dialog_test.moc"
