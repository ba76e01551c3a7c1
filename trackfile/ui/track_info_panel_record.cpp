// The track info record: built into the panel from the circuit file's info block or, for a
// file without one, from the catalogue row of its length; joined by name to the Tracks and
// Maps rows; written back into the Tracks row by UpdateRecord.
#include "trackfile/ui/track_info_panel.h"

#include "platform/ignore_step.h"
#include "storage/catalogue_names.h"
#include "storage/gp2psobas.h"
#include "storage/record_lookup.h"
#include "trackfile/file_facts.h"
#include "trackfile/info_block.h"
#include "trackfile/lap_time.h"
#include "trackfile/track_name.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/val.h"
#include "ui/masked_field.h"
#include "ui/window_services.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace pistaro {

using catalogue::requireOpen;
using catalogue::seekName;

bool TrackInfoPanel::fillFromLength() {
    Gp2PsoBas& bas = services_.bas();
    bool found = false;
    ignoreFailure("looking the circuit up by its length", [&] {
        const QFileInfo file(bas.CurrentFile);
        if (!file.isFile())
            return;
        Recordset& tracks = requireOpen(bas.TracksRs, catalogue::Tracks);
        found = catalogue::seekKey(tracks, catalogue::SizeIndex, file.size());
        if (!found) {
            tracks.setIndex(catalogue::NameIndex);
            return;
        }
        Track->setText(tracks.text(catalogue::Name).trimmed());
        Country->setText(tracks.text(catalogue::Country).trimmed());
        setMaskedDigits(Laps, tracks.text(catalogue::Laps));
        setMaskedDigits(Tyre, tracks.text(catalogue::Tyre));
        setMaskedDigits(Length, tracks.text(catalogue::Length));
        setMaskedDigits(Slot, tracks.text(catalogue::Slot));
        EventName->setText(tracks.text(catalogue::Event));
        Author->setText(tracks.text(catalogue::Author));
        Description->setText(tracks.text(catalogue::Description).trimmed());
        bas.OriginalTrack = true;
        OriginalLabel->setText(QStringLiteral("Original Gp2 Track"));
        OriginalLabel->show();
        bas.CarSetupInfo = tracks.value(catalogue::CarSetup).toByteArray();
        tracks.setIndex(catalogue::NameIndex);
    });
    if (!found) {
        Track->setText(QStringLiteral("File not recognized."));
        Country->clear();
    }
    return found;
}

void TrackInfoPanel::fillFromBlock() {
    const Gp2PsoBas& bas = services_.bas();
    OriginalLabel->setText(QStringLiteral("Created by Track Editor"));
    OriginalLabel->show();
    Track->setText(GetDat(bas, QStringLiteral("Name")).trimmed());
    Country->setText(GetDat(bas, QStringLiteral("Country")).trimmed());
    setMaskedDigits(Laps, GetDat(bas, QStringLiteral("Laps")));
    setMaskedDigits(Tyre, GetDat(bas, QStringLiteral("Tyre")));
    setMaskedDigits(Length, GetDat(bas, QStringLiteral("LengthMeters")));
    EventName->setText(GetDat(bas, QStringLiteral("Event")));
    setMaskedDigits(Slot, GetDat(bas, QStringLiteral("Slot")));
    const QString desc = GetDat(bas, QStringLiteral("Desc"));
    Description->setText(desc);
    Description->setToolTip(desc);
    Author->setText(GetDat(bas, QStringLiteral("Author")));
    services_.bas().CarSetupInfo.clear();
}

void TrackInfoPanel::GetInfo() {
    Gp2PsoBas& bas = services_.bas();
    GetAllDatInfo(bas);
    Clean();
    if (GetDat(bas, QStringLiteral("Name")).isEmpty()) {
        if (!fillFromLength()) {
            syncEditStart();
            return;
        }
    } else {
        fillFromBlock();
    }
    const QString track = trackKey(Track->text());
    Track->setText(track);
    if (!track.isEmpty()) {
        ignoreFailure("reading the track's catalogue row", [&] {
            Recordset& tracks = requireOpen(bas.TracksRs, catalogue::Tracks);
            if (!seekName(tracks, track)) {
                tracks.addNew();
                tracks.setValue(catalogue::Name, track);
                tracks.setValue(catalogue::Country, Country->text());
                tracks.update();
                return;
            }
            setMaskedDigits(RTime, tracks.text(catalogue::RaceTime));
            setMaskedDigits(PTime, tracks.text(catalogue::PracticeTime));
            setMaskedDigits(QTime, tracks.text(catalogue::QualifyingTime));
            setMaskedDigits(WuTime, tracks.text(catalogue::WarmUpTime));
            bas.CarSetupInfo = tracks.value(catalogue::CarSetup).toByteArray();
        });
        ignoreFailure("reading the track's menu pictures", [&] {
            Recordset& maps = requireOpen(bas.MapsRs, catalogue::Maps);
            if (!seekName(maps, track)) {
                maps.addNew();
                maps.setValue(catalogue::Name, track);
                maps.update();
                return;
            }
            emit menuPicturesRead(maps.text(catalogue::MenuPicture).trimmed(),
                                  maps.text(catalogue::MenuPicture2).trimmed());
        });
        FileVersion->setText(fileFactsText(bas.CurrentFile));
        emit trackShown();
    }
    syncEditStart();
}

