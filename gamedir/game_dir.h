#pragma once
// The game folder: checking it, picking it, and recognising the language edition of GP2.EXE
// (which tells where the menu names and lap counts live inside it).
#include <QString>
#include <QtGlobal>

#include <array>
#include <stdexcept>
#include <string_view>

struct Gp2PsoBas;
class Dialogs;
class QWidget;

// GP2.EXE is missing or cannot be read.
class Gp2ExeError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One known edition of GP2.EXE: the text found at `position` (1-based) identifies it.
struct Gp2Edition {
    qint64 position;
    std::string_view text; // compared byte for byte over exactly its own length
    qint32 namesPos;       // byte before the circuit name table
    qint32 lapsPos;        // byte before the 16 lap-count bytes
};

// Tested in this order; the first match wins (rows 1 and 2 read one byte apart).
inline constexpr std::array<Gp2Edition, 7> Gp2Editions{{
    {5671742, "US English Version 1.0b", 5682444, 1951848},
    {5671743, "UK English Version 1.0b", 5682445, 1951848},
    {5673614, "Nederlandse versie 1.0b", 5684786, 1951896},
    {5675458, "Versi", 5687337, 1951900},
    {5674990, "Version", 5686683, 1951932},
    {5674331, "Versione", 5685991, 1951896},
    {5674544, "Deutsche Ausgabe 1.0b", 5686490, 1951896},
}};

// Appends the native separator to Gp2Dir when it lacks one (also when the check then fails),
// then answers whether Gp2Dir holds a non-empty GP2.EXE (name matched in any case).
bool IsGp2Dir(Gp2PsoBas& bas);

// Whether the game folder `gp2Dir` holds a non-empty Gp2Lap.exe (name matched in any case):
// the lap timer is started only then.
bool hasLapTimer(const QString& gp2Dir);

// The folder picker: the chosen folder without trailing separator, "" when cancelled.
QString BrowseForFolder(Dialogs& dialogs, const QString& title, QWidget* owner);

// Reads the edition texts of Gp2Dir's GP2.EXE into ExeVersionText; on a match sets NamesPos
// and LapsPos, otherwise leaves them as they were. Throws Gp2ExeError when GP2.EXE is missing
// or unreadable.
void DetectGp2Version(Gp2PsoBas& bas);

// What the Setup dialog says when the folder typed or picked holds no GP2.EXE.
QString NoGp2ExeMessage();
