#pragma once
// Rows of text as CSV (RFC 4180): UTF-8, CRLF after every line, a field that holds a comma, a
// double quote, CR or LF put in double quotes with its double quotes doubled. A field that a
// spreadsheet would take for a formula (it begins with =, +, -, @, a tab or CR) gets a leading
// apostrophe, so the sheet shows it as text; a plain number ("-0.512", "+3", "4,5") is none
// and stays a number.
#include <QByteArray>
#include <QList>
#include <QStringList>

QByteArray csvText(const QList<QStringList>& rows);
