#pragma once
// The Setup dialog "Pistaro Setup": the game folder and the switches of the settings row, and
// the DOS emulator (with how it runs the game), the limits of the backups and the language of
// this machine.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
struct Gp2PsoBas;

namespace pistaro {

class SetupDialog final : public QDialog {
    Q_OBJECT
public:
    SetupDialog(Gp2PsoBas& bas, QWidget* parent);

    QLabel* Label1;
    QLineEdit* SetupGP2DIR;
    QPushButton* Browse;
    QLabel* Label14;
    QLabel* SetupVersion;
    QGroupBox* Frame3;
    QCheckBox* SetupGp2Lap;
    QLabel* SetupGp2LapNote; // says when the game folder lacks the lap timer
    QGroupBox* Frame2;
    // Option buttons of which at most one is selected; both may be clear.
    QRadioButton* SetupDelLogFile;
    QRadioButton* SetupRenLogFile;
    QGroupBox* Frame1;
    QCheckBox* QuickUpdate;
    QCheckBox* CarSetup;
    QLabel* DosEmulatorLabel;
    QLineEdit* DosEmulator; // this machine's DOS emulator command, not a database setting
    // How DOSBox runs the game, this machine's too: CPU cycles, full screen, the CD image.
    QLabel* DosCyclesLabel;
    QLineEdit* DosCycles;
    QLabel* DosCyclesProblem; // why DOSBox would not take the text typed, under it
    QCheckBox* DosFullScreen;
    QLabel* CdImageLabel;
    QLineEdit* CdImage;
    QPushButton* CdImageBrowse;
    // How many changes the backups keep, and how many megabytes they may take (this machine's).
    QLabel* BackupCountLabel;
    QSpinBox* BackupCount;
    QLabel* BackupMegabytesLabel;
    QSpinBox* BackupMegabytes;
    // The program's language (this machine's): Automatic or one of the languages by their code.
    QLabel* LanguageLabel;
    QComboBox* Language;
    QLabel* LanguageNote; // the choice takes effect at the next start
    QPushButton* Ok;
    QPushButton* Cancel;

    // Loads the controls from the game folder, the edition and the settings row. Runs each
    // time the dialog is shown.
    void Form_Activate();
    void SetupGp2Lap_Click();
    void SetupDelLogFile_Click();
    void SetupRenLogFile_Click();
    void SetupGP2DIR_LostFocus();
    void DosCycles_Change(); // the reason under the field follows the text
    void Browse_Click();
    void CdImageBrowse_Click(); // a .cue or .iso, through the file dialog
    void Ok_Click();
    void Cancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void wireHandlers();
    void showLapTimerNote(); // for the game folder in bas_.Gp2Dir
    Gp2PsoBas& bas_;
    QString shownEmulator_; // as shown on activation: only a change is stored
};

} // namespace pistaro
