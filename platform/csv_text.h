#pragma once
// Rows of text as CSV (RFC 4180): UTF-8, CRLF after every line, a field that holds a comma, a
// double quote, CR or LF put in double quotes with its double quotes doubled.
#include <QByteArray>
#include <QList>
#include <QStringList>

QByteArray csvText(const QList<QStringList>& rows);
