#pragma once
// Whole-file reads and writes for the tests.
#include <QByteArray>
#include <QString>

// The bytes of `path`; empty when it cannot be read.
QByteArray readFile(const QString& path);
// Writes `bytes` to `path`, replacing what was there; false when that failed.
bool writeFile(const QString& path, const QByteArray& bytes);
