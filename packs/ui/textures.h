#pragma once
// Texture file check (Check Jams) and the texture copies of an installation.
#include <QObject>
#include <QString>

class QListWidget;
class QPushButton;
class QWidget;
class MainForm;

class Textures final : public QObject {
    Q_OBJECT
public:
    Textures(MainForm& form, QWidget* parent);
    QPushButton* CheckJams; // "Check &Jams"
    QListWidget* JamList;   // hidden

    void CheckJams_Click();
    // Fills JamList from the circuit's texture list; false (and an empty list) when the file
    // cannot be read.
    bool GetJams(const QString& circuitPath);
    void JamsCheck();
    // Copies scratchDir/name to every JamList entry ending with it; appends to report. An
    // entry that would lead outside the game folder gets a report line instead of a copy.
    void CopyJam(const QString& scratchDir, const QString& name, QString& report);

private:
    MainForm& form_;
};
