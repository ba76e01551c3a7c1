#pragma once
// Reads the whole number at the start of a text the way the classic Val() does: leading blanks
// are skipped, an optional sign is taken, then digits are read until the first character that
// cannot continue the number. No digit at all gives 0. Only the integer part is read ("7.9"
// gives 7); values beyond the int range stop at its limit.
#include <QString>

int valOf(const QString& text);
