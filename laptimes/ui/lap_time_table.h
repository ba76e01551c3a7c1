#pragma once
// The window "Lap Time Table": the Tracks rows of the selected lap time database, and
// their export to print.spl opened in the desktop's text editor.
#include <QDialog>

class QPushButton;
class QTableWidget;
class QGroupBox;
class MainForm;

class LapTimeTable final : public QDialog {
    Q_OBJECT
public:
    LapTimeTable(MainForm& form, QWidget* parent);

    QGroupBox* Frame1;
    QTableWidget* DBGrid1;
    QPushButton* TablePrint; // "Export to &Notepad"
    QPushButton* Ok;         // "&Ok"
    QPushButton* Cancel;     // "&Cancel"

    // Loads the rows from AppDir + "/" + DbCombo's text (the window opens it itself).
    void load();
    void TablePrint_Click();

private:
    MainForm& form_;
};
