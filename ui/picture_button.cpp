#include "ui/picture_button.h"

#include "ui/named.h"

#include <QIcon>
#include <QToolButton>

namespace pistaro {

QToolButton* pictureButton(QWidget* parent, const char* name, const char* tip, const char* icon,
                           QStyle::StandardPixmap fallback) {
    auto* b = named(new QToolButton(parent), name);
    if (tip)
        b->setToolTip(QString::fromLatin1(tip));
    b->setIcon(
        QIcon::fromTheme(QString::fromLatin1(icon), parent->style()->standardIcon(fallback)));
    return b;
}

} // namespace pistaro