void TrackInfoPanel::GetInfoSet() {
    Gp2PsoBas& bas = services_.bas();
    Clean();
    GetAllDatInfo(bas);
    if (GetDat(bas, QStringLiteral("Name")).isEmpty()) {
        if (!fillFromLength()) {
            syncEditStart();
            return;
        }
    } else {
        OriginalLabel->setText(QStringLiteral("Created by Track Editor"));
        OriginalLabel->show();
        Track->setText(GetDat(bas, QStringLiteral("Name")).trimmed());
    }
    const QString track = trackKey(Track->text());
    Track->setText(track);
    if (!track.isEmpty()) {
        ignoreFailure("reading the track's car setup", [&] {
            Recordset& tracks = requireOpen(bas.TracksRs, catalogue::Tracks);
            if (seekName(tracks, track))
                bas.CarSetupInfo = tracks.value(catalogue::CarSetup).toByteArray();
        });
    }
    syncEditStart();
}

bool TrackInfoPanel::writeRecord() {
    Gp2PsoBas& bas = services_.bas();
    const QString track = trackKey(Track->text());
    if (track.isEmpty())
        return true;
    Recordset* editing = nullptr;
    const bool stored = ignoreFailure("writing the track's catalogue row", [&] {
        Recordset& tracks = requireOpen(bas.TracksRs, catalogue::Tracks);
        if (seekName(tracks, track))
            tracks.edit();
        else
            tracks.addNew();
        editing = &tracks;
        // "Size" keeps its value: only an original circuit's row may hold a file length,
        // or a named file without block would later be taken for an original.
        tracks.setValue(catalogue::Name, track);
        tracks.setValue(catalogue::Country, Country->text());
        tracks.setValue(catalogue::Laps, valOf(maskedDigits(Laps)));
        tracks.setValue(catalogue::Tyre, valOf(maskedDigits(Tyre)));
        tracks.setValue(catalogue::Length, valOf(maskedDigits(Length)));
        tracks.setValue(catalogue::Slot, valOf(maskedDigits(Slot)));
        tracks.setValue(catalogue::Event, EventName->text());
        tracks.setValue(catalogue::Author, Author->text().left(30));
        tracks.setValue(catalogue::Description, Description->text().left(30));
        tracks.setValue(catalogue::CarSetup,
                        bas.CarSetupInfo.isEmpty() ? QVariant() : QVariant(bas.CarSetupInfo));
        tracks.setValue(catalogue::WarmUpTime, FormatLapTime(maskedDigits(WuTime)));
        tracks.setValue(catalogue::PracticeTime, FormatLapTime(maskedDigits(PTime)));
        tracks.setValue(catalogue::QualifyingTime, FormatLapTime(maskedDigits(QTime)));
        tracks.setValue(catalogue::RaceTime, FormatLapTime(maskedDigits(RTime)));
        tracks.update();
        editing = nullptr;
    });
    // A row left half-written would be stored by the next unrelated update.
    if (editing)
        ignoreFailure("dropping the unsaved catalogue row", [&] { editing->cancelUpdate(); });
    emit trackShown();
    return stored;
}

void TrackInfoPanel::UpdateRecord() {
    writeRecord();
}

void TrackInfoPanel::Clean() {
    for (QLineEdit* f : {Track, Country, EventName, Author, Adjective, Description, Laps, Length,
                         Slot, Tyre, WuTime, PTime, QTime, RTime})
        f->clear();
    emit cleared();
    FileVersion->clear();
    OriginalLabel->hide();
    services_.bas().OriginalTrack = false;
    services_.bas().CarSetupInfo.clear();
    syncEditStart();
}

void TrackInfoPanel::CheckChange() {
    emit circuitPicked();
}

void TrackInfoPanel::InfoOn() {
    for (QLineEdit* f : descriptiveFields())
        f->setEnabled(true);
    SaveInfo->setEnabled(true);
}

void TrackInfoPanel::InfoOff() {
    for (QLineEdit* f : descriptiveFields())
        f->setEnabled(false);
    SaveInfo->setEnabled(false);
}

} // namespace pistaro
