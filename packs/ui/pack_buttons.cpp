// Construction of the export, installation and texture concerns' controls.
#include "packs/ui/exporter.h"
#include "packs/ui/installer.h"
#include "packs/ui/textures.h"

#include "platform/guarded.h"
#include "ui/file_list_box.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QListWidget>
#include <QPushButton>

Exporter::Exporter(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                   MenuPictures& pictures, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), lists_(lists), pictures_(pictures) {
    setObjectName(QStringLiteral("Exporter"));
    Export = named(new QPushButton(QStringLiteral("&Export to Gp2"), parent), "Export");
    Export->setToolTip(QStringLiteral("Export circuits to Gp2"));
    connect(Export, &QPushButton::clicked, this, GUARDED_HANDLER(Export_Click));
}

Installer::Installer(WindowServices& services, TrackInfoPanel& panel, CircuitLists& lists,
                     MenuPictures& pictures, Textures& textures, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel), lists_(lists), pictures_(pictures),
      textures_(textures) {
    setObjectName(QStringLiteral("Installer"));
    ZipDir = named(new FileListBox(QStringLiteral("*"), parent), "ZipDir");
    ZipDir->hide();
}

Textures::Textures(WindowServices& services, TrackInfoPanel& panel, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel) {
    setObjectName(QStringLiteral("Textures"));
    CheckJams = named(new QPushButton(QStringLiteral("Check &Jams"), parent), "CheckJams");
    CheckJams->setToolTip(QStringLiteral("Change Track"));
    CheckJams->setEnabled(false);
    connect(CheckJams, &QPushButton::clicked, this, GUARDED_HANDLER(CheckJams_Click));
    JamList = named(new QListWidget(parent), "JamList");
    JamList->hide();
}
