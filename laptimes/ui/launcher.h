#pragma once
// The game launcher with the usage statistics, and the Log Stats window.
#include <QObject>

class QPushButton;
class QWidget;
class MainForm;

class Launcher final : public QObject {
    Q_OBJECT
public:
    Launcher(MainForm& form, QWidget* parent);
    QPushButton* Command4; // "&Launch GP2"
    void Launch();
    void FileLog_Click(); // shows the Log window, modal

private:
    MainForm& form_;
};
