#include "storage/ui/database_list.h"

#include "platform/guarded.h"
#include "platform/program_end.h"
#include "platform/shown_text.h"
#include "storage/database_names.h"
#include "storage/make_database.h"
#include "storage/ui/lap_time_database.h"
#include "ui/file_list_box.h"
#include "ui/named.h"
#include "ui/picture_button.h"
#include "ui/window_services.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

namespace pistaro {

DatabaseList::DatabaseList(WindowServices& services, LapTimeDatabase& settings, QWidget* parent)
    : QWidget(parent), services_(services), settings_(settings) {
    setObjectName(QStringLiteral("DatabaseList"));
    buildWidgets();
    wireHandlers();
}

void DatabaseList::buildWidgets() {
    DbCombo = named(new QComboBox(this), "DbCombo");
    DbCombo->setEditable(true);
    DbCombo->setInsertPolicy(QComboBox::NoInsert);
    DbCombo->setEditText(QStringLiteral("pso.mdb"));
    DbList = named(new FileListBox(QStringLiteral("*.MDB"), this), "DbList");
    DbList->hide();
    ViewDatabase =
        pictureButton(this, "ViewDatabase", QT_TRANSLATE_NOOP("PictureButton", "Database Table"),
                      "x-office-spreadsheet", QStyle::SP_FileDialogDetailedView);
    NewDatabase = pictureButton(this, "NewDatabase",
                                QT_TRANSLATE_NOOP("PictureButton", "Create new database"),
                                "document-new", QStyle::SP_FileIcon);
    DeleteDatabase = pictureButton(this, "DeleteDatabase",
                                   QT_TRANSLATE_NOOP("PictureButton", "Delete current database"),
                                   "edit-delete", QStyle::SP_TrashIcon);
    SaveDatabase =
        pictureButton(this, "SaveDatabase", nullptr, "document-save", QStyle::SP_DialogSaveButton);
    // Every change to a database is written as it is made: there is nothing left to save.
    SaveDatabase->setEnabled(false);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(DbCombo, 1);
    for (QWidget* w : {ViewDatabase, NewDatabase, DeleteDatabase, SaveDatabase})
        row->addWidget(w);
}

void DatabaseList::wireHandlers() {
    connect(DbCombo, &QComboBox::editTextChanged, this,
            guarded("DbCombo_Change", [this](const QString& text) { DbCombo_Change(text); }));
    connect(DbCombo, &QComboBox::activated, this, GUARDED_COMMAND(DbCombo_Click));
    connect(NewDatabase, &QToolButton::clicked, this, GUARDED_COMMAND(NewDatabase_Click));
    connect(DeleteDatabase, &QToolButton::clicked, this, GUARDED_COMMAND(DeleteDatabase_Click));
    connect(ViewDatabase, &QToolButton::clicked, this,
            guarded("ViewDatabase_Click", [this] { emit viewRequested(); }));
}

QStringList DatabaseList::listed() const {
    QStringList names;
    for (int i = 0; i < DbCombo->count(); ++i)
        names << DbCombo->itemText(i);
    return names;
}

void DatabaseList::UpdateDbList() {
    if (DbList->path().isEmpty())
        DbList->setPath(services_.bas().AppDir);
    else
        DbList->refresh();
    // Refilling the list leaves the text, the database in use, as it is.
    const QString text = DbCombo->currentText();
    const QSignalBlocker quiet(DbCombo);
    DbCombo->clear();
    for (int i = 0; i < DbList->count(); ++i) {
        const QString name = DbList->fileName(i);
        if (dbnames::isLapTimeDatabase(name))
            DbCombo->addItem(name);
    }
    DbCombo->setCurrentIndex(
        DbCombo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    DbCombo->setEditText(text);
}

void DatabaseList::DbCombo_Change(const QString& text) {
    DbCombo->setToolTip(tr("Lap time database in use '%1'").arg(shown::text(text)));
}

void DatabaseList::DbCombo_Click() {
    const QString text = DbCombo->currentText();
    if (text.trimmed().isEmpty())
        return;
    if (maySwitch && !maySwitch()) {
        DbCombo->setEditText(inUse()); // Cancel: the database in use stays
        return;
    }
    openInstead(text);
    const bool kept = text.toUpper() == QLatin1String("PSO.MDB") || text == services_.bas().DbName;
    DeleteDatabase->setEnabled(!kept);
    emit switched();
}

void DatabaseList::NewDatabase_Click() {
    Gp2PsoBas& bas = services_.bas();
    if (maySwitch && !maySwitch())
        return;
    const QString answer = services_.dialogs().input(tr("Enter the new database name:"), {});
    if (answer.isEmpty())
        return;
    const QString name = dbnames::fileNameFor(answer);
    const QString refusal = dbnames::newRefusal(name);
    if (!refusal.isEmpty()) {
        services_.dialogs().message(refusal);
        return;
    }
    // A name the folder holds already is opened as it is: opening brings an older one up to
    // date, in a copy that must not replace a file the program has open.
    bas.StatusText = tr("Please wait, making new database...");
    try {
        if (!QFileInfo::exists(QDir(bas.AppDir).filePath(name)))
            MakeDatabase(bas, name);
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        services_.dialogs().message(tr("Database %1 could not be made.").arg(shown::text(name)) +
                                    Gp2PsoBas::CrLf2 + QString::fromStdString(e.what()));
        return;
    }
    UpdateDbList();
    DbCombo->setEditText(name);
    openInstead(name);
}

QString DatabaseList::inUse() const {
    const Gp2PsoBas& bas = services_.bas();
    return bas.Db ? QFileInfo(bas.Db->path()).fileName() : bas.DbName;
}

void DatabaseList::openInstead(const QString& name) {
    Gp2PsoBas& bas = services_.bas();
    const QString previous = inUse();
    const QString previousGame = bas.Gp2Dir;
    settings_.DbClose();
    try {
        settings_.DbOpen(name);
    } catch (const ProgramEnded&) {
        // The program goes on with what it had.
        bas.Gp2Dir = previousGame;
        settings_.DbOpen(previous);
        DbCombo->setEditText(previous);
    }
}

void DatabaseList::DeleteDatabase_Click() {
    Gp2PsoBas& bas = services_.bas();
    const QString text = DbCombo->currentText();
    // The menu pictures, the standard and the start-up database stay, and so does any name
    // typed that the folder does not list.
    const QString refusal = dbnames::deleteRefusal(text, bas.DbName, listed());
    if (!refusal.isEmpty()) {
        services_.dialogs().message(refusal);
        return;
    }
    if (!services_.dialogs().askYesNo(tr("Sure you want to kill '%1' ?").arg(shown::text(text))))
        return;
    settings_.DbClose();
    if (QFile::remove(QDir(bas.AppDir).filePath(text)))
        services_.dialogs().message(tr("Database '%1' deleted.").arg(shown::text(text)));
    UpdateDbList();
    settings_.DbOpen(bas.DbName);
    DbCombo->setEditText(bas.DbName);
}

} // namespace pistaro
