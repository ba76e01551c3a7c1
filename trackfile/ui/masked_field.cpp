#include "trackfile/ui/masked_field.h"

#include "trackfile/ui/named.h"

QLineEdit* makeMaskedField(const QString& mask, QWidget* parent, const char* name) {
    auto* e = named(new QLineEdit(parent), name);
    QString qtMask;
    for (QChar c : mask)
        qtMask += (c == QLatin1Char('#')) ? QStringLiteral("9") : QStringLiteral("\\") + c;
    // '9' would make the digits required; '0' permits an empty position.
    qtMask.replace(QLatin1Char('9'), QLatin1Char('0'));
    e->setInputMask(qtMask + QStringLiteral(";_"));
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
