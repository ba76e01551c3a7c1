// The track info record: built into the panel from the circuit file's info block or, for a
// file without one, from the catalogue row of its length; joined by name to the Tracks and
// Maps rows; written back into the Tracks row by UpdateRecord.
#include "trackfile/ui/track_info_panel.h"

#include "platform/ignore_step.h"
#include "storage/gp2psobas.h"
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

#include <stdexcept>

namespace {

const QString kName = QStringLiteral("Name");
const QString kSize = QStringLiteral("Size");
const QString kSetup = QStringLiteral("Car Setup Information");
const QString kWarmUp = QStringLiteral("Warm Up Time");
const QString kPractice = QStringLiteral("Practice Time");
const QString kQualifying = QStringLiteral("Qualifying Time");
const QString kRace = QStringLiteral("Race Time");

Recordset& open(const std::unique_ptr<Recordset>& rs, const char* table) {
    if (!rs)
        throw std::runtime_error(std::string("the table ") + table + " is not open");
    return *rs;
}

// Seeks `name` in the "Name" index; true when the row exists (it is then current).
bool seekName(Recordset& rs, const QString& name) {
    rs.setIndex(kName);
    rs.seek(QStringLiteral("="), name);
    return !rs.noMatch();
}

} // namespace

bool TrackInfoPanel::fillFromLength() {
    Gp2PsoBas& bas = services_.bas();
    bool found = false;
    ignoreFailure("looking the circuit up by its length", [&] {
        const QFileInfo file(bas.CurrentFile);
        if (!file.isFile())
            return;
        Recordset& tracks = open(bas.TracksRs, "Tracks");
        tracks.setIndex(kSize);
        tracks.seek(QStringLiteral("="), file.size());
        found = !tracks.noMatch();
        if (!found) {
            tracks.setIndex(kName);
            return;
        }
        Track->setText(tracks.text(kName).trimmed());
        Country->setText(tracks.text(QStringLiteral("Country")).trimmed());
        setMaskedDigits(Laps, tracks.text(QStringLiteral("Laps")));
        setMaskedDigits(Tyre, tracks.text(QStringLiteral("Tyre")));
        setMaskedDigits(Length, tracks.text(QStringLiteral("Length")));
        setMaskedDigits(Slot, tracks.text(QStringLiteral("Slot")));
        EventName->setText(tracks.text(QStringLiteral("Event")));
        Author->setText(tracks.text(QStringLiteral("Author")));
        Description->setText(tracks.text(QStringLiteral("Description")).trimmed());
        bas.OriginalTrack = true;
        OriginalLabel->setText(QStringLiteral("Original Gp2 Track"));
        OriginalLabel->show();
        bas.CarSetupInfo = tracks.value(kSetup).toByteArray();
        tracks.setIndex(kName);
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
    Track->setText(GetDat(bas, kName).trimmed());
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
    if (GetDat(bas, kName).isEmpty()) {
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
            Recordset& tracks = open(bas.TracksRs, "Tracks");
            if (!seekName(tracks, track)) {
                tracks.addNew();
                tracks.setValue(kName, track);
                tracks.setValue(QStringLiteral("Country"), Country->text());
                tracks.update();
                return;
            }
            setMaskedDigits(RTime, tracks.text(kRace));
            setMaskedDigits(PTime, tracks.text(kPractice));
            setMaskedDigits(QTime, tracks.text(kQualifying));
            setMaskedDigits(WuTime, tracks.text(kWarmUp));
            bas.CarSetupInfo = tracks.value(kSetup).toByteArray();
        });
        ignoreFailure("reading the track's menu pictures", [&] {
            Recordset& maps = open(bas.MapsRs, "Maps");
            if (!seekName(maps, track)) {
                maps.addNew();
                maps.setValue(kName, track);
                maps.update();
                return;
            }
            emit menuPicturesRead(maps.text(QStringLiteral("Menu Picture")).trimmed(),
                                  maps.text(QStringLiteral("Menu Picture 2")).trimmed());
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
    if (GetDat(bas, kName).isEmpty()) {
        if (!fillFromLength()) {
            syncEditStart();
            return;
        }
    } else {
        OriginalLabel->setText(QStringLiteral("Created by Track Editor"));
        OriginalLabel->show();
        Track->setText(GetDat(bas, kName).trimmed());
    }
    const QString track = trackKey(Track->text());
    Track->setText(track);
    if (!track.isEmpty()) {
        ignoreFailure("reading the track's car setup", [&] {
            Recordset& tracks = open(bas.TracksRs, "Tracks");
            if (seekName(tracks, track))
                bas.CarSetupInfo = tracks.value(kSetup).toByteArray();
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
        Recordset& tracks = open(bas.TracksRs, "Tracks");
        if (seekName(tracks, track))
            tracks.edit();
        else
            tracks.addNew();
        editing = &tracks;
        // "Size" keeps its value: only an original circuit's row may hold a file length,
        // or a named file without block would later be taken for an original.
        tracks.setValue(kName, track);
        tracks.setValue(QStringLiteral("Country"), Country->text());
        tracks.setValue(QStringLiteral("Laps"), valOf(maskedDigits(Laps)));
        tracks.setValue(QStringLiteral("Tyre"), valOf(maskedDigits(Tyre)));
        tracks.setValue(QStringLiteral("Length"), valOf(maskedDigits(Length)));
        tracks.setValue(QStringLiteral("Slot"), valOf(maskedDigits(Slot)));
        tracks.setValue(QStringLiteral("Event"), EventName->text());
        tracks.setValue(QStringLiteral("Author"), Author->text().left(30));
        tracks.setValue(QStringLiteral("Description"), Description->text().left(30));
        tracks.setValue(kSetup,
                        bas.CarSetupInfo.isEmpty() ? QVariant() : QVariant(bas.CarSetupInfo));
        tracks.setValue(kWarmUp, FormatLapTime(maskedDigits(WuTime)));
        tracks.setValue(kPractice, FormatLapTime(maskedDigits(PTime)));
        tracks.setValue(kQualifying, FormatLapTime(maskedDigits(QTime)));
        tracks.setValue(kRace, FormatLapTime(maskedDigits(RTime)));
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
