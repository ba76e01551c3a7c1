#include "storage/ui/setup_dialog.h"

#include "gamedir/backup_store.h"
#include "gamedir/emulators.h"
#include "gamedir/game_dir.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "storage/gp2psobas.h"
#include "storage/settings_row.h"
#include "ui/language.h"
#include "ui/named.h"
#include "ui/window_size.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace pistaro {

SetupDialog::SetupDialog(Gp2PsoBas& bas, QWidget* parent) : QDialog(parent), bas_(bas) {
    setObjectName(QStringLiteral("Setup"));
    setWindowTitle(tr("Pistaro Setup"));
    buildWidgets();
    wireHandlers();
    keepSize(*this, QStringLiteral("Setup/size"), [this] {
        // Room for a usual folder path in the path fields.
        const QSize hint = sizeHint();
        const int path = SetupGP2DIR->fontMetrics().horizontalAdvance(
                             QStringLiteral("/home/player/games/gp2/cd/GP2.cue")) +
                         2 * SetupGP2DIR->fontMetrics().averageCharWidth();
        return QSize(hint.width() + std::max(0, path - SetupGP2DIR->sizeHint().width()),
                     hint.height());
    });
}

void SetupDialog::buildWidgets() {
    // Created in the order of the tab sequence.
    Label1 = named(new QLabel(tr("Gp2 Directory:"), this), "Label1");
    SetupGP2DIR = named(new QLineEdit(QStringLiteral("C:\\GP2\\"), this), "SetupGP2DIR");
    Browse = named(new QPushButton(tr("&Browse"), this), "Browse");
    Browse->setToolTip(tr("Browse Gp2 Directory"));
    Browse->setAutoDefault(false);
    Label14 = named(new QLabel(tr("Gp2 Version:"), this), "Label14");
    SetupVersion = named(new QLabel(this), "SetupVersion");
    Frame3 = named(new QGroupBox(QStringLiteral("GP2LAP"), this), "Frame3");
    SetupGp2Lap = named(new QCheckBox(tr("&Use Gp2Lap"), Frame3), "SetupGp2Lap");
    SetupGp2LapNote = named(new QLabel(Frame3), "SetupGp2LapNote");
    SetupGp2LapNote->setWordWrap(true);
    SetupGp2LapNote->hide();
    Frame2 = named(new QGroupBox(tr(" Log File"), Frame3), "Frame2");
    SetupDelLogFile = named(new QRadioButton(tr("&Delete"), Frame2), "SetupDelLogFile");
    SetupRenLogFile = named(new QRadioButton(tr("&Rename"), Frame2), "SetupRenLogFile");
    SetupDelLogFile->setAutoExclusive(false);
    SetupRenLogFile->setAutoExclusive(false);
    Frame1 = named(new QGroupBox(this), "Frame1");
    QuickUpdate =
        named(new QCheckBox(tr("Use &Quick update when exporting maps"), Frame1), "QuickUpdate");
    CarSetup = named(new QCheckBox(tr("Car Setup &Management"), Frame1), "CarSetup");
    // Stored and shown only: the car setup transfer runs whatever it says, so it is not offered
    // as a choice.
    CarSetup->setEnabled(false);
    DosEmulatorLabel = named(new QLabel(tr("DOS emulator"), this), "DosEmulatorLabel");
    DosEmulator = named(new QLineEdit(this), "DosEmulator");
    DosEmulatorLabel->setBuddy(DosEmulator);
    DosCyclesLabel = named(new QLabel(tr("CPU c&ycles"), this), "DosCyclesLabel");
    DosCycles = named(new QLineEdit(this), "DosCycles");
    DosCycles->setToolTip(tr("As DOSBox reads it: max, auto, fixed 30000, or a "
                             "number such as 30000"));
    DosCyclesLabel->setBuddy(DosCycles);
    DosCyclesProblem = named(new QLabel(this), "DosCyclesProblem");
    DosCyclesProblem->setWordWrap(true);
    DosCyclesProblem->hide();
    DosFullScreen = named(new QCheckBox(tr("Run the game &full screen"), this), "DosFullScreen");
    CdImageLabel = named(new QLabel(tr("CD &image"), this), "CdImageLabel");
    CdImage = named(new QLineEdit(this), "CdImage");
    CdImage->setToolTip(tr("The game's CD as an image (.cue or .iso), mounted as D:"));
    CdImageLabel->setBuddy(CdImage);
    CdImageBrowse = named(new QPushButton(tr("C&hoose"), this), "CdImageBrowse");
    CdImageBrowse->setAutoDefault(false);
    BackupCountLabel =
        named(new QLabel(tr("Changes kept in the history"), this), "BackupCountLabel");
    BackupCount = named(new QSpinBox(this), "BackupCount");
    BackupCount->setRange(1, 999);
    BackupCountLabel->setBuddy(BackupCount);
    BackupMegabytesLabel =
        named(new QLabel(tr("Size of the backups at most"), this), "BackupMegabytesLabel");
    BackupMegabytes = named(new QSpinBox(this), "BackupMegabytes");
    BackupMegabytes->setRange(1, 1000000);
    BackupMegabytes->setSuffix(tr(" MB"));
    BackupMegabytesLabel->setBuddy(BackupMegabytes);
    LanguageLabel = named(new QLabel(tr("&Language"), this), "LanguageLabel");
    Language = named(new QComboBox(this), "Language");
    for (const language::Offered& offer : language::offered())
        Language->addItem(offer.name, offer.code);
    LanguageLabel->setBuddy(Language);
    LanguageNote = named(new QLabel(tr("Takes effect at the next start."), this), "LanguageNote");
    LanguageNote->setWordWrap(true);
    // The box orders the buttons as the desktop does; their clicks stay the handlers.
    auto* buttons = new QDialogButtonBox(this);
    Ok = named(buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole), "Ok");
    Ok->setDefault(true);
    Cancel = named(buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole), "Cancel");
    Cancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(SetupGP2DIR, 0, 1);
    grid->addWidget(Browse, 0, 2);
    grid->addWidget(Label14, 1, 0);
    grid->addWidget(SetupVersion, 1, 1, 1, 2);

    auto* logBox = new QHBoxLayout(Frame2);
    logBox->addWidget(SetupDelLogFile);
    logBox->addWidget(SetupRenLogFile);
    auto* lapBox = new QVBoxLayout(Frame3);
    lapBox->addWidget(SetupGp2Lap);
    lapBox->addWidget(SetupGp2LapNote);
    lapBox->addWidget(Frame2);
    grid->addWidget(Frame3, 2, 0, 1, 3);

    auto* optionsBox = new QVBoxLayout(Frame1);
    optionsBox->addWidget(QuickUpdate);
    optionsBox->addWidget(CarSetup);
    grid->addWidget(Frame1, 3, 0, 1, 3);

    grid->addWidget(DosEmulatorLabel, 4, 0);
    grid->addWidget(DosEmulator, 4, 1, 1, 2);
    grid->addWidget(DosCyclesLabel, 5, 0);
    auto* cyclesBox = new QVBoxLayout;
    cyclesBox->addWidget(DosCycles);
    cyclesBox->addWidget(DosCyclesProblem);
    grid->addLayout(cyclesBox, 5, 1, 1, 2);
    grid->addWidget(DosFullScreen, 6, 1, 1, 2);
    grid->addWidget(CdImageLabel, 7, 0);
    grid->addWidget(CdImage, 7, 1);
    grid->addWidget(CdImageBrowse, 7, 2);
    grid->addWidget(BackupCountLabel, 8, 0);
    grid->addWidget(BackupCount, 8, 1, 1, 2);
    grid->addWidget(BackupMegabytesLabel, 9, 0);
    grid->addWidget(BackupMegabytes, 9, 1, 1, 2);
    grid->addWidget(LanguageLabel, 10, 0);
    grid->addWidget(Language, 10, 1, 1, 2);
    grid->addWidget(LanguageNote, 11, 1, 1, 2);
    grid->addWidget(buttons, 12, 0, 1, 3);
}

