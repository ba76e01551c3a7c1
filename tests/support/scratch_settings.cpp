#include "tests/support/scratch_settings.h"

#include <QDir>
#include <QSettings>

namespace scratchsettings {

namespace {
bool chosen = false;

void point(const QString& folder) {
    QDir().mkpath(folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
} // namespace

void use(const QString& folder) {
    chosen = true;
    point(folder);
}

void useUnlessChosen(const QString& folder) {
    if (!chosen)
        point(folder);
}

} // namespace scratchsettings
