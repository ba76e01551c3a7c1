#include "app/help_page.h"

#include "platform/binfile.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

namespace pistaro {

QString helpPage(const QString& dataDir, const QString& language) {
    const QString dir = dataDir + QDir::separator() + QStringLiteral("help") + QDir::separator();
    QStringList names{QStringLiteral("help.htm"), QStringLiteral("help.html")};
    // Only a plain language code names a file: nothing else of a locale reaches the path.
    static const QRegularExpression code(QStringLiteral("^[a-z]{2}$"));
    if (code.match(language).hasMatch())
        names.prepend(QStringLiteral("help.%1.htm").arg(language));
    for (const QString& name : names) {
        const QString page = dir + name;
        if (binfile::length(page) > 0)
            return page;
    }
    return {};
}

QString builtHomePage() {
    return QStringLiteral(PSO_HOME_PAGE);
}

} // namespace pistaro
