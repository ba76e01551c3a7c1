#include "ui/picture_button.h"

#include "ui/named.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QIconEngine>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

namespace pistaro {

namespace {

// Stands for the style's picture and asks the style for it on first use.
class StylePictureEngine final : public QIconEngine {
public:
    StylePictureEngine(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    // QIcon asks its engine in device pixels; the style's own engine is asked the same way.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // The window's layout asks before anything is drawn; the styles' pictures are always
    // there, so it is answered without decoding one.
    bool isNull() override { return read_ && icon_.isNull(); }
    QString key() const override { return QStringLiteral("pistaroStylePicture"); }
    QIconEngine* clone() const override { return new StylePictureEngine(*this); }

private:
    const QIcon& icon() {
        if (!read_) {
            read_ = true;
            // A style replaced since (QApplication::setStyle deletes the old one) gives way
            // to the one in use.
            QStyle* style = style_ ? style_.data() : QApplication::style();
            icon_ = style->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

} // namespace

QIcon stylePicture(QStyle* style, QStyle::StandardPixmap which) {
    // Kept on the style itself, so it goes with the style (and before the application), and
    // the buttons that share a picture (Save, Open, Delete) share its decoding.
    const QByteArray key = "pistaroStandardIcon" + QByteArray::number(int(which));
    const QVariant kept = style->property(key.constData());
    if (kept.metaType() == QMetaType::fromType<QIcon>())
        return kept.value<QIcon>();
    const QIcon icon(new StylePictureEngine(style, which));
    style->setProperty(key.constData(), icon);
    return icon;
}

void addClearButton(QLineEdit* edit) {
    QAction* clear = edit->addAction(stylePicture(edit->style(), QStyle::SP_LineEditClearButton),
                                     QLineEdit::TrailingPosition);
    clear->setObjectName(QStringLiteral("ClearButton"));
    clear->setVisible(!edit->text().isEmpty());
    QObject::connect(edit, &QLineEdit::textChanged, clear,
                     [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
    QObject::connect(clear, &QAction::triggered, edit, [edit] {
        edit->clear();
        emit edit->textEdited(QString());
    });
}

QToolButton* pictureButton(QWidget* parent, const char* name, const char* tip, const char* icon,
                           QStyle::StandardPixmap fallback) {
    auto* b = named(new QToolButton(parent), name);
    // Callers mark the tip with QT_TRANSLATE_NOOP("PictureButton", ...) for lupdate.
    if (tip)
        b->setToolTip(QCoreApplication::translate("PictureButton", tip));
    // As QIcon::fromTheme(name, fallback), but the fallback is read only when it is needed.
    QIcon themed = QIcon::fromTheme(QString::fromLatin1(icon));
    if (themed.isNull() || themed.availableSizes().isEmpty())
        themed = stylePicture(parent->style(), fallback);
    b->setIcon(themed);
    return b;
}

} // namespace pistaro
