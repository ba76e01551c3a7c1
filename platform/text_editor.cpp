#include "platform/text_editor.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>

namespace texteditor {

namespace {

const QString kMimeType = QStringLiteral("text/plain");

// The keys of one group of an XDG key file (no locale variants, the plain key only).
QHash<QString, QString> readGroup(const QString& path, const QString& group) {
    QHash<QString, QString> keys;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    QTextStream in(&f);
    bool inside = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inside = line == u'[' + group + u']';
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (inside && eq > 0)
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

QStringList idList(const QString& value) {
    return value.split(u';', Qt::SkipEmptyParts);
}

// The desktop entry ids for text/plain in the order the MIME applications rules give.
QStringList candidates() {
    QStringList desktops;
    for (const QString& d :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        desktops << d.toLower();
    QStringList lists;
    auto addDir = [&](const QString& dir) {
        for (const QString& d : desktops)
            lists << dir + u'/' + d + QStringLiteral("-mimeapps.list");
        lists << dir + QStringLiteral("/mimeapps.list");
    };
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        addDir(dir);
    const QStringList appDirs =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& dir : appDirs)
        addDir(dir);
    QStringList ids;
    for (const QString& list : lists)
        ids << idList(readGroup(list, QStringLiteral("Default Applications")).value(kMimeType));
    for (const QString& list : lists)
        ids << idList(readGroup(list, QStringLiteral("Added Associations")).value(kMimeType));
    for (const QString& dir : appDirs)
        ids << idList(
            readGroup(dir + QStringLiteral("/mimeinfo.cache"), QStringLiteral("MIME Cache"))
                .value(kMimeType));
    ids.removeDuplicates();
    return ids;
}

// Unescapes the key file's string escapes (\s \n \t \r \\); other backslashes are the Exec
// line's own quoting and stay.
QString unescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        const QString known = QStringLiteral("sntr\\");
        if (c != u'\\' || next.isNull() || !known.contains(next)) {
            out += c;
            continue;
        }
        ++i;
        out += next == u's'   ? QChar(u' ')
               : next == u'n' ? QChar(u'\n')
               : next == u't' ? QChar(u'\t')
               : next == u'r' ? QChar(u'\r')
                              : next;
    }
    return out;
}

// Splits an Exec line into arguments: blanks separate, double quotes group, and inside quotes
// a backslash takes the next character as it is.
bool splitExec(const QString& line, QStringList& args) {
    QString current;
    bool have = false, quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"')
                quoted = false;
            else if (c == u'\\' && i + 1 < line.size())
                current += line[++i];
            else
                current += c;
        } else if (c == u'"') {
            quoted = have = true;
        } else if (c == u' ' || c == u'\t') {
            if (have)
                args << current;
            current.clear();
            have = false;
        } else {
            current += c;
            have = true;
        }
    }
    if (quoted)
        return false;
    if (have)
        args << current;
    return true;
}

} // namespace

QStringList execCommand(const QString& exec, const QString& file, const QString& name,
                        const QString& icon, const QString& entryPath) {
    QStringList parts;
    if (!splitExec(unescapeValue(exec), parts) || parts.isEmpty())
        return {};
    const QString url = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    QStringList out;
    bool fileNamed = false;
    for (const QString& part : parts) {
        if (part == QLatin1String("%i")) {
            if (!icon.isEmpty())
                out << QStringLiteral("--icon") << icon;
            continue;
        }
        QString arg;
        bool dropped = false;
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (part[i] != u'%' || i + 1 == part.size()) {
                arg += part[i];
                continue;
            }
            const QChar code = part[++i];
            if (code == u'f' || code == u'F') {
                arg += file;
                fileNamed = true;
            } else if (code == u'u' || code == u'U') {
                arg += url;
                fileNamed = true;
            } else if (code == u'c') {
                arg += name;
            } else if (code == u'k') {
                arg += entryPath;
            } else if (code == u'%') {
                arg += u'%';
            } else if (part.size() == 2) {
                dropped = true; // a deprecated or unknown code standing alone goes
            }
        }
        if (!dropped)
            out << arg;
    }
    if (out.isEmpty())
        return {};
    if (!fileNamed)
        out << file;
    return out;
}

QStringList command(const QString& file) {
    for (const QString& id : candidates()) {
        const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
        if (path.isEmpty())
            continue;
        const QHash<QString, QString> e = readGroup(path, QStringLiteral("Desktop Entry"));
        if (e.value(QStringLiteral("Hidden")) == QLatin1String("true") ||
            e.value(QStringLiteral("Terminal")) == QLatin1String("true"))
            continue;
        const QString tryExec = e.value(QStringLiteral("TryExec"));
        if (!tryExec.isEmpty() && QStandardPaths::findExecutable(tryExec).isEmpty())
            continue;
        const QStringList cmd =
            execCommand(e.value(QStringLiteral("Exec")), file, e.value(QStringLiteral("Name")),
                        e.value(QStringLiteral("Icon")), path);
        if (cmd.isEmpty())
            continue;
        if (QStandardPaths::findExecutable(cmd.first()).isEmpty())
            continue;
        return cmd;
    }
    return {};
}

bool open(const QString& file) {
    QStringList cmd = command(file);
    if (cmd.isEmpty())
        return false;
    const QString program = cmd.takeFirst();
    return QProcess::startDetached(program, cmd);
}

} // namespace texteditor
