// The track info record: built into the panel from the circuit file's info block or, for a
// file without one, from the catalogue row of its length; joined by name to the Tracks and
// Maps rows; written back into the Tracks row by UpdateRecord.
#include "trackfile/ui/track_info_panel.h"

#include "platform/binfile.h"
#include "platform/ignore_step.h"
#include "platform/shown_text.h"
#include "storage/catalogue_names.h"
#include "storage/gp2psobas.h"
#include "storage/record_lookup.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/file_facts.h"
#include "trackfile/info_block.h"
#include "trackfile/lap_time.h"
#include "trackfile/track_name.h"
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

void TrackInfoPanel::fillFields(const CircuitInfo& info) {
    Track->setText(info.track);
    Country->setText(info.country);
    setMaskedDigits(Laps, info.laps);
    setMaskedDigits(Tyre, info.tyre);
    setMaskedDigits(Length, info.length);
    setMaskedDigits(Slot, info.slot);
    EventName->setText(info.event);
    Author->setText(info.author);
    Description->setText(info.description);
    Description->setToolTip(shown::text(info.description));
    OriginalLabel->setText(info.original ? tr("Original Gp2 Track")
                                         : tr("Created by Track Editor"));
    OriginalLabel->show();
}

void TrackInfoPanel::showCircuit(const QString& path) {
    showCircuit(path, catalogue::readCircuit(services_.bas(), path));
}

void TrackInfoPanel::showSelected(const QString& path) {
    services_.bas().SelectedFile = path;
    showCircuit(path);
}

void TrackInfoPanel::reload() {
    Gp2PsoBas& bas = services_.bas();
    ignoreFailure("reloading the track info panel", [&] {
        if (!bas.SelectedFile.isEmpty())
            showCircuit(bas.SelectedFile);
        else
            Clean();
    });
}

QString TrackInfoPanel::shownTrack() const {
    return Track->text().trimmed();
}

void TrackInfoPanel::followRename(const QString& from, const QString& to) {
    Gp2PsoBas& bas = services_.bas();
    if (bas.SelectedFile == from)
        bas.SelectedFile = to;
    if (bas.CurrentFile != from)
        return;
    bas.CurrentFile = to;
    FileVersion->setText(fileFactsText(to));
}

void TrackInfoPanel::followFiles() {
    Gp2PsoBas& bas = services_.bas();
    const QString path = bas.CurrentFile;
    if (path.isEmpty())
        return;
    ignoreFailure("following the shown circuit's file", [&] {
        if (!binfile::isRegularFile(path)) {
            forgetCircuit();
            return;
        }
        // The field being edited counts, as it does when the circuit is left.
        commitFocusedEdit();
        const CircuitInfo now = catalogue::readCircuit(bas, path);
        if (bas.InfoText == savedArea_ || now.infoArea != savedArea_)
            showCircuit(path, now);
    });
}

void TrackInfoPanel::forgetCircuit() {
    Gp2PsoBas& bas = services_.bas();
    if (bas.SelectedFile == bas.CurrentFile)
        bas.SelectedFile.clear();
    Clean();
    bas.CurrentFile.clear();
    bas.InfoText.clear();
    savedArea_.clear();
    InfoOff();
}

void TrackInfoPanel::refresh() {
    GetInfo();
}

void TrackInfoPanel::GetInfo() {
    showCircuit(services_.bas().CurrentFile);
}

void TrackInfoPanel::showCircuit(const QString& path, const CircuitInfo& info) {
    Gp2PsoBas& bas = services_.bas();
    Clean();
    bas.CurrentFile = path;
    bas.InfoText = info.infoArea;
    savedArea_ = info.infoArea;
    if (!info.recognised) {
        // Said in the field, not put into it: the text is no track name.
        Track->setPlaceholderText(tr("File not recognized."));
        syncEditStart();
        return;
    }
    fillFields(info);
    bas.OriginalTrack = info.original;
    const QString& track = info.track;
    if (!track.isEmpty()) {
        bas.CarSetupInfo = catalogue::storedSetup(bas, info);
        catalogue::ensureTrackRow(bas, info);
        ignoreFailure("reading the track's catalogue row", [&] {
            Recordset& tracks = requireOpen(bas.TracksRs, catalogue::Tracks);
            if (!seekName(tracks, track))
                return;
            setMaskedDigits(RTime, tracks.text(catalogue::RaceTime));
            setMaskedDigits(PTime, tracks.text(catalogue::PracticeTime));
            setMaskedDigits(QTime, tracks.text(catalogue::QualifyingTime));
            setMaskedDigits(WuTime, tracks.text(catalogue::WarmUpTime));
        });
        for (QLineEdit* f : {WuTime, PTime, QTime, RTime})
            markLapTime(f);
        ignoreFailure("reading the track's menu pictures", [&] {
            Recordset& maps = requireOpen(bas.MapsRs, catalogue::Maps);
            if (seekName(maps, track))
                emit menuPicturesRead(maps.text(catalogue::MenuPicture).trimmed(),
                                      maps.text(catalogue::MenuPicture2).trimmed());
        });
        FileVersion->setText(fileFactsText(bas.CurrentFile));
        emit trackShown(bas.CurrentFile);
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
        // A time typed in part keeps the stored one.
        const QList<QPair<QString, QLineEdit*>> times = {{catalogue::WarmUpTime, WuTime},
                                                         {catalogue::PracticeTime, PTime},
                                                         {catalogue::QualifyingTime, QTime},
                                                         {catalogue::RaceTime, RTime}};
        for (const auto& [column, field] : times)
            if (isWholeLapTime(field))
                tracks.setValue(column, FormatLapTime(maskedDigits(field)));
        tracks.update();
        editing = nullptr;
    });
    // A row left half-written would be stored by the next unrelated update.
    if (editing)
        ignoreFailure("dropping the unsaved catalogue row", [&] { editing->cancelUpdate(); });
    emit trackShown(bas.CurrentFile);
    return stored;
}

void TrackInfoPanel::UpdateRecord() {
    writeRecord();
}

void TrackInfoPanel::Clean() {
    for (QLineEdit* f : {Track, Country, EventName, Author, Adjective, Description, Laps, Length,
                         Slot, Tyre, WuTime, PTime, QTime, RTime})
        f->clear();
    Track->setPlaceholderText(QString());
    emit cleared();
    FileVersion->clear();
    OriginalLabel->hide();
    services_.bas().OriginalTrack = false;
    services_.bas().CarSetupInfo.clear();
    syncEditStart();
}

void TrackInfoPanel::CheckChange(const QString& path) {
    emit circuitPicked(path);
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
