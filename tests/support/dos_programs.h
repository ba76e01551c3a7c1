#pragma once
// The DOS stand-ins assembled at build time (tests/support/dos) and what the tests need to run
// them through the real DOS emulator without a display.
#include <QByteArray>
#include <QString>

namespace dosprograms {

// Points HOME and XDG_CONFIG_HOME at `scratch` (the emulator writes its configuration under
// HOME; the machine settings are read from XDG_CONFIG_HOME), gives the emulator dummy video and
// audio drivers, and names `emulator` as this machine's DOS emulator. Call before anything
// reads the machine settings.
void useScratchHome(const QString& scratch, const QString& emulator = QStringLiteral("dosbox"));

// Writes the stand-in `name` ("tailrec": its command tail into TAIL.TXT; "laplog": gp2lap.log
// with one lap on slot 3; "mkfile": an empty file named by its first argument; "cdread":
// D:\GP2CD.TXT copied to FROMCD.TXT in its folder) to `path`.
void install(const char* name, const QString& path);

// Makes an ISO 9660 image at `iso` of the files in `folder` (with genisoimage). Throws when it
// cannot.
void makeIso(const QString& folder, const QString& iso);

// Writes a PIF at `path` naming `program` at offset 0x24.
void writePif(const QString& path, const QByteArray& program);

} // namespace dosprograms
