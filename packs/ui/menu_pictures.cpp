#include "packs/ui/menu_pictures.h"

#include "ui/named.h"
#include "ui/window_services.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pistaro {

MenuPictures::MenuPictures(WindowServices& services, TrackInfoPanel& panel, SlotList& slotList,
                           QWidget* parent)
    : QWidget(parent), services_(services), panel_(panel), slotList_(slotList) {
    setObjectName(QStringLiteral("MenuPictures"));
    buildWidgets();
    wireHandlers();
}

void MenuPictures::buildWidgets() {
    Frame7 = named(new QGroupBox(tr("Menu Picture "), this), "Frame7");
    Label17 = named(new QLabel(tr("Menu Picture 640x480 :"), Frame7), "Label17");
    Label11 = named(new QLabel(tr("Menu Picture 440x330:"), Frame7), "Label11");
    MenuPicture = named(new QLineEdit(Frame7), "MenuPicture");
    MenuPicture2 = named(new QLineEdit(Frame7), "MenuPicture2");
    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = named(new QPushButton(caption, Frame7), name);
        if (!tip.isEmpty())
            b->setToolTip(tip);
        return b;
    };
    Browse = button("Browse", tr("&Browse"), tr("Browse Menu Picture"));
    Browse2 = button("Browse2", tr("Bro&wse"), tr("Browse Menu Picture"));
    ImportPicture =
        button("ImportPicture", tr("&Import Menu Picture"), tr("Import Menu Picture from Gp2"));
    ImportPicture2 =
        button("ImportPicture2", tr("Import Menu &Picture"), tr("Import Menu Picture from Gp2"));
    Make = button("Make", tr("&Make"), QString());
    Make2 = button("Make2", tr("Ma&ke"), QString());
    Clear = button("Clear", tr("Cle&ar"), tr("Clear Menu Picture"));
    Clear2 = button("Clear2", tr("Clea&r"), tr("Clear Menu Picture"));
    auto makePreview = [this](const char* name) {
        auto* p = named(new QLabel(Frame7), name);
        p->setFixedSize(128, 96); // 4:3, as the pictures
        p->setScaledContents(true);
        p->setFrameShape(QFrame::Box);
        return p;
    };
    Picture1 = makePreview("Picture1");
    Picture2 = makePreview("Picture2");

    auto* g = new QGridLayout(Frame7);
    int col = 0;
    for (int which = 1; which <= 2; ++which, col += 2) {
        g->addWidget(which == 1 ? Label17 : Label11, 0, col, 1, 2);
        g->addWidget(field(which), 1, col, 1, 2);
        g->addWidget(preview(which), 2, col, 4, 1);
        g->addWidget(which == 1 ? ImportPicture : ImportPicture2, 2, col + 1);
        g->addWidget(which == 1 ? Browse : Browse2, 3, col + 1);
        g->addWidget(which == 1 ? Make : Make2, 4, col + 1);
        g->addWidget(which == 1 ? Clear : Clear2, 5, col + 1);
    }
    auto* own = new QVBoxLayout(this);
    own->setContentsMargins(0, 0, 0, 0);
    own->addWidget(Frame7);
}

void MenuPictures::enableControls(bool importToo) {
    for (QWidget* w : {static_cast<QWidget*>(MenuPicture), static_cast<QWidget*>(Browse),
                       static_cast<QWidget*>(Clear), static_cast<QWidget*>(MenuPicture2),
                       static_cast<QWidget*>(Browse2), static_cast<QWidget*>(Clear2)})
        w->setEnabled(true);
    ImportPicture->setEnabled(importToo);
    ImportPicture2->setEnabled(importToo);
}

} // namespace pistaro
