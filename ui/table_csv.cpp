#include "ui/table_csv.h"

#include "platform/csv_text.h"
#include "platform/dialogs.h"
#include "platform/replace_file.h"
#include "platform/shown_text.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>

namespace pistaro {

QList<QStringList> shownCells(const QTableView& table) {
    const QAbstractItemModel* model = table.model();
    const QHeaderView* header = table.horizontalHeader();
    QList<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!header->isSectionHidden(column))
            columns << column;
    }
    QList<QStringList> out;
    QStringList captions;
    for (const int column : columns) {
        // A column whose shown title is translated keeps the file's own title in UserRole.
        const QVariant kept = model->headerData(column, Qt::Horizontal, Qt::UserRole);
        captions << (kept.isValid() ? kept : model->headerData(column, Qt::Horizontal)).toString();
    }
    out << captions;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (table.isRowHidden(row))
            continue;
        QStringList cells;
        for (const int column : columns)
            cells << model->index(row, column).data().toString();
        out << cells;
    }
    return out;
}

QString exportCsv(Dialogs& dialogs, const QTableView& table, const QString& title,
                  const QString& preset) {
    const QString path = dialogs.saveFile(
        title, preset, QCoreApplication::translate("tablecsv", "CSV files (*.csv)"),
        QStringLiteral("csv"));
    if (path.isEmpty())
        return {};
    const QList<QStringList> cells = shownCells(table);
    const CopyResult written = writeReplacing(path, csvText(cells));
    if (!written.ok) {
        dialogs.message(notWrittenMessage(path, written.error) +
                        //: After the message that a file was not written.
                        QCoreApplication::translate("tablecsv", ". Nothing was exported."));
        return {};
    }
    const qsizetype rows = cells.size() - 1; // the captions are no row
    dialogs.message(rows == 1
                        ? QCoreApplication::translate("tablecsv", "1 row was exported to %1.")
                              .arg(shown::path(path))
                        : QCoreApplication::translate("tablecsv", "%1 rows were exported to %2.")
                              .arg(QString::number(rows), shown::path(path)));
    return path;
}

} // namespace pistaro
