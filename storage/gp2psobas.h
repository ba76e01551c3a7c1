#pragma once
// Gp2PsoBas: the program's shared state, one object for the whole run, with the names the
// program's routines use. It lives in storage/ because every layer from here up reads it.
// Its fields are grouped by kind; a routine that needs one group takes that group.
#include "platform/dialogs.h"
#include "platform/progress.h"
#include "storage/engine.h"

#include <QByteArray>
#include <QString>
#include <memory>

// Where the program and the game are.
struct Folders {
    QString Gp2Dir; // game folder, ends in the native separator once validated
    QString AppDir; // program folder, no trailing separator: where the program writes
    // An installed program reads its help pages from the installed data and starts sumfix
    // from beside pso; empty means AppDir (a program folder that holds everything).
    QString DataDir;
    QString ExeDir;
    QString DbName = QStringLiteral("pso.mdb"); // the lap time database in use

    QString dataDir() const { return DataDir.isEmpty() ? AppDir : DataDir; }
    QString exeDir() const { return ExeDir.isEmpty() ? AppDir : ExeDir; }
};

// Edition of GP2.EXE.
struct GameEdition {
    qint32 NamesPos = 0;
    qint32 LapsPos = 0;
    QString ExeVersionText;
    QString Gp2Version;
};

// Mirrors of the settings row.
struct SettingsMirrors {
    bool UseGp2Lap = false;
    bool DeleteLogFile = false;
    bool RenameLogFile = false;
    // The last lap log import could not store every time: the log is left for the next one.
    bool KeepLapLog = false;
    bool QuickUpdate = false;
    bool CarSetupManagement = false;
    int DbVersion = 0;
};

// The open lap time database and catalogue, and the menu picture database.
struct OpenDatabases {
    std::unique_ptr<Database> Db;
    std::unique_ptr<Recordset> ParamsRs;
    std::unique_ptr<Recordset> TracksRs;
    std::unique_ptr<Database> MapsDb;
    std::unique_ptr<Recordset> MapsRs;
};

// The circuit the track info panel shows. Only the panel sets it.
struct CurrentCircuit {
    QString CurrentFile;  // full path of the circuit whose record is loaded
    QString SelectedFile; // circuit last selected in a list
    QByteArray InfoText;  // its 4096-byte info area, or empty
    bool OriginalTrack = false;
    QByteArray CarSetupInfo; // 96 setup bytes, or empty
};

struct Gp2PsoBas : Folders, GameEdition, SettingsMirrors, OpenDatabases, CurrentCircuit {
    QString StatusText; // upper line of the Status window while a database is made

    static inline const QString CrLf = QStringLiteral("\r\n");
    static inline const QString CrLf2 = QStringLiteral("\r\n\r\n");

    Dialogs* dialogs = nullptr; // never null while the program runs
    StatusSink* status = nullptr;
};