void SetupDialog::wireHandlers() {
    connect(SetupGp2Lap, &QCheckBox::clicked, this, GUARDED_HANDLER(SetupGp2Lap_Click));
    connect(SetupDelLogFile, &QRadioButton::clicked, this, GUARDED_HANDLER(SetupDelLogFile_Click));
    connect(SetupRenLogFile, &QRadioButton::clicked, this, GUARDED_HANDLER(SetupRenLogFile_Click));
    connect(Browse, &QPushButton::clicked, this, GUARDED_HANDLER(Browse_Click));
    connect(CdImageBrowse, &QPushButton::clicked, this, GUARDED_HANDLER(CdImageBrowse_Click));
    connect(Ok, &QPushButton::clicked, this, GUARDED_HANDLER(Ok_Click));
    connect(Cancel, &QPushButton::clicked, this, GUARDED_HANDLER(Cancel_Click));
    connect(DosCycles, &QLineEdit::textChanged, this, GUARDED_HANDLER(DosCycles_Change));
    SetupGP2DIR->installEventFilter(this);
}

void SetupDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    guarded("Setup Form_Activate", [this] { Form_Activate(); })();
}

bool SetupDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SetupGP2DIR && event->type() == QEvent::FocusOut) {
        // Focus that moves to another control of the dialog, not to another window
        // (a message box shown from here takes the window's focus, not the field's).
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            GUARDED_HANDLER(SetupGP2DIR_LostFocus)();
    }
    return QDialog::eventFilter(watched, event);
}

