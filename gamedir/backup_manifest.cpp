#include "gamedir/backup_manifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace gamebackup {

namespace {

const QChar kTab(u'\t');
// The first line of a manifest whose text fields are escaped (escaped()): older ones hold them
// raw, so a name with a line break or a tab was cut there.
const QString kEscapedFormat = QStringLiteral("format\t2");

// A name as one field of a line: a backslash, line break, carriage return or tab written as
// `\\`, `\n`, `\r`, `\t`.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == kTab)
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

QString unescaped(const QString& field) {
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field.at(i);
        const QChar next = i + 1 < field.size() ? field.at(i + 1) : QChar();
        if (c != u'\\' || !QStringView(u"\\nrt").contains(next)) {
            out += c;
            continue;
        }
        out += next == u'n'   ? QChar(u'\n')
               : next == u'r' ? QChar(u'\r')
               : next == u't' ? kTab
                              : next;
        ++i;
    }
    return out;
}

QString line(const QStringList& parts) {
    return parts.join(kTab) + u'\n';
}

} // namespace

bool isContentName(const QString& name) {
    if (name.size() != 64)
        return false;
    for (const QChar c : name)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    return true;
}

std::optional<Change> readChange(const QString& folder) {
    QFile manifest(QDir(folder).filePath(kManifest));
    bool reverted = false;
    if (!manifest.open(QIODevice::ReadOnly)) {
        manifest.setFileName(QDir(folder).filePath(kPutBack));
        if (!manifest.open(QIODevice::ReadOnly))
            return std::nullopt;
        reverted = true;
    }
    std::optional<Change> change = changeOfText(folder, manifest.readAll(), reverted);
    if (change)
        change->inProgress = QFileInfo::exists(QDir(folder).filePath(kInProgress));
    return change;
}

std::optional<Change> changeOfText(const QString& folder, const QByteArray& text, bool reverted) {
    Change change;
    change.folder = folder;
    change.reverted = reverted;
    const QString store = QDir(QFileInfo(folder).absolutePath()).filePath(kContents);
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    const bool escapedFields = lines.constFirst() == kEscapedFormat;
    for (const QString& text : lines) {
        QStringList parts = text.split(kTab);
        if (escapedFields)
            for (QString& part : parts)
                part = unescaped(part);
        const QString& key = parts.at(0);
        if (parts.size() == 2 && key == QLatin1String("command"))
            change.command = parts[1];
        else if (parts.size() == 2 && key == QLatin1String("made"))
            change.when = QDateTime::fromString(parts[1], Qt::ISODate);
        else if (parts.size() == 2 && key == QLatin1String("utc"))
            change.utc = QDateTime::fromString(parts[1], Qt::ISODate);
        else if (parts.size() == 2 && key == QLatin1String("sequence"))
            change.sequence = parts[1].toLongLong();
        else if (parts.size() == 2 && key == QLatin1String("game"))
            change.game = parts[1];
        else if (parts.size() == 2 && key == QLatin1String("reverts"))
            change.reverts = parts[1];
        else if (parts.size() >= 5 && key == QLatin1String("stored")) {
            Entry entry;
            entry.sha256 = parts[1];
            entry.copy = QDir(store).filePath(parts[1]);
            bool ok = false;
            const qint64 ms = parts[2].toLongLong(&ok);
            if (ok && ms >= 0)
                entry.modified = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
            entry.permissions = parts[3].toInt(&ok);
            if (!ok)
                entry.permissions = -1;
            entry.original = parts.mid(4).join(kTab);
            change.entries.append(entry);
        } else if (parts.size() >= 3 && key == QLatin1String("linked") &&
                   !change.entries.isEmpty() &&
                   change.entries.last().original == parts.mid(2).join(kTab)) {
            // Follows the stored line of a link: its bytes are what the link led to.
            change.entries.last().link = parts[1];
        } else if (parts.size() == 3 && key == QLatin1String("file")) {
            Entry entry;
            entry.original = parts[2];
            entry.copy = QDir(folder).filePath(parts[1]);
            change.entries.append(entry);
        } else if (parts.size() >= 2 && key == QLatin1String("absent")) {
            Entry entry;
            entry.original = parts.mid(1).join(kTab);
            change.entries.append(entry);
        }
    }
    if (change.entries.isEmpty())
        return std::nullopt;
    return change;
}

QByteArray manifestText(const Change& change) {
    QString text = kEscapedFormat + u'\n' +
                   line({QStringLiteral("command"), escaped(change.command)}) +
                   line({QStringLiteral("made"), change.when.toString(Qt::ISODate)}) +
                   line({QStringLiteral("utc"), change.utc.toUTC().toString(Qt::ISODate)}) +
                   line({QStringLiteral("sequence"), QString::number(change.sequence)});
    if (!change.game.isEmpty())
        text += line({QStringLiteral("game"), escaped(change.game)});
    if (!change.reverts.isEmpty())
        text += line({QStringLiteral("reverts"), escaped(change.reverts)});
    for (const Entry& entry : change.entries) {
        if (entry.copy.isEmpty()) {
            text += line({QStringLiteral("absent"), escaped(entry.original)});
            continue;
        }
        text += line({QStringLiteral("stored"), entry.sha256,
                      QString::number(entry.modified.isValid() ? entry.modified.toMSecsSinceEpoch()
                                                               : qint64(-1)),
                      QString::number(entry.permissions), escaped(entry.original)});
        if (!entry.link.isEmpty())
            text += line({QStringLiteral("linked"), escaped(entry.link), escaped(entry.original)});
    }
    return text.toUtf8();
}

} // namespace gamebackup
