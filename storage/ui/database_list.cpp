#include "storage/ui/database_list.h"

#include "trackfile/ui/file_list_box.h"
#include "trackfile/ui/main_form.h"
#include "trackfile/ui/named.h"

#include <QComboBox>
#include <QToolButton>

DatabaseList::DatabaseList(MainForm& form, QWidget* parent) : QObject(parent), form_(form) {
    setObjectName(QStringLiteral("DatabaseList"));
    buildWidgets(parent);
    wireHandlers();
}

void DatabaseList::buildWidgets(QWidget* parent) {
    DbCombo = named(new QComboBox(parent), "DbCombo");
    DbCombo->setEditable(true);
    DbCombo->setInsertPolicy(QComboBox::NoInsert);
    DbCombo->setEditText(QStringLiteral("pso.mdb"));
    DbList = named(new FileListBox(QStringLiteral("*.MDB"), parent), "DbList");
    DbList->hide();
    auto tool = [parent](const char* name, const char* tip, const char* icon) {
        auto* b = named(new QToolButton(parent), name);
        if (tip)
            b->setToolTip(QString::fromLatin1(tip));
        b->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
        return b;
    };
    ViewDatabase = tool("ViewDatabase", "Database Table", "x-office-spreadsheet");
    NewDatabase = tool("NewDatabase", "Create new database", "document-new");
    DeleteDatabase = tool("DeleteDatabase", "Delete current database", "edit-delete");
    SaveDatabase = tool("SaveDatabase", nullptr, "document-save");
}
