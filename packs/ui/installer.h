#pragma once
// Installation of circuits from ZIP archives (menu "&Install new Track").
#include <QObject>
#include <QString>

class QWidget;
class FileListBox;
class MainForm;

class Installer final : public QObject {
    Q_OBJECT
public:
    Installer(MainForm& form, QWidget* parent);
    FileListBox* ZipDir; // hidden: the files of the scratch folder
    void Install_Click();

    QString LastArchiveFolder;
    QString InstallReport;

private:
    MainForm& form_;
};
