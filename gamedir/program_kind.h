#pragma once
// What kind of program a file is, decided by its content: a program of this system, a DOS
// program (run through a DOS emulator), a Windows program (run through Wine), a PIF standing
// for a DOS program, or none of these.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

enum class ProgramKind { Native, Pif, Dos, Windows, Unknown };

// The start of a file this much long is enough for classifyProgram (with the four bytes at
// the offset that peOffset reads from it).
inline constexpr qsizetype kProgramHeadSize = 64;

// The offset stored in bytes 0x3C..0x3F of an MZ header (little-endian); -1 when `head` is
// too short to hold it.
qint64 peOffset(QByteArrayView head);

// `head`: the file's first bytes; `atPeOffset`: the four bytes at peOffset(head) (empty when
// there are none); `fileName`: for the ".pif", ".exe" and ".com" endings; `runBit`: whether the
// file may be executed here. A "#!" script without the run bit is no program (it is not a
// DOS COM image either, whatever its ending).
ProgramKind classifyProgram(QByteArrayView head, QByteArrayView atPeOffset, const QString& fileName,
                            bool runBit);

// Reads what classifyProgram needs from the file. A missing file is Unknown.
ProgramKind programKind(const QString& path);

// The DOS program a PIF names: the NUL-terminated name in the 63 bytes at 0x24, blanks
// trimmed; "" when the PIF is too short or names nothing.
QString pifProgramName(QByteArrayView pif);

// The file the PIF at `pifPath` stands for: the name it holds, resolved against the PIF's
// folder without regard to case (a DOS folder part, drive and all, is dropped when it does not
// resolve); failing that the PIF's own base name with ".exe", ".com" or ".bat" beside it.
// Only a file in the PIF's folder or below it counts, once ".." and links are resolved.
// "" when none exists.
QString pifTarget(const QString& pifPath);
