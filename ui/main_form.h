#pragma once
// What the parts of the main window ask of it. Gp2PsoFrm (app/) implements this by
// forwarding to the object that owns each concern; the concerns include only this header,
// so no concern depends on one above it.
#include "storage/gp2psobas.h"

#include <QString>

class QWidget;
class QLineEdit;
class QPixmap;
class TrackInfoPanel;
class CircuitLists;
class Textures;
class RecordingView;

class MainForm {
public:
    virtual ~MainForm() = default;

    virtual Gp2PsoBas& bas() = 0;
    virtual QWidget* window() = 0; // the main window: hidden during long commands, dialog owner
    virtual Dialogs& dialogs() = 0;
    virtual StatusSink& status() = 0;

    // Track info record and panel (trackfile/ui).
    virtual TrackInfoPanel& panel() = 0;
    virtual CircuitLists& lists() = 0;
    virtual void GetInfo() = 0;
    virtual void GetInfoSet() = 0;
    virtual void UpdateRecord() = 0;
    virtual void Clean() = 0;
    virtual void CheckChange() = 0;
    virtual void InfoOn() = 0;
    virtual void InfoOff() = 0;

    // Menu pictures (packs/ui).
    virtual QLineEdit* menuPictureField(int which) = 0; // 1: 640x480, 2: 440x330
    virtual void GetBmp() = 0;
    virtual void UpdateMaps() = 0;
    virtual void clearPreviews() = 0;
    // The picture view window "Picture View" (modal), made on first use.
    virtual void showPictureView(const QPixmap& picture) = 0;
    // Enables the picture fields with their Browse and Clear buttons, and the two Import
    // buttons only when `importToo` (importing takes the picture of a game slot).
    virtual void enableMenuPictureControls(bool importToo) = 0;

    // The texture list of the circuit read last, for the installation's texture copies.
    virtual Textures& textures() = 0;

    // Buttons that CheckChange switches on.
    virtual void enableChange(bool on) = 0;
    virtual void enableCheckJams(bool on) = 0;

    // Car setups and the lap log, for the launcher.
    virtual void ImportSetups() = 0;
    virtual void ExportSetups() = 0;
    virtual void ImportLog() = 0;
    // The record window "Record Status" of the log import (modeless, made on first use); its
    // Ok closes it and shows the main window again.
    virtual RecordingView& recordingWindow() = 0;
    // The Log window (modal) with the usage statistics as the settings row holds them.
    virtual void showLogStats(const QString& execution, const QString& firstUse,
                              const QString& lastUse, qint64 secondsRunning) = 0;

    // Lap time databases.
    virtual void DbOpen(const QString& name) = 0;
    virtual void DbClose() = 0;
    virtual void UpdateDbList() = 0;
    virtual QString dbComboText() = 0;
    virtual void showLapTimeTable() = 0;

    // The text viewer (modal) and the desktop's default program for a file or address.
    virtual void showText(const QString& text) = 0;
    virtual void openWithDesktop(const QString& fileOrUrl) = 0;
    // The desktop's text editor for a text file, whatever its extension.
    virtual void openInTextEditor(const QString& file) = 0;
};
