#include "gamedir/dos_path.h"

#include <QDir>

namespace {

bool isDosNameChar(QChar c) {
    if (c.unicode() > 0x7e || c.unicode() <= 0x20)
        return false;
    // DOS allows '%' too, but the emulator reads it as the start of a variable.
    return c.isLetterOrNumber() || QStringView(u"!#$&'()-@^_`{}~").contains(c);
}

// The part of `path` below `folder` ("" for the folder itself), or null when outside it.
QString below(const QString& folder, const QString& path) {
    const QString base = QDir::cleanPath(folder);
    if (path == base)
        return QStringLiteral("");
    const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
    return path.startsWith(prefix) ? path.mid(prefix.size()) : QString();
}

} // namespace

bool isShortName(const QString& name) {
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    const QString ext = dot < 0 ? QString() : name.mid(dot + 1);
    if (base.isEmpty() || base.size() > 8 || ext.size() > 3 || (dot >= 0 && ext.isEmpty()))
        return false;
    for (QChar c : base + ext)
        if (!isDosNameChar(c))
            return false;
    return true;
}

DosPath dosPath(const QList<DosMount>& mounts, const QString& hostPath) {
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(hostPath));
    const DosMount* best = nullptr;
    QString rest;
    for (const DosMount& m : mounts) {
        const QString r = below(m.folder, path);
        if (!r.isNull() &&
            (!best || QDir::cleanPath(m.folder).size() > QDir::cleanPath(best->folder).size())) {
            best = &m;
            rest = r;
        }
    }
    DosPath result;
    if (!best)
        return result;
    result.mounted = true;
    QString dos = QString(best->drive.toUpper()) + QStringLiteral(":\\");
    const QStringList names = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& name : names) {
        if (!isShortName(name)) {
            result.badName = name;
            return result;
        }
        dos += name.toUpper() + QLatin1Char('\\');
    }
    if (!names.isEmpty())
        dos.chop(1);
    result.path = dos;
    return result;
}
