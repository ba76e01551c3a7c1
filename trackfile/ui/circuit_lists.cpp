#include "trackfile/ui/circuit_lists.h"

#include "health/facts_cache.h"
#include "platform/folder_listing.h"
#include "platform/gamepath.h"
#include "platform/program_settings.h"
#include "storage/gp2psobas.h"
#include "trackfile/tag_store.h"
#include "trackfile/ui/circuit_table.h"
#include "ui/elided_label.h"
#include "ui/fixed_font.h"
#include "ui/named.h"
#include "ui/picture_button.h"
#include "ui/window_services.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pistaro {

namespace {
// The circuits folder listed last, and the program folder it was listed from.
const QString kLastProgramFolderKey = QStringLiteral("Startup/ProgramFolder");
const QString kLastCircuitsFolderKey = QStringLiteral("Startup/CircuitsFolder");
} // namespace

QString CircuitLists::filterHint() {
    return tr("Words found in any column, or terms such as country:italy, "
              "author:\"john doe\", laps>60, length<=4500, problems, duplicate, "
              "tag:fantasy, pack:\"Season 98\", nopack; -word or !word leaves rows "
              "out. See Help for every term.");
}

CircuitLists::CircuitLists(WindowServices& services, TrackInfoPanel& panel, QWidget* parent)
    : QWidget(parent), services_(services), panel_(panel) {
    setObjectName(QStringLiteral("CircuitLists"));
    buildWidgets();
    wireHandlers();
}

CircuitLists::~CircuitLists() = default;

void CircuitLists::setFolder(const QString& folder) {
    // The textures the circuits name lie under the game folder; what the check read is kept
    // beside the databases.
    const Gp2PsoBas& bas = services_.bas();
    File1->setHealthCheck(
        bas.Gp2Dir, bas.AppDir.isEmpty() ? QString() : health::FactsCache::fileIn(bas.AppDir));
    openTagStore();
    File1->setPath(folder);
    CircuitsFolder->setFullText(QDir::toNativeSeparators(folder));
    QSettings settings = programSettings();
    if (!bas.AppDir.isEmpty() && (settings.value(kLastProgramFolderKey) != bas.AppDir ||
                                  settings.value(kLastCircuitsFolderKey) != folder)) {
        settings.setValue(kLastProgramFolderKey, bas.AppDir);
        settings.setValue(kLastCircuitsFolderKey, folder);
    }
}

std::unique_ptr<folderlisting::ListingAhead> CircuitLists::listAhead(const QString& appDir) {
    const QSettings settings = programSettings();
    const QString folder = settings.value(kLastCircuitsFolderKey).toString();
    if (folder.isEmpty() || settings.value(kLastProgramFolderKey).toString() != appDir)
        return nullptr;
    return std::make_unique<folderlisting::ListingAhead>(folder, gamepath::circuitFiles());
}

void CircuitLists::buildWidgets() {
    const QFont fixed = evenFixedFont();
    // The filter first: it sits above the list and comes before it in the Tab order.
    CircuitFilter = named(new QLineEdit(this), "CircuitFilter");
    CircuitFilter->setPlaceholderText(tr("Filter circuits"));
    addClearButton(CircuitFilter);
    CircuitFilter->setToolTip(filterHint());
    FilterProblem =
        named(CircuitFilter->addAction(stylePicture(style(), QStyle::SP_MessageBoxWarning),
                                       QLineEdit::TrailingPosition),
              "FilterProblem");
    FilterProblem->setVisible(false);
    File1 = named(new CircuitTable(gamepath::circuitFiles(), this), "File1");
    File1->setFont(fixed);
    CircuitCount = named(new QLabel(this), "CircuitCount");
    Label10 = named(new QLabel(tr("Circuits Directory:"), this), "Label10");
    CircuitsFolder = named(new ElidedLabel(this), "CircuitsFolder");
    Frame1 = named(new QGroupBox(this), "Frame1");
    ACir = named(new QPushButton(tr("A&vailable Circuits"), Frame1), "ACir");
    FileClick = named(new QMenu(QStringLiteral("FileClick"), this), "FileClick");
    Rename = named(FileClick->addAction(tr("&Rename")), "Rename");
    Delete = named(FileClick->addAction(tr("&Delete")), "Delete");
    FileClick->addSeparator();
    AddTags = named(FileClick->addAction(tr("Add &tags\u2026")), "AddTags");
    RemoveTags = named(FileClick->addAction(tr("Remo&ve tags\u2026")), "RemoveTags");

    // A frame without a line: the button sits in the filter row and takes no row of its own,
    // which the table's rows need on a short screen.
    Frame1->setFlat(true);
    auto* f1 = new QHBoxLayout(Frame1);
    f1->setContentsMargins(0, 0, 0, 0);
    f1->addWidget(ACir);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* folder = new QHBoxLayout;
    folder->addWidget(Label10);
    folder->addWidget(CircuitsFolder, 1);
    column->addLayout(folder);
    // The count beside the filter: what the filter leaves of the whole is read in one look,
    // and the table keeps its rows.
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(CircuitFilter, 1);
    filterRow->addWidget(CircuitCount);
    filterRow->addWidget(Frame1);
    column->addLayout(filterRow);
    column->addWidget(File1, 1);
}

} // namespace pistaro
