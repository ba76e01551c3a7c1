#include "ui/picture_button.h"

#include "ui/named.h"

#include <QCoreApplication>
#include <QIcon>
#include <QToolButton>

namespace pistaro {

namespace {

// The style's picture, read once per style: several buttons share one (Save, Open, Delete),
// and each reading decodes every size of it.
QIcon standardIcon(QStyle* style, QStyle::StandardPixmap which) {
    const QByteArray key = "pistaroStandardIcon" + QByteArray::number(int(which));
    const QVariant kept = style->property(key.constData());
    if (kept.metaType() == QMetaType::fromType<QIcon>())
        return kept.value<QIcon>();
    const QIcon icon = style->standardIcon(which);
    // Kept on the style itself, so it goes with the style (and before the application).
    style->setProperty(key.constData(), icon);
    return icon;
}

} // namespace

QToolButton* pictureButton(QWidget* parent, const char* name, const char* tip, const char* icon,
                           QStyle::StandardPixmap fallback) {
    auto* b = named(new QToolButton(parent), name);
    // Callers mark the tip with QT_TRANSLATE_NOOP("PictureButton", ...) for lupdate.
    if (tip)
        b->setToolTip(QCoreApplication::translate("PictureButton", tip));
    // As QIcon::fromTheme(name, fallback), but the fallback is read only when it is needed.
    QIcon themed = QIcon::fromTheme(QString::fromLatin1(icon));
    if (themed.isNull() || themed.availableSizes().isEmpty())
        themed = standardIcon(parent->style(), fallback);
    b->setIcon(themed);
    return b;
}

} // namespace pistaro
