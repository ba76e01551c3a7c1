#pragma once
// Whole-file reads and writes for the tests.
#include <QByteArray>
#include <QString>

// The bytes of `path`; empty when it cannot be read.
QByteArray readFile(const QString& path);
// The bytes of `path`, or "<missing>" when it cannot be read, so that a lost file never reads
// the same as an empty one.
QByteArray readFileOrMissing(const QString& path);
// Writes `bytes` to `path`, making the folders on the way and replacing what was there; false
// when that failed.
bool writeFile(const QString& path, const QByteArray& bytes);
// As writeFile, for helpers that cannot fail a test themselves: throws std::runtime_error
// when the write failed.
void writeFileOrThrow(const QString& path, const QByteArray& bytes);
// As writeFile, for a script standing in for an outside program: its owner may run it.
bool writeProgram(const QString& path, const QByteArray& bytes);
// Writes `bytes` to a file made through the bytes of its path, which need not be UTF-8 (a name
// Qt cannot spell); false when that failed.
bool writeFileByBytes(const QByteArray& path, const QByteArray& bytes = {});
// Makes a named pipe at `path`, which a reader that opens it waits on for a writer; false when
// that failed.
bool makePipe(const QString& path);
