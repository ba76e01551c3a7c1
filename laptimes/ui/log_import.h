#pragma once
// Import of the lap timer's log into the open lap time database.
#include <QObject>

class QPushButton;
class QWidget;
class MainForm;

class LogImport final : public QObject {
    Q_OBJECT
public:
    LogImport(MainForm& form, QWidget* parent);
    QPushButton* GetGp2Lap; // "&Get Time from GP2LAP.LOG"
    void Import();

private:
    MainForm& form_;
};
