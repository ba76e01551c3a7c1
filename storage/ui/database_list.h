#pragma once
// The lap time database selector: DbCombo with its list, New, Delete, View and Save, laid out
// as one row.
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QToolButton;

namespace pistaro {

class FileListBox;
class WindowServices;
class LapTimeDatabase;

class DatabaseList final : public QWidget {
    Q_OBJECT
public:
    DatabaseList(WindowServices& services, LapTimeDatabase& settings, QWidget* parent);

    QComboBox* DbCombo;  // editable, design-time text "pso.mdb"
    FileListBox* DbList; // hidden: *.MDB of the program folder
    QToolButton* ViewDatabase;
    QToolButton* NewDatabase;
    QToolButton* DeleteDatabase;
    QToolButton* SaveDatabase;

    void UpdateDbList();
    void DbCombo_Click();                // an entry picked
    void DbCombo_Change(const QString&); // text edited or set
    void NewDatabase_Click();
    void DeleteDatabase_Click();

    // Asked before another database is opened: whether unsaved work may be left (the window
    // asks about the track info and the slots waiting for Export). Unset: always.
    std::function<bool()> maySwitch;

signals:
    // View: the selected database's lap time table is to be shown.
    void viewRequested();
    // Another database is in use: what is shown of the current circuit is to be read again.
    void switched();

private:
    // Opens `name` in place of the database open now; when opening it would end the program
    // (its game folder prompt cancelled, no settings row) the previous one is opened again.
    void openInstead(const QString& name);
    // The name of the database open now.
    QString inUse() const;
    void buildWidgets();
    void wireHandlers();
    QStringList listed() const; // the entries of DbCombo's list
    WindowServices& services_;
    LapTimeDatabase& settings_;
};

} // namespace pistaro
