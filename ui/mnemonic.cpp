#include "ui/mnemonic.h"

namespace pistaro {

QString withFreeMnemonic(const QString& text, QString& taken) {
    QString shown = text;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown.at(i).toLower();
        if (!c.isLetterOrNumber() || taken.contains(c))
            continue;
        taken += c;
        return shown.insert(i, QLatin1Char('&'));
    }
    return shown;
}

} // namespace pistaro
