#pragma once
// A table as the user sees it, written as CSV: the captions, then the rows in the order shown
// (sorted and filtered), with the columns not hidden, in the order of the header.
#include <QList>
#include <QString>
#include <QStringList>

class Dialogs;
class QTableView;

namespace pistaro {

// The captions and the cells of the rows shown, one list per line. A caption is the header's
// Qt::UserRole text where it has one (a translated title keeps the file's own there).
QList<QStringList> shownCells(const QTableView& table);

// Asks through `dialogs` where to write (`title`, `preset` name), writes the file whole or not
// at all (platform/replace_file.h) and says how many rows it wrote where, or why it could not.
// The path written; "" when
// the user cancelled or the write failed.
QString exportCsv(Dialogs& dialogs, const QTableView& table, const QString& title,
                  const QString& preset);

} // namespace pistaro
