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
    void GetJams(const QString& circuitPath);
    void JamsCheck();
    // Copies scratchDir/name to every JamList entry ending with it; appends to report.
    void CopyJam(const QString& scratchDir, const QString& name, QString& report);

private:
    MainForm& form_;
};
