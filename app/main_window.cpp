#include "app/main_window.h"

#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "platform/text_editor.h"

#include "app/control_tips.h"
#include "app/history_dialog.h"
#include "app/restore_command.h"
#include "app/status_window.h"
#include "app/text_viewer.h"
#include "app/waiting_bar.h"
#include "laptimes/ui/lap_time_table.h"
#include "laptimes/ui/launcher.h"
#include "laptimes/ui/log_import.h"
#include "packs/ui/archive_drop.h"
#include "packs/ui/exporter.h"
#include "packs/ui/installer.h"
#include "packs/ui/menu_pictures.h"
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "packs/ui/textures.h"
#include "setups/ui/setup_transfer.h"
#include "storage/ui/database_list.h"
#include "storage/ui/lap_time_database.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/command_input_filter.h"
#include "ui/fitting_scroll_area.h"
#include "ui/named.h"
#include "ui/shared_command.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace pistaro {

MainWindow::MainWindow(Gp2PsoBas& bas, QWidget* parent) : QMainWindow(parent), bas_(bas) {
    setObjectName(QStringLiteral("Gp2PsoFrm"));
    setWindowTitle(QStringLiteral("Pistaro"));
    desktopOpener = [](const QString& target) {
        const QUrl url =
            target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
        QDesktopServices::openUrl(url);
    };
    textEditorOpener = [](const QString& file) { return texteditor::open(file); };
    auto* central = new QWidget;
    contents_ = central;
    setCentralWidget(new FittingScrollArea(central, this));
    // Each concern is made after the ones it reads; the order also gives the tab order.
    Panel = new TrackInfoPanel(*this, central);
    Lists = new CircuitLists(*this, *Panel, central);
    Slots = new SlotList(*this, *Panel, *Lists, central);
    Packs = new PackControls(*this, *Panel, *Lists, *Slots, central);
    Pictures = new MenuPictures(*this, *Panel, *Slots, central);
    Exporting = new Exporter(*this, *Lists, *Slots, central);
    Jams = new Textures(*this, *Panel, central);
    Installing = new Installer(*this, *Panel, *Lists, *Pictures, *Jams, central);
    Setups = new SetupTransfer(*this, *Panel, *Lists, *Slots, central);
    LapLog = new LogImport(*this, *Panel, *Lists, central);
    Launching = new Launcher(*this, *Panel, *Setups, *LapLog, central);
    Setting = new LapTimeDatabase(*this, this);
    Databases = new DatabaseList(*this, *Setting, central);
    Frame1 = named(new QGroupBox(central), "Frame1");
    Frame4 = named(new QGroupBox(QStringLiteral("Time Database:"), central), "Frame4");
    Exit = named(new QPushButton(QStringLiteral("E&xit"), central), "Exit");
    Exit->setToolTip(QStringLiteral("End Pistaro"));
    connect(Exit, &QPushButton::clicked, this, GUARDED_HANDLER(Exit_Click));
    wireConcerns();
    buildMenus();
    explainControls(*this); // after the keys are in the tips
    layoutControls();
    orderTabStops();
    guardCommands();
    // Takes its preferred size now, so the start-up can place it by its real size.
    resize(sizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    File = named(menuBar()->addMenu(QStringLiteral("&File")), "File");
    Install = named(File->addAction(QStringLiteral("&Install new Track")), "Install");
    FileLog = named(File->addAction(QStringLiteral("&Log Stats")), "FileLog");
    Repair = named(File->addAction(QStringLiteral("&Defrag f1pcsvga.bin")), "Repair");
    RestoreLast = named(File->addAction(QStringLiteral("&Restore last change...")), "RestoreLast");
    History = named(File->addAction(QStringLiteral("&History...")), "History");
    S3 = named(File->addSeparator(), "S3");
    FileSetup = named(File->addAction(QStringLiteral("&Setup Pistaro")), "FileSetup");
    S2 = named(File->addSeparator(), "S2");
    FileExit = named(File->addAction(QStringLiteral("E&xit")), "FileExit");
    TrackMenu = named(menuBar()->addMenu(QStringLiteral("&Tracks")), "TrackMenu");
    TrackRescan = named(TrackMenu->addAction(QStringLiteral("Resca&n")), "TrackRescan");
    TrackSaveInfo =
        named(TrackMenu->addAction(QStringLiteral("&Update Track Info")), "TrackSaveInfo");
    TrackExport = named(TrackMenu->addAction(QStringLiteral("&Export to Gp2")), "TrackExport");
    TrackLaunch = named(TrackMenu->addAction(QStringLiteral("&Launch GP2")), "TrackLaunch");
    Help = named(menuBar()->addMenu(QStringLiteral("&Help")), "Help");
    Contents = named(Help->addAction(QStringLiteral("&Contents")), "Contents");
    PSOHP = named(Help->addAction(QStringLiteral("&Pistaro Home Page")), "PSOHP");
    S1 = named(Help->addSeparator(), "S1");
    HelpAbout = named(Help->addAction(QStringLiteral("&About")), "HelpAbout");

    connect(Install, &QAction::triggered, this, GUARDED_COMMAND_FORWARD(Installing, Install_Click));
    connect(FileLog, &QAction::triggered, this, GUARDED_COMMAND_FORWARD(Launching, FileLog_Click));
    connect(Repair, &QAction::triggered, this, GUARDED_COMMAND_FORWARD(Pictures, Repair_Click));
    connect(RestoreLast, &QAction::triggered, this, guardedCommand("RestoreLast_Click", [this] {
                RestoreLastChange(*this, *Panel, *Lists, *Packs);
            }));
    connect(History, &QAction::triggered, this, guardedCommand("History_Click", [this] {
                HistoryDialog(*this, *Panel, *Lists, *Packs, this).exec();
            }));
    connect(FileSetup, &QAction::triggered, this,
            GUARDED_COMMAND_FORWARD(Setting, FileSetup_Click));
    // Closing is no command: asked for during one, it follows the command's end.
    connect(FileExit, &QAction::triggered, this, GUARDED_HANDLER(FileExit_Click));
    connect(Contents, &QAction::triggered, this, GUARDED_COMMAND(Contents_Click));
    connect(PSOHP, &QAction::triggered, this, GUARDED_COMMAND(PSOHP_Click));
    connect(HelpAbout, &QAction::triggered, this, GUARDED_COMMAND(HelpAbout_Click));

    // The keys: each has one owner, a menu item; the buttons' tool tips name them.
    Install->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    FileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Exit->setToolTip(withShortcut(Exit->toolTip(), FileExit->shortcut()));
    shareCommand(TrackRescan, Packs->Import, QKeySequence(Qt::Key_F5));
    shareCommand(TrackSaveInfo, Panel->SaveInfo, QKeySequence(Qt::CTRL | Qt::Key_S));
    shareCommand(TrackExport, Exporting->Export, QKeySequence(Qt::CTRL | Qt::Key_E));
    shareCommand(TrackLaunch, Launching->Command4, QKeySequence(Qt::CTRL | Qt::Key_L));
}

void MainWindow::layoutControls() {
    auto* grid = new QGridLayout(contents_);

    // Circuit files, the Change arrow, the slotColumn and the packs.
    auto* files = new QVBoxLayout;
    files->addWidget(Lists->Label10);
    files->addWidget(Lists->CircuitFilter);
    files->addWidget(Lists->File1, 1);
    auto* f1 = new QHBoxLayout(Frame1);
    f1->setContentsMargins(4, 4, 4, 4);
    f1->addWidget(Lists->ACir);
    files->addWidget(Frame1);

    auto* change = new QVBoxLayout;
    change->addStretch();
    change->addWidget(Packs->Change);
    change->addStretch();

    // The slot list shows all 16 slots without scrolling.
    QListWidget* slotList = Slots->List1;
    slotList->addItem(QStringLiteral("00"));
    slotList->setMinimumHeight(slotList->sizeHintForRow(0) * 16 + 2 * slotList->frameWidth());
    delete slotList->takeItem(0);
    // ... and an entry whole: slot number, track name in 30 characters, a usual country.
    slotList->setMinimumWidth(
        slotList->fontMetrics().horizontalAdvance(QString(3 + 30 + 1 + 14, QLatin1Char('W'))) +
        2 * slotList->frameWidth() + slotList->verticalScrollBar()->sizeHint().width());
    auto* slotColumn = new QVBoxLayout;
    slotColumn->addWidget(slotList, 1);
    auto* pack = new QHBoxLayout;
    pack->addWidget(Packs->Label200);
    pack->addWidget(Packs->SelectedPack, 1);
    pack->addWidget(Packs->UpdTp);
    pack->addWidget(Packs->SavePack);
    pack->addWidget(Packs->DeletePack);
    slotColumn->addLayout(pack);

    // The top row is not tied to the columns below it: the circuit browser takes the width its
    // columns want, the slot list what its entries need.
    auto* top = new QHBoxLayout;
    top->addLayout(files, 3);
    top->addLayout(change);
    top->addLayout(slotColumn, 2);
    grid->addLayout(top, 0, 0, 1, 4);

    // Track info, lap times with the database selector, menu pictures, commands.
    grid->addWidget(Panel->Frame3, 1, 0, 2, 1);
    auto* f4 = new QGridLayout(Frame4);
    f4->addWidget(Panel->TimeBox, 0, 0, 1, 6);
    f4->addWidget(Databases->DbCombo, 1, 0, 1, 2);
    f4->addWidget(Databases->ViewDatabase, 1, 2);
    f4->addWidget(Databases->NewDatabase, 1, 3);
    f4->addWidget(Databases->DeleteDatabase, 1, 4);
    f4->addWidget(Databases->SaveDatabase, 1, 5);
    grid->addWidget(Frame4, 1, 1, 1, 2);
    grid->addWidget(Pictures->Frame7, 2, 1, 1, 2);

    auto* commands = new QVBoxLayout;
    for (QPushButton* b : {Packs->Import, Exporting->Export, Launching->Command4, LapLog->GetGp2Lap,
                           Setups->ImportSetups, Setups->ExportSetups, Jams->CheckJams})
        commands->addWidget(b);
    commands->addStretch();
    commands->addWidget(Exit);
    grid->addLayout(commands, 1, 3, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 3);
    grid->setRowStretch(0, 1);
}

void MainWindow::orderTabStops() {
    // As on screen: the circuits (with their filter), the slots and packs, the track info,
    // the lap times with their database, the menu pictures, the commands. A name missing
    // from the window is passed over.
    static const char* const order[] = {
        "CircuitFilter", "File1",          "ACir",        "List1",          "Change",
        "SelectedPack",  "UpdTp",          "SavePack",    "DeletePack",     "Track",
        "Country",       "EventName",      "Author",      "Adjective",      "Description",
        "Laps",          "Length",         "Slot",        "Tyre",           "OpenInfo",
        "SaveInfo",      "WuTime",         "PTime",       "QTime",          "RTime",
        "DbCombo",       "ViewDatabase",   "NewDatabase", "DeleteDatabase", "SaveDatabase",
        "MenuPicture",   "ImportPicture",  "Browse",      "Make",           "Clear",
        "MenuPicture2",  "ImportPicture2", "Browse2",     "Make2",          "Clear2",
        "Import",        "Export",         "Command4",    "GetGp2Lap",      "ImportSetups",
        "ExportSetups",  "CheckJams",      "Exit"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        QWidget* w = contents_->findChild<QWidget*>(QString::fromLatin1(name));
        if (!w)
            continue;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

void MainWindow::guardCommands() {
    Waiting = new WaitingBar(this);
    statusBar()->addWidget(Waiting, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setVisible(!CommandGate::instance().waitingFor().isEmpty());
    connect(&CommandGate::instance(), &CommandGate::waitingChanged, this,
            [this](const QString& program) {
                statusBar()->setVisible(!program.isEmpty());
                setWindowTitle(program.isEmpty() ? QStringLiteral("Pistaro")
                                                 : QStringLiteral("Pistaro - ") +
                                                       WaitingBar::waitingText(program));
            });
    auto* filter = new CommandInputFilter(this);
    // The Stop button ends what is waited for; Exit and the menus (whose commands the gate
    // refuses) ask to close, which waits for the command.
    filter->allow(Waiting->StopProgram);
    filter->allow(Exit);
    filter->allow(menuBar());
    connect(&CommandGate::instance(), &CommandGate::idle, this, [this] {
        if (closePending_)
            QTimer::singleShot(0, this, [this] {
                if (!CommandGate::instance().busy())
                    close();
            });
    });
}

StatusSink& MainWindow::status() {
    if (bas_.status)
        return *bas_.status;
    return StatusWindow::instance();
}

void MainWindow::wireConcerns() {
    connect(Panel, &TrackInfoPanel::menuPicturesRead, this,
            [this](const QString& large, const QString& small) {
                Pictures->MenuPicture->setText(large);
                Pictures->MenuPicture2->setText(small);
            });
    connect(Panel, &TrackInfoPanel::trackShown, this, [this](const QString&) {
        ignoreFailure("showing the menu pictures", [&] { Pictures->GetBmp(); });
    });
    connect(Panel, &TrackInfoPanel::cleared, this, [this] {
        Pictures->MenuPicture->clear();
        Pictures->MenuPicture2->clear();
        ignoreFailure("clearing the menu pictures", [&] { Pictures->clearPreviews(); });
    });
    connect(Panel, &TrackInfoPanel::circuitPicked, this, [this] {
        Packs->Change->setEnabled(Slots->selectedSlot() != 0);
        Jams->CheckJams->setEnabled(true);
    });
    const auto selected = [this](const QString&, bool fromSlot) {
        Pictures->enableControls(fromSlot);
    };
    connect(Lists, &CircuitLists::circuitSelected, this, selected);
    connect(Slots, &SlotList::circuitSelected, this, selected);
    connect(Slots, &SlotList::changeRequested, this, GUARDED_COMMAND_FORWARD(Packs, Change_Click));
    // A ZIP file dropped on the window is installed.
    new ArchiveDrop(*Installing, this);
    connect(Databases, &DatabaseList::switched, Panel, [this] { Panel->refresh(); });
    connect(Databases, &DatabaseList::viewRequested, this,
            guardedCommand("ViewDatabase_Click", [this] { showLapTimeTable(); }));
}

void MainWindow::ImportLog() {
    LapLog->Import();
}
void MainWindow::ImportSetups() {
    Setups->Import();
}
QLineEdit* MainWindow::menuPictureField(int which) {
    return Pictures->field(which);
}

void MainWindow::showLapTimeTable() {
    LapTimeTable grid(*this, Databases->DbCombo->currentText(), this);
    grid.load();
    grid.exec();
}

void MainWindow::showText(const QString& text) {
    ShowText(text, this);
}

void MainWindow::openWithDesktop(const QString& fileOrUrl) {
    if (desktopOpener)
        desktopOpener(fileOrUrl);
}

bool MainWindow::openInTextEditor(const QString& file) {
    return textEditorOpener && textEditorOpener(file);
}

} // namespace pistaro
