#include "app/main_window.h"

#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "platform/shown_text.h"
#include "platform/text_editor.h"

#include "app/control_tips.h"
#include "app/history_dialog.h"
#include "app/restore_command.h"
#include "app/status_window.h"
#include "app/text_viewer.h"
#include "app/waiting_bar.h"
#include "health/ui/circuit_fixes.h"
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
#include "ui/tab_chain.h"
#include "ui/tight_layout.h"
#include "ui/window_keys.h"
#include "ui/window_size.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
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
    Installing->circuitsArrived = [this](gamebackup::Backup& backup, const QString& command) {
        return Packs->circuitsArrived(backup, command);
    };
    Fixes = new CircuitFixes(*this, *Panel, *Lists, *Slots, *Installing, this);
    Setups = new SetupTransfer(*this, *Panel, *Lists, *Slots, central);
    LapLog = new LogImport(*this, *Panel, *Lists, central);
    Launching = new Launcher(*this, *Panel, *Setups, *LapLog, central);
    Setting = new LapTimeDatabase(*this, this);
    Databases = new DatabaseList(*this, *Setting, central);
    Frame4 = named(new QGroupBox(tr("Time Database:"), central), "Frame4");
    commands_ = new QWidget(central);
    Exit = named(new QPushButton(tr("E&xit"), commands_), "Exit");
    Exit->setToolTip(tr("End Pistaro"));
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
    File = named(menuBar()->addMenu(tr("&File")), "File");
    Install = named(File->addAction(tr("&Install new Track")), "Install");
    InstallFolder =
        named(File->addAction(tr("Install a &Folder of Archives\u2026")), "InstallFolder");
    FileLog = named(File->addAction(tr("&Log Stats")), "FileLog");
    Repair = named(File->addAction(tr("&Defrag f1pcsvga.bin")), "Repair");
    RestoreLast = named(File->addAction(tr("&Restore last change...")), "RestoreLast");
    History = named(File->addAction(tr("&History...")), "History");
    ExportList = named(File->addAction(tr("&Export circuit list\u2026")), "ExportList");
    S3 = named(File->addSeparator(), "S3");
    FileSetup = named(File->addAction(tr("&Setup Pistaro")), "FileSetup");
    S2 = named(File->addSeparator(), "S2");
    FileExit = named(File->addAction(tr("E&xit")), "FileExit");
    TrackMenu = named(menuBar()->addMenu(tr("&Tracks")), "TrackMenu");
    TrackRescan = named(TrackMenu->addAction(tr("Resca&n")), "TrackRescan");
    TrackSaveInfo = named(TrackMenu->addAction(tr("&Update Track Info")), "TrackSaveInfo");
    TrackExport = named(TrackMenu->addAction(tr("&Export to Gp2")), "TrackExport");
    TrackLaunch = named(TrackMenu->addAction(tr("&Launch GP2")), "TrackLaunch");
    S4 = named(TrackMenu->addSeparator(), "S4");
    TrackExportPack = named(TrackMenu->addAction(tr("Export p&ack…")), "TrackExportPack");
    TrackImportPack = named(TrackMenu->addAction(tr("&Import pack…")), "TrackImportPack");
    Fixes->addTo(TrackMenu);
    Lists->addTagItemsTo(TrackMenu);
    Help = named(menuBar()->addMenu(tr("&Help")), "Help");
    Contents = named(Help->addAction(tr("&Contents")), "Contents");
    PSOHP = named(Help->addAction(tr("&Pistaro Home Page")), "PSOHP");
    S1 = named(Help->addSeparator(), "S1");
    HelpAbout = named(Help->addAction(tr("&About")), "HelpAbout");

    connect(Install, &QAction::triggered, this, GUARDED_COMMAND_FORWARD(Installing, Install_Click));
    connect(InstallFolder, &QAction::triggered, this,
            GUARDED_COMMAND_FORWARD(Installing, InstallFolder_Click));
    connect(FileLog, &QAction::triggered, this, GUARDED_COMMAND_FORWARD(Launching, FileLog_Click));
    connect(Repair, &QAction::triggered, this, GUARDED_COMMAND_FORWARD(Pictures, Repair_Click));
    connect(RestoreLast, &QAction::triggered, this, guardedCommand("RestoreLast_Click", [this] {
                RestoreLastChange(*this, *Panel, *Lists, *Packs);
            }));
    connect(History, &QAction::triggered, this, guardedCommand("History_Click", [this] {
                HistoryDialog(*this, *Panel, *Lists, *Packs, this).exec();
            }));
    connect(ExportList, &QAction::triggered, this,
            GUARDED_COMMAND_FORWARD(Lists, ExportList_Click));
    connect(FileSetup, &QAction::triggered, this,
            GUARDED_COMMAND_FORWARD(Setting, FileSetup_Click));
    // Closing is no command: asked for during one, it follows the command's end.
    connect(FileExit, &QAction::triggered, this, GUARDED_HANDLER(FileExit_Click));
    connect(Contents, &QAction::triggered, this, GUARDED_COMMAND(Contents_Click));
    connect(PSOHP, &QAction::triggered, this, GUARDED_COMMAND(PSOHP_Click));
    connect(HelpAbout, &QAction::triggered, this, GUARDED_COMMAND(HelpAbout_Click));

    // Only a home page built in is offered as one.
    connect(Help, &QMenu::aboutToShow, this,
            [this] { PSOHP->setVisible(!homePageAddress.isEmpty()); });

    // The keys: each has one owner, a menu item; the buttons' tool tips name them.
    Contents->setShortcut(QKeySequence(Qt::Key_F1));
    Install->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    FileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Exit->setToolTip(withShortcut(Exit->toolTip(), FileExit->shortcut()));
    shareCommand(TrackRescan, Packs->Import, QKeySequence(Qt::Key_F5));
    shareCommand(TrackSaveInfo, Panel->SaveInfo, QKeySequence(Qt::CTRL | Qt::Key_S));
    shareCommand(TrackExport, Exporting->Export, QKeySequence(Qt::CTRL | Qt::Key_E));
    shareCommand(TrackLaunch, Launching->Command4, QKeySequence(Qt::CTRL | Qt::Key_L));
    shareCommand(TrackExportPack, Packs->ExportPack, QKeySequence());
    shareCommand(TrackImportPack, Packs->ImportPack, QKeySequence());
    keepWindowKeys(*this);
}

