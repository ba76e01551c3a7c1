#pragma once
// Opening and closing the lap time database with its settings row (DbOpen, DbClose),
// and the Setup dialog that edits the settings.
#include "storage/catalogue_check.h"
#include "storage/open_database.h"

#include <QObject>
#include <QString>

class QWidget;

namespace pistaro {

class WindowServices;
class SetupDialog;

class LapTimeDatabase final : public QObject {
    Q_OBJECT
public:
    LapTimeDatabase(WindowServices& services, QWidget* parent);

    // Opens `name` of the program folder (making, repairing or updating it as needed),
    // reads the settings and makes sure the game folder is valid. Ends the program when the
    // database cannot be used (a newer layout included, left untouched) or no game folder is
    // chosen.
    void DbOpen(const QString& name);
    // Writes the run-time settings back and closes the database.
    void DbClose();
    void FileSetup_Click(); // shows the Setup dialog, modal

    SetupDialog* setupDialog(); // created on first use

private:
    dbopen::Policy openCatalogue(const QString& name, dbopen::Policy allowed);
    dbopen::Policy openFile(const QString& name, dbopen::Policy allowed);
    bool openRecordsets();
    CatalogueFaults catalogueFaults();
    bool needsUpdate(const QString& name, bool updated);
    void update(const QString& name);
    void readSettings();
    void requireGameFolder(bool firstTime);
    void checkLapTimer();
    void copyOriginalCircuits();
    void release();

    WindowServices& services_;
    SetupDialog* setup_ = nullptr;
    // Why the last open left no database open ("" when it opened), for the message that ends
    // the program.
    QString openFailure_;
};

} // namespace pistaro
