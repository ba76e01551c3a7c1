#pragma once
// The program's version as shown in the splash and the About box. The numbers come from the
// project version in CMake; the fallbacks keep the header usable on its own.
#include <QCoreApplication>
#include <QString>

namespace pistaro {

#ifndef PSO_VERSION_MAJOR
#define PSO_VERSION_MAJOR 1
#endif
#ifndef PSO_VERSION_MINOR
#define PSO_VERSION_MINOR 7
#endif
#ifndef PSO_VERSION_PATCH
#define PSO_VERSION_PATCH 0
#endif

inline constexpr int kVersionMajor = PSO_VERSION_MAJOR;
inline constexpr int kVersionMinor = PSO_VERSION_MINOR;
inline constexpr int kVersionRevision = PSO_VERSION_PATCH;

// "Version 1.7.0": each part a plain decimal number.
inline QString versionText() {
    return QCoreApplication::translate("version", "Version %1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

} // namespace pistaro