void MainWindow::layoutControls() {
    // The top row: the circuit files, and the slots with the Change arrow above them (facing
    // the circuit table) and the pack row below. The slot list takes what its 16 entries need,
    // the circuit table all the rest, in width and in height.
    auto* slotColumn = new QVBoxLayout;
    slotColumn->addWidget(Packs->Change, 0, Qt::AlignLeft);
    slotColumn->addWidget(Slots);
    slotColumn->addWidget(Packs);
    slotColumn->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(Lists, 1);
    top->addLayout(slotColumn);

    // The lap times of the circuit shown, with the database they come from.
    auto* times = new QVBoxLayout(Frame4);
    times->addWidget(Panel->TimeBox);
    times->addWidget(Databases);

    auto* commands = new QVBoxLayout(commands_);
    commands->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {Packs->Import, Exporting->Export, Launching->Command4, LapLog->GetGp2Lap,
                           Setups->ImportSetups, Setups->ExportSetups, Jams->CheckJams})
        commands->addWidget(b);
    commands->addStretch();
    commands->addWidget(Exit);

    auto* grid = new QGridLayout(contents_);
    grid->addLayout(top, 0, 0, 1, 4);
    grid->addWidget(Panel, 1, 0, 2, 1);
    grid->addWidget(Frame4, 1, 1, 1, 2);
    grid->addWidget(Pictures, 2, 1, 1, 2);
    grid->addWidget(commands_, 1, 3, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 3);
    grid->setRowStretch(0, 1);
}

void MainWindow::makeRoomForTheTable(int height) {
    // What the window needs with the table a dozen rows high, measured by the layouts.
    CircuitTable* table = Lists->File1;
    const int least = table->minimumHeight();
    table->setMinimumHeight(table->heightForRows(12));
    Lists->updateGeometry();
    contents_->layout()->activate();
    const QMargins frame = assumedFrame(*this);
    const int needed = contents_->layout()->totalMinimumSize().height() +
                       menuBar()->sizeHint().height() + frame.top() + frame.bottom();
    table->setMinimumHeight(least);
    if (needed > height)
        tightenVertically(*contents_, 2);
}

void MainWindow::orderTabStops() {
    // As on screen: the circuits (with their filter), Change above the slots, the slots, the
    // packs, the track info, the lap times with their database, the menu pictures, the
    // commands.
    chainTabStops({Lists, Packs->Change, Slots, Packs, Panel, Frame4, Pictures, commands_});
}

void MainWindow::guardCommands() {
    Waiting = new WaitingBar(this);
    statusBar()->addWidget(Waiting, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setVisible(!CommandGate::instance().waitingFor().isEmpty());
    connect(&CommandGate::instance(), &CommandGate::waitingChanged, this,
            [this](const QString& program) {
                statusBar()->setVisible(!program.isEmpty());
                showTitle();
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

void MainWindow::showTitle() {
    // The database in use, and what the window waits for.
    QString title = QStringLiteral("Pistaro");
    if (!bas_.DbName.isEmpty())
        title += QStringLiteral(" - ") + shown::path(bas_.DbName);
    const QString program = CommandGate::instance().waitingFor();
    if (!program.isEmpty())
        title += QStringLiteral(" - ") + WaitingBar::waitingText(program);
    setWindowTitle(title);
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
    Slots->exportNow = [this] { Exporting->Export_Click(); };
    Databases->maySwitch = [this] { return Panel->mayLeave() && Slots->settlePending(); };
    // Archives (or folders of them) dropped on the window are installed.
    new ArchiveDrop(*Installing, this);
    connect(Databases, &DatabaseList::switched, Panel, [this] {
        Panel->refresh();
        showTitle();
    });
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
