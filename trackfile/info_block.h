#pragma once
// The info block at the start of a circuit file: "#GP2INFO", then fields "|key|value", closed
// by "#", the rest of the 4096-byte area being filler ('~' where this program writes it).
// The routines only edit values of keys a block already holds: they never add, remove or
// reorder keys, never create a block, never change a file's length and never touch a byte
// from 4096 on.
#include <QByteArray>
#include <QString>

struct CurrentCircuit;

namespace infoblock {

inline constexpr qsizetype AreaSize = 4096;
inline constexpr char Filler = '~';
inline const QByteArray Tag = QByteArrayLiteral("#GP2INFO");

// The file's info area: its first 4096 bytes when they start with "#GP2INFO", else empty
// (also when the file is missing or unreadable). A file shorter than 4096 bytes gives its
// bytes followed by '~' up to 4096; the padding is not part of the file.
QByteArray readInfoArea(const QString& path);

// The value stored under `key` (decoded from Windows-1252, untrimmed), or "" when the key
// is absent, its value is unterminated, the key is empty or the area is empty.
QString getDat(const QByteArray& infoText, const QString& key);

// Replaces the value of `field` by `contents` (encoded in Windows-1252) and keeps the area
// at 4096 bytes: a shorter value leaves '~' at the end, a longer one drops the area's last
// bytes. Nothing changes when the field is empty or absent, its value is unterminated, or
// the longer value would push the block's closing delimiter out of the area (that would
// cut off block content). Returns whether `infoText` changed its value.
bool updateDatInfo(QByteArray& infoText, const QString& field, const QString& contents);

// The most bytes the value of `field` can take with updateDatInfo succeeding; -1 when the
// area holds no value for `field` to replace.
qsizetype longestValue(const QByteArray& infoText, const QString& field);

// Writes `infoText` over the start of the existing file `path`, in place. Never creates a
// file and never grows one: a file shorter than the area gets only as many bytes as it
// has. An empty `infoText` writes nothing and succeeds. Refuses (false, *error set) when
// the file is missing or unwritable, or when either the area or the file does not start
// with "#GP2INFO", so that no block is ever written into a file that has none.
bool writeInfoArea(const QString& path, const QByteArray& infoText, QString* error = nullptr);

} // namespace infoblock

// The routines by their program names, on the current circuit's CurrentFile and InfoText.
// Loads InfoText from CurrentFile ("" when CurrentFile is "" or has no block).
void GetAllDatInfo(CurrentCircuit& st);
QString GetDat(const CurrentCircuit& st, const QString& key);
bool UpdateDatInfo(CurrentCircuit& st, const QString& field, const QString& contents);
// The write-back of "Update Track Info": InfoText over the start of CurrentFile. Nothing
// to write (CurrentFile or InfoText "") succeeds without touching a file.
bool WriteDatInfo(const CurrentCircuit& st, QString* error = nullptr);
