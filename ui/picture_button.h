#pragma once
// A picture button: a tool button with its given name, an optional tool tip (translated in the
// context "PictureButton", where callers mark it with QT_TRANSLATE_NOOP), and the desktop
// theme's icon `icon`, or the style's own picture `fallback` when the theme has none.
#include <QIcon>
#include <QStyle>

class QLineEdit;
class QToolButton;
class QWidget;

namespace pistaro {

QToolButton* pictureButton(QWidget* parent, const char* name, const char* tip, const char* icon,
                           QStyle::StandardPixmap fallback);

// The style's picture `which`, decoded when it is first drawn or measured: the style decodes
// every size of a picture at once, which the start would otherwise pay for each button before
// its window shows. One per style, shared by every caller.
QIcon stylePicture(QStyle* style, QStyle::StandardPixmap which);

// A clear button at the end of `edit`, as QLineEdit::setClearButtonEnabled gives, whose picture
// is decoded only when it first shows. Shown while the field holds text; clearing says so as
// an edit (textEdited) does.
void addClearButton(QLineEdit* edit);

} // namespace pistaro
