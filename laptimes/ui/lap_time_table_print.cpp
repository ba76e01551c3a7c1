// "Export to Notepad": the table as print.spl in the program folder, opened in the desktop's
// text editor without waiting for it, or in the program's own text viewer when the desktop
// names no application for plain text; and the same rows as CSV.
#include "laptimes/ui/lap_time_table.h"

#include "ui/table_csv.h"
#include "ui/window_services.h"

#include "platform/codepage.h"
#include "platform/replace_file.h"
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTableWidget>

namespace pistaro {

QString LapTimeTable::printFilePath() const {
    return QDir::toNativeSeparators(services_.bas().AppDir + QStringLiteral("/print.spl"));
}

void LapTimeTable::TablePrint_Click() {
    Ok->setFocus();
    // Hiding ends the modal run; exec() shows the window again once this handler is done.
    showAgain_ = isVisible();
    hide();
    StatusSink& status = services_.status();
    status.setLine1(tr("Please wait..."));
    status.setLine2(tr("writing file..."));
    status.showStatus();
    status.pump();

    const QString path = printFilePath();
    // Written whole or not at all: a failed export must not leave a half file, nor open the
    // previous one in the editor as if it were this table.
    const QByteArray text = printFileText(database_, now(), shownRows());
    const CopyResult written = writeReplacing(path, text);
    status.hideStatus();
    services_.window()->show();
    if (!written.ok) {
        services_.dialogs().message(notWrittenMessage(path, written.error));
        return;
    }
    if (services_.openInTextEditor(path))
        return;
    services_.dialogs().message(tr("No application for plain text is set up on this system: the "
                                   "table, written to %1, is shown in Pistaro's text viewer.")
                                    .arg(path));
    services_.showText(cp1252::toUnicode(text));
}

void LapTimeTable::TableCsv_Click() {
    exportCsv(
        services_.dialogs(), *DBGrid1, tr("Export lap time table"),
        QDir::home().filePath(QFileInfo(database_).completeBaseName() + QStringLiteral(".csv")));
}

} // namespace pistaro
