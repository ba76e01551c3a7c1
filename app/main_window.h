#pragma once
// Gp2PsoFrm, the main window "Pistaro": it composes one object per concern, lays out their
// controls, holds the menus, and forwards what one concern asks of another (MainForm).
#include "app/help_page.h"
#include "ui/main_form.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class CircuitLists;
class DatabaseList;
class Exporter;
class Installer;
class LapTimeTable;
class Launcher;
class LogImport;
class MenuPictures;
class PackControls;
class Recording;
class SetupTransfer;
class Settings;
class Textures;
class TrackInfoPanel;
class View;

class Gp2PsoFrm final : public QMainWindow, public MainForm {
    Q_OBJECT
public:
    // `bas` must outlive the window; bas.dialogs and bas.AppDir must be set.
    explicit Gp2PsoFrm(Gp2PsoBas& bas, QWidget* parent = nullptr);
    ~Gp2PsoFrm() override;

    // Start-up: the load steps, with the command line's arguments (without the program name).
    void Form_Load(const QStringList& arguments);
    // Shut-down: the unload steps (settings, databases, secondary windows, Packs.txt).
    void Form_Unload();

    // The concerns.
    TrackInfoPanel* Panel;
    CircuitLists* Lists;
    PackControls* Packs;
    MenuPictures* Pictures;
    Exporter* Exporting;
    Installer* Installing;
    Textures* Jams;
    SetupTransfer* Setups;
    LogImport* LapLog;
    Launcher* Launching;
    DatabaseList* Databases;
    Settings* Setting;

    // Controls of the window itself.
    QGroupBox* Frame1; // (no caption)
    QGroupBox* Frame4; // "Time Database:"
    QPushButton* Exit; // "E&xit"

    QMenu* File;
    QAction* Install;
    QAction* FileLog;
    QAction* Repair;
    QAction* RestoreLast; // "&Restore last change..."
    QAction* S3;
    QAction* FileSetup;
    QAction* S2;
    QAction* FileExit;
    QMenu* Help;
    QAction* Contents;
    QAction* PSOHP;
    QAction* S1;
    QAction* HelpAbout;

    // Opens files and addresses; tests replace it to record what would be opened.
    std::function<void(const QString&)> desktopOpener;
    std::function<void(const QString&)> textEditorOpener; // the same for text files
    // The home page of Help and About; without one they open the local help page.
    QString homePageAddress = builtHomePage();
    QString homePageTarget() const;

    // MainForm
    Gp2PsoBas& bas() override { return bas_; }
    QWidget* window() override { return this; }
    Dialogs& dialogs() override { return *bas_.dialogs; }
    StatusSink& status() override;
    TrackInfoPanel& panel() override { return *Panel; }
    CircuitLists& lists() override { return *Lists; }
    void GetInfo() override;
    void GetInfoSet() override;
    void UpdateRecord() override;
    void Clean() override;
    void CheckChange() override;
    void InfoOn() override;
    void InfoOff() override;
    QLineEdit* menuPictureField(int which) override;
    void GetBmp() override;
    void UpdateMaps() override;
    void clearPreviews() override;
    void showPictureView(const QPixmap& picture) override;
    void enableMenuPictureControls(bool importToo) override;
    Textures& textures() override { return *Jams; }
    void enableChange(bool on) override;
    void enableCheckJams(bool on) override;
    void ImportSetups() override;
    void ExportSetups() override;
    void ImportLog() override;
    RecordingView& recordingWindow() override;
    void showLogStats(const QString& execution, const QString& firstUse, const QString& lastUse,
                      qint64 secondsRunning) override;
    void DbOpen(const QString& name) override;
    void DbClose() override;
    void UpdateDbList() override;
    QString dbComboText() override;
    void showLapTimeTable() override;
    void showText(const QString& text) override;
    void openWithDesktop(const QString& fileOrUrl) override;
    void openInTextEditor(const QString& file) override;

    // Handlers of the window's own menu items and keys.
    void Exit_Click();
    void FileExit_Click();
    void Contents_Click();
    void PSOHP_Click();
    void HelpAbout_Click();

    // True once the unload steps ran (closing twice runs them once).
    bool unloaded() const { return unloaded_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();
    void layoutControls();
    void openMapsDatabase();
    Gp2PsoBas& bas_;
    bool unloaded_ = false;
    View* pictureView_ = nullptr;    // made on first use
    Recording* recording_ = nullptr; // made on first use
};
