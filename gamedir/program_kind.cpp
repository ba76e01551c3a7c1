#include "gamedir/program_kind.h"

#include "platform/gamepath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool endsWith(const QString& fileName, const char* suffix) {
    return fileName.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

// `path` when it is a file in `folder` or below it, ".." and links resolved: a PIF names a
// program of its own folder, never one elsewhere.
QString existingFile(const QString& folder, const QString& path) {
    const QFileInfo info(path);
    const QString base = QFileInfo(folder).canonicalFilePath();
    const QString real = info.canonicalFilePath();
    if (!info.isFile() || base.isEmpty() || real.isEmpty())
        return {};
    const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
    return real.startsWith(prefix) ? path : QString();
}

} // namespace

qint64 peOffset(QByteArrayView head) {
    if (head.size() < 0x40)
        return -1;
    const auto byte = [&](int i) { return qint64(static_cast<unsigned char>(head[i])); };
    return byte(0x3C) | byte(0x3D) << 8 | byte(0x3E) << 16 | byte(0x3F) << 24;
}

ProgramKind classifyProgram(QByteArrayView head, QByteArrayView atPeOffset, const QString& fileName,
                            bool runBit) {
    if (head.startsWith("\x7f"
                        "ELF"))
        return runBit ? ProgramKind::Native : ProgramKind::Unknown;
    if (head.startsWith("#!"))
        return runBit ? ProgramKind::Native : ProgramKind::Unknown;
    if (endsWith(fileName, ".pif"))
        return ProgramKind::Pif;
    if (head.startsWith("MZ"))
        return atPeOffset == QByteArrayView("PE\0\0", 4) ? ProgramKind::Windows : ProgramKind::Dos;
    if (!head.isEmpty() && (endsWith(fileName, ".exe") || endsWith(fileName, ".com")))
        return ProgramKind::Dos; // a COM image has no header at all
    return ProgramKind::Unknown;
}

ProgramKind programKind(const QString& path) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return ProgramKind::Unknown;
    const QByteArray head = f.read(kProgramHeadSize);
    QByteArray atPe;
    const qint64 offset = peOffset(head);
    if (head.startsWith("MZ") && offset >= 0 && offset < f.size() && f.seek(offset))
        atPe = f.read(4);
    return classifyProgram(head, atPe, QFileInfo(path).fileName(), QFileInfo(path).isExecutable());
}

QString pifProgramName(QByteArrayView pif) {
    constexpr qsizetype kNameAt = 0x24;
    constexpr qsizetype kNameSize = 63;
    if (pif.size() <= kNameAt)
        return {};
    QByteArrayView name = pif.sliced(kNameAt, qMin(kNameSize, pif.size() - kNameAt));
    const qsizetype end = name.indexOf('\0');
    if (end >= 0)
        name = name.first(end);
    return QString::fromLatin1(name).trimmed();
}

QString pifTarget(const QString& pifPath) {
    QFile f(pifPath);
    const QFileInfo pif(pifPath);
    const QString folder = pif.absolutePath();
    if (f.open(QIODevice::ReadOnly)) {
        QString name = pifProgramName(f.read(0x24 + 63));
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const bool dosAbsolute = name.startsWith(QLatin1Char('/')) ||
                                 (name.size() >= 2 && name.at(1) == QLatin1Char(':'));
        if (!name.isEmpty() && !dosAbsolute) {
            const QString found = existingFile(folder, gamepath::join(folder, name));
            if (!found.isEmpty())
                return found;
        }
        const QString bare = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
        if (!bare.isEmpty()) {
            const QString found = existingFile(folder, gamepath::join(folder, bare));
            if (!found.isEmpty())
                return found;
        }
    }
    for (const char* ending : {".exe", ".com", ".bat"}) {
        const QString found = existingFile(
            folder, gamepath::join(folder, pif.completeBaseName() + QLatin1String(ending)));
        if (!found.isEmpty())
            return found;
    }
    return {};
}
