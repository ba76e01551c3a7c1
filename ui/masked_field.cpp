#include "ui/masked_field.h"

#include "ui/named.h"

#include <QStyle>

#include <algorithm>

namespace pistaro {

QLineEdit* makeMaskedField(const QString& mask, QWidget* parent, const char* name) {
    auto* e = named(new QLineEdit(parent), name);
    QString qtMask;
    for (QChar c : mask)
        qtMask += (c == QLatin1Char('#')) ? QStringLiteral("9") : QStringLiteral("\\") + c;
    // '9' would make the digits required; '0' permits an empty position.
    qtMask.replace(QLatin1Char('9'), QLatin1Char('0'));
    e->setInputMask(qtMask + QStringLiteral(";_"));
    // A masked field cannot scroll sensibly: wide enough for every place at its widest.
    const QFontMetrics fm(e->font());
    int widest = fm.horizontalAdvance(QLatin1Char('_'));
    for (char d = '0'; d <= '9'; ++d)
        widest = std::max(widest, fm.horizontalAdvance(QLatin1Char(d)));
    int text = 0;
    for (QChar c : mask)
        text += c == QLatin1Char('#') ? widest : fm.horizontalAdvance(c);
    const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
    e->setMinimumWidth(text + 2 * frame + 6); // the line edit's own text margins, a cursor
    return e;
}

QString maskedDigits(const QLineEdit* field) {
    QString out;
    for (QChar c : field->text())
        if (c.isDigit())
            out += c;
    return out;
}

void setMaskedDigits(QLineEdit* field, const QString& digits) {
    QString d;
    for (QChar c : digits)
        if (c.isDigit())
            d += c;
    field->setText(d);
}

} // namespace pistaro
