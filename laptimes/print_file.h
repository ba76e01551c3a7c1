#pragma once
// The text export of the lap time table: a fixed-column file for printing from a text editor.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

struct PrintRow {
    QString name;
    QString warmUp;
    QString practice;
    QString qualifying;
    QString race;
};

// The whole file as Windows-1252 bytes, every line ended by CR LF: the title with the database
// name in upper case and the date and time (mm-dd-yyyy hh:mm:ss) at column 60, an empty line,
// the column heads, a rule of 80 minus signs, one line per row (name at column 1, the times at
// columns 40, 50, 60 and 70), and the rule again.
//
// Items are placed at fixed columns (counted from 1). An item goes on the current line when the
// line holds fewer characters than its column, the gap filled with blanks; a line that already
// reaches the column is ended and the item starts at that column of a new line. An empty item
// is not placed at all: it neither pads nor breaks the line, so a track without times prints
// as its name alone.
QByteArray printFileText(const QString& dbComboText, const QDateTime& now,
                         const QList<PrintRow>& rows);
