#pragma once
// The game launcher with the usage statistics, and the Log Stats window.
#include <QObject>

class QPushButton;
class QWidget;

namespace pistaro {

class WindowServices;
class SetupTransfer;
class TrackInfoPanel;
class LogImport;

class Launcher final : public QObject {
    Q_OBJECT
public:
    // The panel shows the selected circuit again after a game run.
    Launcher(WindowServices& services, TrackInfoPanel& panel, SetupTransfer& setups,
             LogImport& logImport, QWidget* parent);
    QPushButton* Command4; // "&Launch GP2"
    // True when the game ran and ended normally.
    bool Launch();
    void FileLog_Click(); // shows the Log window, modal

private:
    WindowServices& services_;
    TrackInfoPanel& panel_;
    SetupTransfer& setups_;
    LogImport& logImport_;
};

} // namespace pistaro