void SetupDialog::Form_Activate() {
    SetupVersion->setText(bas_.Gp2Version + QLatin1Char(' '));
    SetupGP2DIR->setText(bas_.Gp2Dir);
    shownEmulator_ = emulators::dosEmulator();
    DosEmulator->setText(shownEmulator_);
    DosCycles->setText(emulators::dosCycles());
    DosFullScreen->setChecked(emulators::dosFullScreen());
    CdImage->setText(QDir::toNativeSeparators(emulators::cdImage()));
    const gamebackup::Limits kept = gamebackup::limits();
    BackupCount->setValue(kept.count);
    BackupMegabytes->setValue(int(qMin<qint64>(kept.megabytes, BackupMegabytes->maximum())));
    Language->setCurrentIndex(qMax(0, Language->findData(language::setting())));
    // The switches come from the row itself, not from the program's mirrors.
    settingsrow::Switches s;
    const bool read = ignoreFailure("Setup: reading the settings row", [&] {
        s = settingsrow::read(settingsrow::currentRow(bas_.ParamsRs));
    });
    if (!read)
        return;
    // The options show the stored choice, neither included (Rename wins where a row holds both,
    // as the launcher reads it); only a click on the box proposes "Delete".
    SetupGp2Lap->setChecked(s.useGp2Lap);
    SetupGp2Lap_Click();
    showLapTimerNote();
    SetupRenLogFile->setChecked(s.renameLogFile);
    SetupDelLogFile->setChecked(s.deleteLogFile && !s.renameLogFile);
    QuickUpdate->setChecked(s.quickUpdate);
    CarSetup->setChecked(s.carSetupManagement);
}

void SetupDialog::SetupGp2Lap_Click() {
    const bool on = SetupGp2Lap->isChecked();
    SetupDelLogFile->setEnabled(on);
    SetupRenLogFile->setEnabled(on);
    SetupDelLogFile->setChecked(on);
    SetupRenLogFile->setChecked(false);
}

// An option button stays selected when clicked again; selecting one clears the other.
void SetupDialog::SetupDelLogFile_Click() {
    SetupDelLogFile->setChecked(true);
    SetupRenLogFile->setChecked(false);
}

void SetupDialog::SetupRenLogFile_Click() {
    SetupRenLogFile->setChecked(true);
    SetupDelLogFile->setChecked(false);
}

void SetupDialog::showLapTimerNote() {
    const bool lacking = !hasLapTimer(bas_.Gp2Dir);
    SetupGp2LapNote->setText(
        lacking ? tr("Gp2Lap.exe is not in the game folder: the game starts without "
                     "the lap timer.")
                : QString());
    SetupGp2LapNote->setVisible(lacking);
}

void SetupDialog::DosCycles_Change() {
    const QString refusal = emulators::cyclesRefusal(DosCycles->text());
    DosCyclesProblem->setText(refusal);
    DosCyclesProblem->setVisible(!refusal.isEmpty());
}

