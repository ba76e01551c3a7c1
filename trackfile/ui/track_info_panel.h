#pragma once
// The track info panel: the descriptive fields of "Track Info", the four lap time fields,
// and the routines that build the track info record into them (GetInfo and friends). It lays
// out the frame "Track Info"; the lap time fields (TimeBox) the window shows with the database.
#include <QList>
#include <QString>
#include <QWidget>

struct CircuitInfo;
class QEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace pistaro {

class WindowServices;

class TrackInfoPanel final : public QWidget {
    Q_OBJECT
public:
    TrackInfoPanel(WindowServices& services, QWidget* parent);

    // Frame "Track Info".
    QGroupBox* Frame3;
    QLineEdit* Track;
    QLineEdit* Country;
    QLineEdit* EventName;
    QLineEdit* Author;
    QLineEdit* Adjective;
    QLineEdit* Description;
    QLineEdit* Laps;   // mask ###
    QLineEdit* Length; // mask ####
    QLineEdit* Slot;   // mask ##
    QLineEdit* Tyre;   // mask #####
    QLabel* Label12;   // "Name:"
    QLabel* Label13;   // "Country:"
    QLabel* Label18;   // "Event:"
    QLabel* Label3;    // "Author:"
    QLabel* Label2;    // "Adj.:"
    QLabel* Label1;    // "Desc.:"
    QLabel* Label14;   // "Laps:"
    QLabel* Label15;   // "Length:"
    QLabel* Label16;   // "Slot:"
    QLabel* Label100;  // "Tyre:"
    QLabel* FileVersion;
    QLabel* OriginalLabel;
    QToolButton* SaveInfo;
    QToolButton* OpenInfo;

    // Lap time fields (placed in the frame "Time Database:"), mask #:##.###.
    QWidget* TimeBox; // holds the labels and the four fields
    QLineEdit* WuTime;
    QLineEdit* PTime;
    QLineEdit* QTime;
    QLineEdit* RTime;
    QLabel* Label8; // "Time:"
    QLabel* Label4; // "Warm up"
    QLabel* Label7; // "Practice"
    QLabel* Label6; // "Qualifying"
    QLabel* Label5; // "Race"

    QString EditStart;

    // The track info record. The panel holds the current circuit (the shared state's
    // CurrentFile, InfoText, OriginalTrack and CarSetupInfo): nothing else sets it.
    // Shows `circuit`, read from `path`, and makes it the current circuit; its Tracks and Maps
    // rows are added when missing.
    void showCircuit(const QString& path, const CircuitInfo& circuit);
    // The same, the circuit read anew.
    void showCircuit(const QString& path);
    // The same for a circuit selected in one of the window's lists: reload() comes back to it.
    void showSelected(const QString& path);
    // Shows the circuit selected in the window's lists again (after a command changed the
    // catalogue or the files), or nothing when none is selected.
    void reload();
    // The file `from` was renamed to `to`: a panel showing it shows it under its new path.
    void followRename(const QString& from, const QString& to);
    // A command removed, renamed or replaced files: a shown circuit whose file is gone is
    // dropped with its unsaved edits (nothing is shown, nothing offered to save); one whose
    // info area changed, or that holds no unsaved edit, is read anew; an unsaved edit of a
    // file left as it was stays.
    void followFiles();
    // Reads the current circuit again (another lap time database is in use).
    void refresh();
    // The track name the panel shows (as typed, trimmed): the key of the rows its menu
    // pictures and times are kept in.
    QString shownTrack() const;
    // Reads the current circuit into the panel anew.
    void GetInfo();
    void UpdateRecord();
    void Clean();
    void CheckChange(const QString& path); // emits circuitPicked
    void InfoOn();
    void InfoOff();

    // The value of a masked field: the digits entered.
    static QString maskedValue(const QLineEdit* field);
    // Puts digits into a masked field.
    static void setMaskedValue(QLineEdit* field, const QString& digits);

    void SaveInfo_Click();
    // Whether the shown circuit may be left (another circuit shown, the database switched, the
    // window closed): true when its info block holds no unsaved edit, or once the player saved
    // or dropped it; false on Cancel.
    bool mayLeave();
    // Whether a list click may show `path`: as mayLeave, but the circuit shown with unsaved
    // edits is kept as it is, not read again, when it is `path` itself.
    bool mayShow(const QString& path);

    // Focus changes, mouse moves and lap time leaving of the panel's fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The catalogue named the track's menu pictures (trimmed file names).
    void menuPicturesRead(const QString& large, const QString& small);
    // The panel shows the track of `path` read anew or stored: its menu pictures are to be
    // shown, the browser's row read again.
    void trackShown(const QString& path);
    // The panel was emptied, menu pictures included.
    void cleared();
    // The circuit of `path` was picked (CheckChange; "" for a slot list click that selected
    // nothing): the commands that work on one are to be enabled.
    void circuitPicked(const QString& path);

private:
    void buildWidgets();
    void wireHandlers();

    // The nine descriptive fields and the block key an edit of each writes.
    QList<QLineEdit*> descriptiveFields() const;
    QString blockKey(const QLineEdit* field) const; // "" for any other widget
    bool isMasked(const QLineEdit* field) const;
    // The text that is compared and written: masked fields give their digits.
    QString fieldValue(const QLineEdit* field) const;
    // Leaving a descriptive field: a changed value goes into InfoText. A value too long for
    // the info area is refused with a message and the field gets its value back (false).
    bool commitEdit(QLineEdit* field);
    // The focused descriptive field, or none; its edit taken as leaving it would take it.
    QLineEdit* focusedDescriptiveField() const;
    bool commitFocusedEdit();
    // Leaving a lap time field: a whole m:ss.mmm (or nothing) is stored by UpdateRecord; a
    // part of one is not, and the field says what it takes.
    void lapTimeLeft(QLineEdit* field);
    static bool isWholeLapTime(const QLineEdit* field); // all six digits, or none
    void markLapTime(QLineEdit* field);                 // red, with a tip, while not whole
    // EditStart follows the focused descriptive field after the panel was refilled.
    void syncEditStart();

    void fillFields(const CircuitInfo& info);
    // Shows nothing and forgets the current circuit, its unsaved edits included.
    void forgetCircuit();
    // Writes the edited block into the current file; true when it was written.
    bool saveInfo();
    // Writes the panel into the Tracks row of its name; false when the catalogue failed.
    bool writeRecord();

    WindowServices& services_;
    QByteArray savedArea_; // the current file's info area as read or last written
};

} // namespace pistaro
