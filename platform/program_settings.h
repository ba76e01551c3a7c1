#pragma once
// The settings of this machine that belong to no database (the DOS emulator command, the
// browser's columns, window sizes): one QSettings file for every part of the program.
#include <QSettings>

inline QSettings programSettings() {
    return QSettings(QStringLiteral("pistaro"), QStringLiteral("pistaro"));
}