void SetupDialog::SetupGP2DIR_LostFocus() {
    const QString previous = bas_.Gp2Dir;
    bas_.Gp2Dir = SetupGP2DIR->text().trimmed();
    if (IsGp2Dir(bas_)) {
        showLapTimerNote();
        return;
    }
    bas_.dialogs->message(NoGp2ExeMessage());
    bas_.Gp2Dir = previous;
    SetupGP2DIR->setText(previous);
}

void SetupDialog::Browse_Click() {
    const QString previous = bas_.Gp2Dir;
    for (;;) {
        const QString chosen =
            BrowseForFolder(*bas_.dialogs, tr("Select your Gp2 directory: "), this);
        if (chosen.isEmpty()) {
            bas_.Gp2Dir = previous;
            SetupGP2DIR->setText(previous);
            return;
        }
        bas_.Gp2Dir = chosen;
        if (IsGp2Dir(bas_)) {
            SetupGP2DIR->setText(bas_.Gp2Dir);
            showLapTimerNote();
            return;
        }
        bas_.dialogs->message(NoGp2ExeMessage());
    }
}

void SetupDialog::CdImageBrowse_Click() {
    const QString preset = CdImage->text().trimmed();
    const QString chosen = bas_.dialogs->openFile(
        tr("Select the GP2 CD image"), preset,
        //: A file dialog filter: translate the names, keep the "|" and the patterns.
        tr("CD images|*.cue;*.iso|All files|*"), QStringLiteral("iso"));
    if (!chosen.isEmpty() && chosen != preset)
        CdImage->setText(QDir::toNativeSeparators(chosen));
}

void SetupDialog::Ok_Click() {
    // A setting DOSBox would not read stays open to be put right, before anything is stored.
    const QString cyclesRefusal = emulators::cyclesRefusal(DosCycles->text());
    if (!cyclesRefusal.isEmpty()) {
        DosCycles_Change();
        DosCycles->setFocus(Qt::OtherFocusReason);
        bas_.dialogs->message(tr("CPU cycles: %1").arg(cyclesRefusal));
        return;
    }
    const QString previous = bas_.Gp2Dir;
    bas_.Gp2Dir = SetupGP2DIR->text().trimmed();
    if (!IsGp2Dir(bas_)) {
        bas_.Gp2Dir = previous;
        SetupGP2DIR->setText(previous);
    }
    settingsrow::Switches s;
    s.useGp2Lap = SetupGp2Lap->isChecked();
    s.deleteLogFile = SetupDelLogFile->isChecked();
    s.renameLogFile = SetupRenLogFile->isChecked();
    s.quickUpdate = QuickUpdate->isChecked();
    s.carSetupManagement = CarSetup->isChecked();
    if (DosEmulator->text().trimmed() != shownEmulator_)
        emulators::setDosEmulator(DosEmulator->text());
    emulators::setDosCycles(DosCycles->text());
    emulators::setDosFullScreen(DosFullScreen->isChecked());
    emulators::setCdImage(QDir::fromNativeSeparators(CdImage->text().trimmed()));
    const gamebackup::Limits kept = gamebackup::limits();
    if (BackupCount->value() != kept.count ||
        BackupMegabytes->value() != qMin<qint64>(kept.megabytes, BackupMegabytes->maximum()))
        gamebackup::setLimits({BackupCount->value(), BackupMegabytes->value()});
    language::setSetting(Language->currentData().toString());
    ignoreFailure("Setup: saving the settings row", [&] {
        settingsrow::storeSetup(settingsrow::currentRow(bas_.ParamsRs), bas_.Gp2Dir, s);
    });
    // The mirrors follow what the row now holds.
    ignoreFailure("Setup: reloading the settings", [&] {
        settingsrow::mirror(settingsrow::read(settingsrow::currentRow(bas_.ParamsRs)), bas_);
    });
    // The row keeps the player's choice; a lap timer the game folder lacks is not started.
    bas_.UseGp2Lap = bas_.UseGp2Lap && hasLapTimer(bas_.Gp2Dir);
    accept();
}

void SetupDialog::Cancel_Click() {
    reject();
}

} // namespace pistaro
