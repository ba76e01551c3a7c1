#pragma once
// Opening and closing the lap time database with its settings row (DbOpen, DbClose),
// and the Setup dialog that edits the settings.
#include <QObject>
#include <QString>

class QWidget;
class MainForm;
class SetupDialog;

class Settings final : public QObject {
    Q_OBJECT
public:
    Settings(MainForm& form, QWidget* parent);

    void DbOpen(const QString& name);
    void DbClose();
    void FileSetup_Click(); // shows the Setup dialog, modal

    SetupDialog* setupDialog(); // created on first use

private:
    MainForm& form_;
    SetupDialog* setup_ = nullptr;
};
