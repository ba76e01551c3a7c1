#include "trackfile/ui/track_info_panel.h"

#include "ui/masked_field.h"
#include "ui/named.h"
#include "ui/picture_button.h"
#include "ui/window_services.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace pistaro {

TrackInfoPanel::TrackInfoPanel(WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("TrackInfoPanel"));
    buildWidgets();
    wireHandlers();
}

void TrackInfoPanel::buildWidgets() {
    Frame3 = named(new QGroupBox(tr("Track Info"), this), "Frame3");
    auto text = [this](const char* name, int maxLength) {
        auto* e = named(new QLineEdit(Frame3), name);
        e->setMaxLength(maxLength);
        return e;
    };
    auto label = [this](const char* name, const QString& caption) {
        return named(new QLabel(caption, Frame3), name);
    };
    Track = text("Track", 30);
    Country = text("Country", 30);
    EventName = text("EventName", 30);
    Author = text("Author", 128);
    // The catalogue has no place for an adjective and the info block no key: shown only.
    Adjective = text("Adjective", 30);
    Adjective->setReadOnly(true);
    Description = text("Description", 512);
    Laps = makeMaskedField(QStringLiteral("###"), Frame3, "Laps");
    Length = makeMaskedField(QStringLiteral("####"), Frame3, "Length");
    Slot = makeMaskedField(QStringLiteral("##"), Frame3, "Slot");
    Tyre = makeMaskedField(QStringLiteral("#####"), Frame3, "Tyre");
    Label12 = label("Label12", tr("Name:"));
    Label13 = label("Label13", tr("Country:"));
    Label18 = label("Label18", tr("Event:"));
    Label3 = label("Label3", tr("Author:"));
    Label2 = label("Label2", tr("Adj.:"));
    Label1 = label("Label1", tr("Desc.:"));
    Label14 = label("Label14", tr("Laps:"));
    Label15 = label("Label15", tr("Length:"));
    Label16 = label("Label16", tr("Slot:"));
    Label100 = label("Label100", tr("Tyre:"));
    FileVersion = named(new QLabel(Frame3), "FileVersion");
    OriginalLabel = named(new QLabel(tr("Original Gp2 Track"), Frame3), "OriginalLabel");
    OriginalLabel->hide();
    SaveInfo =
        pictureButton(Frame3, "SaveInfo", nullptr, "document-save", QStyle::SP_DialogSaveButton);
    SaveInfo->setToolTip(tr("Update Track Info"));
    SaveInfo->setEnabled(false);
    OpenInfo =
        pictureButton(Frame3, "OpenInfo", nullptr, "document-open", QStyle::SP_DialogOpenButton);
    OpenInfo->setEnabled(false); // the info is read when a circuit is chosen: nothing to open

    auto* g = new QGridLayout(Frame3);
    g->addWidget(Label12, 0, 0);
    g->addWidget(Track, 0, 1, 1, 3);
    g->addWidget(Label13, 1, 0);
    g->addWidget(Country, 1, 1, 1, 3);
    g->addWidget(Label18, 2, 0);
    g->addWidget(EventName, 2, 1, 1, 3);
    g->addWidget(Label3, 3, 0);
    g->addWidget(Author, 3, 1, 1, 3);
    g->addWidget(Label2, 4, 0);
    g->addWidget(Adjective, 4, 1, 1, 3);
    g->addWidget(Label1, 5, 0);
    g->addWidget(Description, 5, 1, 1, 3);
    g->addWidget(Label14, 6, 0);
    g->addWidget(Laps, 6, 1);
    g->addWidget(Label15, 6, 2);
    g->addWidget(Length, 6, 3);
    g->addWidget(Label16, 7, 0);
    g->addWidget(Slot, 7, 1);
    g->addWidget(Label100, 7, 2);
    g->addWidget(Tyre, 7, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(OriginalLabel);
    bottom->addStretch();
    bottom->addWidget(OpenInfo);
    bottom->addWidget(SaveInfo);
    g->addLayout(bottom, 8, 0, 1, 4);
    g->addWidget(FileVersion, 9, 0, 1, 4);

    TimeBox = named(new QWidget(this), "TimeBox");
    Label8 = named(new QLabel(tr("Time:"), TimeBox), "Label8");
    Label4 = named(new QLabel(tr("Warm up"), TimeBox), "Label4");
    Label7 = named(new QLabel(tr("Practice"), TimeBox), "Label7");
    Label6 = named(new QLabel(tr("Qualifying"), TimeBox), "Label6");
    Label5 = named(new QLabel(tr("Race"), TimeBox), "Label5");
    const QString timeMask = QStringLiteral("#:##.###");
    WuTime = makeMaskedField(timeMask, TimeBox, "WuTime");
    PTime = makeMaskedField(timeMask, TimeBox, "PTime");
    QTime = makeMaskedField(timeMask, TimeBox, "QTime");
    RTime = makeMaskedField(timeMask, TimeBox, "RTime");
    auto* t = new QGridLayout(TimeBox);
    t->setContentsMargins(0, 0, 0, 0);
    t->addWidget(Label8, 0, 0, 2, 1);
    t->addWidget(Label4, 0, 1);
    t->addWidget(Label7, 0, 2);
    t->addWidget(Label6, 0, 3);
    t->addWidget(Label5, 0, 4);
    t->addWidget(WuTime, 1, 1);
    t->addWidget(PTime, 1, 2);
    t->addWidget(QTime, 1, 3);
    t->addWidget(RTime, 1, 4);

    // TimeBox is not laid out here: the window shows it with the database selector.
    auto* own = new QVBoxLayout(this);
    own->setContentsMargins(0, 0, 0, 0);
    own->addWidget(Frame3);
}

QString TrackInfoPanel::maskedValue(const QLineEdit* field) {
    return maskedDigits(field);
}

void TrackInfoPanel::setMaskedValue(QLineEdit* field, const QString& digits) {
    setMaskedDigits(field, digits);
}

} // namespace pistaro
