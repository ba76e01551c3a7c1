// The menu picture controls' events: the buttons, the fields' focus changes, and clicks and
// pointer moves over the previews.
#include "packs/ui/menu_pictures.h"

#include "platform/guarded.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace pistaro {

namespace {

// Focus moving to another window (a message box, the file dialog) or to a popup menu is no
// leaving of the field.
bool leavesField(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

void MenuPictures::wireHandlers() {
    for (int which : {1, 2}) {
        field(which)->installEventFilter(this);
        preview(which)->installEventFilter(this);
        preview(which)->setMouseTracking(true);
        const bool big = which == 1;
        connect(big ? ImportPicture : ImportPicture2, &QPushButton::clicked, this,
                GUARDED_COMMAND_ARG(ImportPicture_Click, which));
        connect(big ? Browse : Browse2, &QPushButton::clicked, this,
                GUARDED_COMMAND_ARG(Browse_Click, which));
        connect(big ? Make : Make2, &QPushButton::clicked, this,
                GUARDED_COMMAND_ARG(Make_Click, which));
        connect(big ? Clear : Clear2, &QPushButton::clicked, this,
                GUARDED_COMMAND_ARG(Clear_Click, which));
    }
}

int MenuPictures::whichField(const QObject* o) const {
    return o == MenuPicture ? 1 : o == MenuPicture2 ? 2 : 0;
}

int MenuPictures::whichPreview(const QObject* o) const {
    return o == Picture1 ? 1 : o == Picture2 ? 2 : 0;
}

bool MenuPictures::eventFilter(QObject* watched, QEvent* event) {
    if (const int which = whichField(watched)) {
        if (event->type() == QEvent::FocusIn && leavesField(event))
            guarded("MenuPicture_GotFocus", [this, which] { startEdit(which); })();
        else if (event->type() == QEvent::FocusOut && leavesField(event))
            GUARDED_HANDLER_ARG(MenuPicture_LostFocus, which)();
    } else if (const int which = whichPreview(watched)) {
        if (event->type() == QEvent::MouseMove) {
            GUARDED_HANDLER_ARG(Picture_MouseMove, which)();
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            GUARDED_HANDLER_ARG(Picture_Click, which)();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pistaro
