// The circuit browser's filter and double-click: the query typed narrows File1, a circuit
// double-clicked is offered to the slots; the columns follow the catalogue when a record is
// shown or stored; the list as shown is exported as CSV.
#include "trackfile/ui/circuit_lists.h"

#include "platform/guarded.h"
#include "storage/catalogue_names.h"
#include "storage/gp2psobas.h"
#include "storage/record_lookup.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/table_csv.h"
#include "ui/window_services.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QShortcut>

namespace pistaro {

void CircuitLists::wireBrowser() {
    File1->catalogueReader = [this] {
        return circuitcolumns::readCatalogueValues(
            catalogue::requireOpen(services_.bas().TracksRs, catalogue::Tracks));
    };
    connect(
        CircuitFilter, &QLineEdit::textChanged, this,
        guarded("CircuitFilter_Change", [this](const QString& typed) { filterChanged(typed); }));
    CircuitFilter->installEventFilter(this);
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), File1->parentWidget());
    connect(find, &QShortcut::activated, CircuitFilter, [this] {
        CircuitFilter->setFocus(Qt::ShortcutFocusReason);
        CircuitFilter->selectAll();
    });
    connect(File1, &QAbstractItemView::doubleClicked, this, guarded("File1_DblClick", [this] {
                if (!File1->isHidden() && !File1->selectedName().isEmpty())
                    emit circuitActivated();
            }));
    // A record shown or stored may have changed the catalogue or the file's block.
    connect(&panel_, &TrackInfoPanel::trackShown, this,
            guarded("File1_Columns", [this](const QString& path) {
                const QFileInfo current(path);
                const bool inList = QDir::toNativeSeparators(current.path()) == File1->path();
                File1->catalogueChanged(inList ? current.fileName() : QString());
            }));
}

void CircuitLists::ExportList_Click() {
    exportCsv(services_.dialogs(), *File1, tr("Export circuit list"),
              QDir::home().filePath(QStringLiteral("circuits.csv")));
}

void CircuitLists::filterChanged(const QString& typed) {
    File1->setFilterText(typed);
    const QStringList& problems = File1->filterProblems();
    const QString why =
        problems.isEmpty()
            ? QString()
            : tr("Not understood, so not used:\n%1").arg(problems.join(QLatin1Char('\n')));
    FilterProblem->setVisible(!problems.isEmpty());
    FilterProblem->setToolTip(why);
    CircuitFilter->setToolTip(problems.isEmpty() ? filterHint() : why);
}

} // namespace pistaro
