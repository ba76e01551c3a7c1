#pragma once
// Car setups between the game's state file and the lap time database.
#include <QObject>

class QPushButton;
class QWidget;
class MainForm;

class SetupTransfer final : public QObject {
    Q_OBJECT
public:
    SetupTransfer(MainForm& form, QWidget* parent);
    QPushButton* ImportSetups; // "Import &Setups"
    QPushButton* ExportSetups; // "Export &Setups"

    // Run from the buttons (with messages) and by the launcher.
    void Import();
    void Export();

private:
    MainForm& form_;
};
