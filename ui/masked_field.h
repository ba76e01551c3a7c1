#pragma once
// Masked digit entry: a QLineEdit with an input mask whose "#" positions take digits and
// show "_" while empty. Its value is the digits entered.
#include <QLineEdit>
#include <QString>

namespace pistaro {

// mask uses '#' for a digit position, other characters are literal ("#:##.###").
QLineEdit* makeMaskedField(const QString& mask, QWidget* parent, const char* name);
QString maskedDigits(const QLineEdit* field);
void setMaskedDigits(QLineEdit* field, const QString& digits);

} // namespace pistaro
