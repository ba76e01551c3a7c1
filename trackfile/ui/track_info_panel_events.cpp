// The panel's events: edits of the descriptive fields go into InfoText when a field is left,
// leaving a lap time field commits the record, and "Update Track Info" writes the block back
// into the circuit file and has its checksum repaired.
#include "trackfile/ui/track_info_panel.h"

#include "gamedir/exe_cmd.h"
#include "gamedir/game_backup.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/guarded.h"
#include "platform/ignore_step.h"
#include "platform/shown_text.h"
#include "storage/gp2psobas.h"
#include "trackfile/info_block.h"
#include "trackfile/lap_time.h"
#include "ui/backed_up.h"
#include "ui/masked_field.h"
#include "ui/window_services.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QToolTip>

#include <stdexcept>

namespace pistaro {

namespace {

// A "|" or "#" would end the value early when the block is read again: typed or pasted ones
// are dropped, the cursor staying where the user left it.
void dropBlockDelimiters(QLineEdit* field, const QString& text) {
    if (!text.contains(QLatin1Char('|')) && !text.contains(QLatin1Char('#')))
        return;
    const int cursor = field->cursorPosition();
    QString clean;
    int newCursor = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('|') || c == QLatin1Char('#'))
            continue;
        clean += c;
        if (i < cursor)
            ++newCursor;
    }
    field->setText(clean);
    field->setCursorPosition(newCursor);
}

// Focus moving to another window (a message box, another program) or to a popup menu is no
// leaving of the field: the edit goes on when the window is back.
bool leavesField(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

QList<QLineEdit*> TrackInfoPanel::descriptiveFields() const {
    return {Track, Country, Laps, Tyre, Length, EventName, Slot, Description, Author};
}

QString TrackInfoPanel::blockKey(const QLineEdit* field) const {
    if (field == Track)
        return QStringLiteral("Name");
    if (field == Country)
        return QStringLiteral("Country");
    if (field == EventName)
        return QStringLiteral("Event");
    if (field == Author)
        return QStringLiteral("Author");
    if (field == Description)
        return QStringLiteral("Desc");
    if (field == Laps)
        return QStringLiteral("Laps");
    if (field == Length)
        return QStringLiteral("LengthMeters");
    if (field == Slot)
        return QStringLiteral("Slot");
    if (field == Tyre)
        return QStringLiteral("Tyre");
    return QString();
}

bool TrackInfoPanel::isMasked(const QLineEdit* field) const {
    return field == Laps || field == Length || field == Slot || field == Tyre || field == WuTime ||
           field == PTime || field == QTime || field == RTime;
}

QString TrackInfoPanel::fieldValue(const QLineEdit* field) const {
    return isMasked(field) ? maskedDigits(field) : field->text();
}

void TrackInfoPanel::wireHandlers() {
    for (QLineEdit* f : descriptiveFields())
        f->installEventFilter(this);
    for (QLineEdit* f : {Track, Country, EventName, Author, Description}) {
        f->setMouseTracking(true);
        connect(
            f, &QLineEdit::textEdited, this,
            guarded("Track info edit", [f](const QString& text) { dropBlockDelimiters(f, text); }));
    }
    for (QLineEdit* f : {WuTime, PTime, QTime, RTime})
        f->installEventFilter(this);
    // Clicking the button takes the focus, so the field being edited is left (and its edit
    // reaches InfoText) before the click is handled.
    SaveInfo->setFocusPolicy(Qt::StrongFocus);
    connect(SaveInfo, &QToolButton::clicked, this, GUARDED_COMMAND(SaveInfo_Click));
}

bool TrackInfoPanel::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QObject::eventFilter(watched, event);
    const bool descriptive = !blockKey(field).isEmpty();
    switch (event->type()) {
    case QEvent::FocusIn:
        if (descriptive && leavesField(event))
            EditStart = fieldValue(field);
        break;
    case QEvent::FocusOut:
        if (!leavesField(event))
            break;
        if (descriptive)
            guarded("Track info LostFocus", [this, field] { commitEdit(field); })();
        else
            guarded("Lap time LostFocus", [this, field] { lapTimeLeft(field); })();
        break;
    case QEvent::MouseMove:
        if (descriptive && !isMasked(field))
            field->setToolTip(shown::text(field->text())); // long values can be read in full
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool TrackInfoPanel::commitEdit(QLineEdit* field) {
    Gp2PsoBas& bas = services_.bas();
    const QString value = fieldValue(field);
    const QString key = blockKey(field);
    if (value != EditStart && !UpdateDatInfo(bas, key, value)) {
        // The file keeps the old value, so must the field: the catalogue row is written from
        // the fields and would otherwise hold a value the file does not.
        const qsizetype room = infoblock::longestValue(bas.InfoText, key);
        if (room >= 0 && cp1252::fromUnicode(value).size() > room) {
            if (isMasked(field))
                setMaskedDigits(field, EditStart);
            else
                field->setText(EditStart);
            services_.dialogs().message(
                tr("This value is too long to store in the track file.") + Gp2PsoBas::CrLf2 +
                tr("At most %1 characters fit in this field; nothing was changed.").arg(room));
            return false;
        }
    }
    EditStart = value;
    return true;
}

bool TrackInfoPanel::isWholeLapTime(const QLineEdit* field) {
    const qsizetype digits = maskedDigits(field).size();
    return digits == 0 || digits == 6;
}

void TrackInfoPanel::markLapTime(QLineEdit* field) {
    // A part of a time is no time: "5" is not 0:00.005. The field says what it takes.
    const QString expected =
        tr("Type the whole time as m:ss.mmm, for example 1:23.456. This one is not stored yet.");
    const bool whole = isWholeLapTime(field);
    field->setToolTip(whole ? QString() : expected);
    QPalette colours = field->parentWidget()->palette();
    if (!whole)
        colours.setColor(QPalette::Text, Qt::red);
    field->setPalette(colours);
    if (!whole && field->isVisible())
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), expected, field);
}

