#include "trackfile/ui/circuit_lists.h"

#include "trackfile/ui/circuit_table.h"
#include "ui/fixed_font.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace pistaro {

CircuitLists::CircuitLists(WindowServices& services, TrackInfoPanel& panel, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel) {
    setObjectName(QStringLiteral("CircuitLists"));
    buildWidgets(parent);
    wireHandlers();
}

void CircuitLists::buildWidgets(QWidget* parent) {
    const QFont fixed = evenFixedFont();
    // The filter first: it sits above the list and comes before it in the Tab order.
    CircuitFilter = named(new QLineEdit(parent), "CircuitFilter");
    CircuitFilter->setPlaceholderText(QStringLiteral("Filter circuits"));
    CircuitFilter->setClearButtonEnabled(true);
    File1 = named(new CircuitTable(QStringLiteral("*.DAT"), parent), "File1");
    File1->setFont(fixed);
    Label10 = named(new QLabel(QStringLiteral("Circuits Directory:"), parent), "Label10");
    ACir = named(new QPushButton(QStringLiteral("A&vailable Circuits"), parent), "ACir");
    FileClick = named(new QMenu(QStringLiteral("FileClick"), parent), "FileClick");
    Rename = named(FileClick->addAction(QStringLiteral("Rename")), "Rename");
    Delete = named(FileClick->addAction(QStringLiteral("Delete")), "Delete");
}

} // namespace pistaro
