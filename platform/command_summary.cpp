#include "platform/command_summary.h"

#include "platform/dialogs.h"
#include "platform/shown_text.h"

#include <algorithm>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kCrLf2 = QStringLiteral("\r\n\r\n");
} // namespace

QString countOf(qsizetype n, const QString& one, const QString& many) {
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? one : many);
}

// A done line and an item are one line each: a name's control characters are shown, never
// break the message into lines of their own.
void CommandSummary::done(const QString& line) {
    done_ << shown::text(line);
}

void CommandSummary::failed(const QString& cause, const QString& item) {
    auto found = std::find_if(causes_.begin(), causes_.end(),
                              [&](const Cause& c) { return c.text == cause; });
    if (found == causes_.end()) {
        causes_.append({cause, {}});
        found = causes_.end() - 1;
    }
    const QString line = shown::text(item);
    if (!line.isEmpty() && !found->items.contains(line))
        found->items << line;
}

QString CommandSummary::text(const QString& headline) const {
    QStringList blocks{headline};
    if (!done_.isEmpty())
        blocks << done_.join(kCrLf);
    QStringList causes;
    for (const Cause& cause : causes_)
        causes << cause.text;
    if (!causes.isEmpty())
        blocks << causes.join(kCrLf);
    return blocks.join(kCrLf2);
}

QStringList CommandSummary::details() const {
    // With more than one cause the items stand indented under theirs.
    qsizetype listed = 0;
    for (const Cause& cause : causes_)
        listed += cause.items.isEmpty() ? 0 : 1;
    QStringList out;
    for (const Cause& cause : causes_) {
        if (cause.items.isEmpty())
            continue;
        if (listed > 1)
            out << cause.text;
        for (const QString& item : cause.items)
            out << (listed > 1 ? QStringLiteral("    ") + item : item);
    }
    return out;
}

void CommandSummary::show(Dialogs& dialogs, const QString& headline) const {
    dialogs.report(text(headline), details());
}
