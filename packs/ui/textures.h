#pragma once
// Texture file check (Check Jams) and the texture copies of an installation.
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QListWidget;
class QPushButton;
class QWidget;

namespace pistaro {

class WindowServices;
class TrackInfoPanel;

class Textures final : public QObject {
    Q_OBJECT
public:
    Textures(WindowServices& services, TrackInfoPanel& panel, QWidget* parent);
    QPushButton* CheckJams; // "Check &Jams"
    QListWidget* JamList;   // hidden

    void CheckJams_Click();
    // Fills JamList from the circuit's texture list; false (and an empty list) when the file
    // cannot be read.
    bool GetJams(const QString& circuitPath);
    void JamsCheck();
    // Copies each scratchDir/name to every JamList entry ending with it; appends to report.
    // An entry that would lead outside the game folder gets a report line instead of a copy;
    // past a bound the places are only counted. `keep` gets every target before the first
    // copy (to save the files there); when it returns false nothing is copied. Returns the
    // report lines of the copies that could not be written.
    QStringList CopyJam(const QString& scratchDir, const QStringList& names, QString& report,
                        const std::function<bool(const QStringList&)>& keep);

private:
    WindowServices& services_;
    TrackInfoPanel& panel_;
};

} // namespace pistaro
