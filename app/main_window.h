#pragma once
// Gp2PsoFrm, the main window "Pistaro": it composes one part per concern, places the parts
// (each lays out its own controls), holds the menus, serves the window services and connects each
// concern's "something changed" signals to the concerns that follow them.
#include "app/help_page.h"
#include "ui/window_services.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace pistaro {

class CircuitLists;
class SlotList;
class DatabaseList;
class HelpWindow;
class Exporter;
class Installer;
class CircuitFixes;
class LapTimeTable;
class Launcher;
class LogImport;
class MenuPictures;
class PackControls;
class SetupTransfer;
class LapTimeDatabase;
class Textures;
class TrackInfoPanel;
class WaitingBar;

class MainWindow final : public QMainWindow, public WindowServices {
    Q_OBJECT
public:
    // `bas` must outlive the window; bas.dialogs and bas.AppDir must be set.
    explicit MainWindow(Gp2PsoBas& bas, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: the load steps, with the command line's arguments (without the program name).
    void Form_Load(const QStringList& arguments);
    // Shut-down: the unload steps (settings, databases, secondary windows, Packs.txt).
    void Form_Unload();

    // The concerns.
    TrackInfoPanel* Panel;
    CircuitLists* Lists;
    SlotList* Slots;
    PackControls* Packs;
    MenuPictures* Pictures;
    Exporter* Exporting;
    Installer* Installing;
    CircuitFixes* Fixes; // the Status column's fixes, in File1's popup and the Tracks menu
    Textures* Jams;
    SetupTransfer* Setups;
    LogImport* LapLog;
    Launcher* Launching;
    DatabaseList* Databases;
    LapTimeDatabase* Setting;

    // Controls of the window itself.
    QGroupBox* Frame4;   // "Time Database:"
    QPushButton* Exit;   // "E&xit"
    WaitingBar* Waiting; // at the foot while a command waits for an outside program

    QMenu* File;
    QAction* Install;
    QAction* InstallFolder; // "Install a Folder of Archives…"
    QAction* FileLog;
    QAction* Repair;
    QAction* RestoreLast; // "&Restore last change..."
    QAction* History;     // "&History...": the kept changes, each of which can be reverted
    QAction* ExportList;  // "&Export circuit list…": the circuit table as shown, as CSV
    QAction* S3;
    QAction* FileSetup;
    QAction* S2;
    QAction* FileExit;
    QMenu* TrackMenu; // "&Tracks": the commands that have a key of their own
    QAction* TrackRescan;
    QAction* TrackSaveInfo;
    QAction* TrackExport;
    QAction* TrackLaunch;
    QAction* S4;
    QAction* TrackExportPack; // "Export pack…", shared with the pack row's button
    QAction* TrackImportPack; // "Import pack…"
    QMenu* Help;
    QAction* Contents;
    QAction* PSOHP;
    QAction* S1;
    QAction* HelpAbout;
    HelpWindow* Helper = nullptr; // the help page's window, made when first asked for

    // Opens files and addresses; tests replace it to record what would be opened.
    std::function<void(const QString&)> desktopOpener;
    // The same for text files; false when no application took the file.
    std::function<bool(const QString&)> textEditorOpener;
    // The home page of Help and About. Without one the Help menu hides its item and About
    // names no link: the local help page is no home page.
    QString homePageAddress = builtHomePage();

    // WindowServices
    Gp2PsoBas& bas() override { return bas_; }
    QWidget* window() override { return this; }
    Dialogs& dialogs() override { return *bas_.dialogs; }
    StatusSink& status() override;
    void showText(const QString& text) override;
    void openWithDesktop(const QString& fileOrUrl) override;
    bool openInTextEditor(const QString& file) override;

    // Shortcuts into the concerns, for callers outside the window.
    void ImportLog();
    void ImportSetups();
    QLineEdit* menuPictureField(int which); // 1: 640x480, 2: 440x330
    // The window "Lap Time Table" (modal) of the database DbCombo names.
    void showLapTimeTable();

    // Handlers of the window's own menu items and keys.
    void Exit_Click();
    void FileExit_Click();
    void Contents_Click();
    void PSOHP_Click();
    void HelpAbout_Click();

    // The widget that holds every control; it scrolls in the window when the window is smaller
    // than the controls' preferred size.
    QWidget* contents() const { return contents_; }

    // True once the unload steps ran (closing twice runs them once).
    bool unloaded() const { return unloaded_; }
    // True while a close asked for during a command waits for the command to end.
    bool closePending() const { return closePending_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    // "Pistaro - <database>", and what the window waits for.
    void showTitle();
    void layoutControls();
    // On a screen of `height` too short for the usual gaps and a dozen rows of circuits (a
    // laptop at 125 %), the gaps go to the circuit table.
    void makeRoomForTheTable(int height);
    // The Tab key goes through the controls as they stand on screen.
    void orderTabStops();
    // Connects what one concern tells to the concerns that follow it.
    void wireConcerns();
    void openMapsDatabase();
    // The commands run one at a time: input during one is dropped, a close waits for its end.
    void guardCommands();
    Gp2PsoBas& bas_;
    QWidget* contents_;
    QWidget* commands_; // the command column
    bool unloaded_ = false;
    bool closePending_ = false;
};

} // namespace pistaro
