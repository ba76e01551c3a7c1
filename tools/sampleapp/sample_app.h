#pragma once
// Prepares a program folder for a sample game folder: the definition files, the checksum
// tool, and a pso.mdb made with the program's own code whose "Gp2 Directory" names the game,
// so the first start opens it without asking.
#include <QString>

namespace sampleapp {
// Copies pso.def, maps.def (and sumfix, when `sumfix` is not empty) from `sourceAppDir`
// into `appDir` unless they are there already, then makes `dbName` with "Gp2 Directory" =
// `gameDir`. "First Time" is on as in a first run when `firstTime` is set; tests keep it off,
// so the circuits folder holds only what they put there. Returns false with *error set when
// something failed.
bool prepare(const QString& appDir, const QString& sourceAppDir, const QString& gameDir,
             const QString& dbName = QStringLiteral("pso.mdb"), const QString& sumfix = {},
             QString* error = nullptr, bool firstTime = false);
} // namespace sampleapp