void TrackInfoPanel::lapTimeLeft(QLineEdit* field) {
    markLapTime(field);
    if (isWholeLapTime(field))
        UpdateRecord();
}

QLineEdit* TrackInfoPanel::focusedDescriptiveField() const {
    auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return focused && !blockKey(focused).isEmpty() ? focused : nullptr;
}

bool TrackInfoPanel::commitFocusedEdit() {
    QLineEdit* focused = focusedDescriptiveField();
    return !focused || commitEdit(focused);
}

void TrackInfoPanel::syncEditStart() {
    if (QLineEdit* focused = focusedDescriptiveField())
        EditStart = fieldValue(focused);
}

void TrackInfoPanel::SaveInfo_Click() {
    saveInfo();
}

bool TrackInfoPanel::mayLeave() {
    Gp2PsoBas& bas = services_.bas();
    if (bas.CurrentFile.isEmpty())
        return true;
    // The field being edited counts: its edit is taken as leaving it would take it.
    if (!commitFocusedEdit())
        return false;
    if (bas.InfoText == savedArea_)
        return true;
    const QString track =
        shownTrack().isEmpty() ? QFileInfo(bas.CurrentFile).fileName() : shownTrack();
    switch (services_.dialogs().askYesNoCancel(
        tr("Save the changes to the track info of %1?").arg(shown::text(track)))) {
    case Dialogs::Answer::Yes:
        return saveInfo();
    case Dialogs::Answer::No:
        bas.InfoText = savedArea_;
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

bool TrackInfoPanel::mayShow(const QString& path) {
    if (path == services_.bas().CurrentFile && services_.bas().InfoText != savedArea_)
        return false;
    return mayLeave();
}

bool TrackInfoPanel::saveInfo() {
    Gp2PsoBas& bas = services_.bas();
    if (bas.CurrentFile.isEmpty())
        return true;
    // A click that did not move the focus (keyboard, a direct call) still takes the edit of
    // the field being edited.
    if (!commitFocusedEdit())
        return false;

    const QString path = bas.CurrentFile;
    const QString shown = ::shown::path(path);
    const QFileInfo file(path);
    if (!file.isFile()) {
        services_.dialogs().message(tr("The track file was not found:") + Gp2PsoBas::CrLf + shown +
                                    Gp2PsoBas::CrLf2 + tr("Nothing was written."));
        return false;
    }
    // A checksum run still busy with this file would read it while it changes and write a
    // trailer over the new bytes: let it finish first.
    ExeCmd::WaitForSumfix(path);
    // One backup undoes both the block's rewrite and the checksum trailer sumfix writes next.
    const QString command = QStringLiteral("Update Track Info ") + file.fileName();
    gamebackup::Backup backup(gamebackup::backupsFolder(bas), command);
    if (!backedUp(services_, backup, command, {path}))
        return false;
    QString error;
    if (!file.isWritable() || !WriteDatInfo(bas, &error)) {
        backup.discardIfUnchanged();
        QString text =
            tr("The track file cannot be written:") + Gp2PsoBas::CrLf + shown + Gp2PsoBas::CrLf2;
        if (!error.isEmpty())
            text += error + Gp2PsoBas::CrLf2;
        services_.dialogs().message(text + tr("Nothing was written."));
        return false;
    }
    savedArea_ = bas.InfoText;
    ignoreFailure("changing to the program folder", [&] {
        if (!QDir::setCurrent(bas.AppDir))
            throw std::runtime_error("cannot change to " + bas.AppDir.toStdString());
    });
    const bool summed = ExeCmd::StartSumfix(bas.exeDir(), path);
    // The file holds the new info now; a catalogue row that could not follow is said, or the
    // lap time database would go on showing the old values as if they were saved.
    const bool recorded = writeRecord();
    QStringList shortOf;
    if (!summed)
        shortOf << tr("Its checksum could not be fixed: sumfix could not be started from %1: "
                      "the checksum of %2 is stale, and the game will refuse the file until it "
                      "is fixed.")
                       .arg(::shown::path(bas.exeDir()), shown);
    if (!recorded)
        shortOf << tr("Its row in the lap time database %1 could not be written: the "
                      "database still holds the old track info.")
                       .arg(::shown::path(bas.DbName));
    if (shortOf.isEmpty())
        services_.dialogs().message(tr("Track updated."));
    else if (!summed && recorded)
        services_.dialogs().message(
            tr("Track updated, but its checksum could not be fixed.") + Gp2PsoBas::CrLf2 +
            tr("sumfix could not be started from %1: the checksum of %2 is stale, and the game "
               "will refuse the file until it is fixed.")
                .arg(::shown::path(bas.exeDir()), shown));
    else
        services_.dialogs().message(tr("Track updated, but not completely.") + Gp2PsoBas::CrLf2 +
                                    shortOf.join(Gp2PsoBas::CrLf2));
    return true;
}

} // namespace pistaro
