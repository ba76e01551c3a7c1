#pragma once
// What every part of the main window may ask of the window itself: the shared state, the
// window, dialogs, the status window and the outside viewers. Gp2PsoFrm (app/) implements it;
// a part that reads another part takes that part in its constructor instead.
#include "storage/gp2psobas.h"

#include <QString>

class QWidget;

namespace pistaro {

class WindowServices {
public:
    virtual ~WindowServices() = default;

    virtual Gp2PsoBas& bas() = 0;
    virtual QWidget* window() = 0; // the main window: hidden during long commands, dialog owner
    virtual Dialogs& dialogs() = 0;
    virtual StatusSink& status() = 0;
    // The text viewer (modal) and the desktop's default program for a file or address.
    virtual void showText(const QString& text) = 0;
    virtual void openWithDesktop(const QString& fileOrUrl) = 0;
    // The desktop's text editor for a text file, whatever its extension. False when no
    // application for plain text is set up or it did not start.
    virtual bool openInTextEditor(const QString& file) = 0;
};

} // namespace pistaro
