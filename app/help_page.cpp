#include "app/help_page.h"

#include "platform/binfile.h"

#include <QDir>

namespace pistaro {

QString helpPage(const QString& dataDir) {
    const QString dir = dataDir + QDir::separator() + QStringLiteral("help") + QDir::separator();
    for (const char* name : {"help.htm", "help.html"}) {
        const QString page = dir + QString::fromLatin1(name);
        if (binfile::length(page) > 0)
            return page;
    }
    return {};
}

QString builtHomePage() {
    return QStringLiteral(PSO_HOME_PAGE);
}

} // namespace pistaro
