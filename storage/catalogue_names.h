#pragma once
// The names of the tables, fields and indexes of the lap time database ("pso.def") and of the
// menu picture database ("maps.def"), in one place: the definition files make them, and the
// stored files of players carry them, so a name here never changes.
#include <QString>

namespace catalogue {

// Tables.
inline const QString Tracks = QStringLiteral("Tracks");
inline const QString Parameters = QStringLiteral("Parameters");
inline const QString Maps = QStringLiteral("Maps");       // of Maps.mdb
inline const QString History = QStringLiteral("History"); // every record the log import filed

// Indexes: each is named after the one field it orders by.
inline const QString NameIndex = QStringLiteral("Name");   // Tracks, Maps
inline const QString CodeIndex = QStringLiteral("Code");   // Parameters
inline const QString SizeIndex = QStringLiteral("Size");   // Tracks
inline const QString TrackIndex = QStringLiteral("Track"); // History

// Fields of Tracks; Name and the two menu pictures are fields of Maps as well.
inline const QString Name = QStringLiteral("Name");
inline const QString Country = QStringLiteral("Country");
inline const QString Size = QStringLiteral("Size"); // bytes of an original circuit's file
inline const QString Laps = QStringLiteral("Laps");
inline const QString Tyre = QStringLiteral("Tyre");
inline const QString Length = QStringLiteral("Length");
inline const QString Slot = QStringLiteral("Slot");
inline const QString Original = QStringLiteral("Original");
inline const QString Event = QStringLiteral("Event");
inline const QString Author = QStringLiteral("Author");
inline const QString Description = QStringLiteral("Description");
inline const QString CarSetup = QStringLiteral("Car Setup Information");
inline const QString WarmUpTime = QStringLiteral("Warm Up Time");
inline const QString PracticeTime = QStringLiteral("Practice Time");
inline const QString QualifyingTime = QStringLiteral("Qualifying Time");
inline const QString RaceTime = QStringLiteral("Race Time");
inline const QString MenuPicture = QStringLiteral("Menu Picture");
inline const QString MenuPicture2 = QStringLiteral("Menu Picture 2");

// Fields of Parameters, whose one row has Code 1.
inline const QString Code = QStringLiteral("Code");
inline const QString Version = QStringLiteral("Version");
inline const QString Gp2Directory = QStringLiteral("Gp2 Directory");
inline const QString CircuitsDirectory = QStringLiteral("Circuits Directory");
inline const QString UseGp2Lap = QStringLiteral("Use Gp2Lap");
inline const QString DeleteLogFile = QStringLiteral("Delete Log File");
inline const QString RenameLogFile = QStringLiteral("Rename Log File");
inline const QString QuickUpdate = QStringLiteral("Quick Update");
inline const QString CarSetupManagement = QStringLiteral("Car Setup Management");
inline const QString FirstTime = QStringLiteral("First Time");
inline const QString Execution = QStringLiteral("Execution");
inline const QString TimeRunningGp2 = QStringLiteral("Time Running Gp2");
inline const QString FirstUse = QStringLiteral("First Use");
inline const QString LastUse = QStringLiteral("Last Use");

// Fields of History, one row per record in the order filed: the track's catalogue name, the
// session kind ("Warm up", "Practice", "Qualifying", "Race"), the new time, the best it beat
// ("" for the first time of its kind) and when it was filed ("yyyy-MM-dd hh:mm:ss", local).
inline const QString Track = QStringLiteral("Track");
inline const QString Session = QStringLiteral("Session");
inline const QString Time = QStringLiteral("Time");
inline const QString PreviousBest = QStringLiteral("Previous Best");
inline const QString Date = QStringLiteral("Date");

} // namespace catalogue
