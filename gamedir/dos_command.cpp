#include "gamedir/dos_command.h"

#include "gamedir/dos_path.h"

#include <QDir>
#include <QFileInfo>

namespace {

// DOS keeps the command tail in 127 bytes, its closing carriage return included.
constexpr qsizetype kMaxTail = 126;

QString cannotStart(const QString& program, const QString& why) {
    return QStringLiteral("Cannot start ") + QFileInfo(program).fileName() + QStringLiteral(": ") +
           why;
}

QString noShortForm(const QString& program, const QString& name) {
    return cannotStart(program, QStringLiteral("the name \"") + name +
                                    QStringLiteral("\" has no DOS (8.3) form"));
}

} // namespace

EmulatorArguments dosboxArguments(const QString& gameDir, const QString& program,
                                  const QStringList& arguments) {
    const QString programDir = QDir::cleanPath(QFileInfo(program).absolutePath());
    QList<DosMount> mounts;
    if (!gameDir.isEmpty())
        mounts.append({QLatin1Char('C'), QDir::cleanPath(QDir(gameDir).absolutePath())});
    if (mounts.isEmpty() || !dosPath(mounts, programDir).mounted)
        mounts.append({mounts.isEmpty() ? QLatin1Char('C') : QLatin1Char('D'), programDir});

    EmulatorArguments out;
    QStringList commands;
    for (const DosMount& m : mounts) {
        if (m.folder.contains(QLatin1Char('"'))) {
            out.error = cannotStart(program, QStringLiteral("the folder ") +
                                                 QDir::toNativeSeparators(m.folder) +
                                                 QStringLiteral(" holds a double quote"));
            return out;
        }
        commands << QStringLiteral("mount %1 \"%2\"").arg(m.drive, m.folder);
    }

    const DosPath where = dosPath(mounts, programDir);
    const DosPath file = dosPath(mounts, QFileInfo(program).absoluteFilePath());
    if (!where.badName.isEmpty() || !file.badName.isEmpty()) {
        out.error = noShortForm(program, where.badName.isEmpty() ? file.badName : where.badName);
        return out;
    }

    QStringList tail;
    for (const QString& argument : arguments) {
        if (!QDir::isAbsolutePath(argument)) {
            tail << argument;
            continue;
        }
        const DosPath dos = dosPath(mounts, argument);
        if (!dos.badName.isEmpty()) {
            out.error = noShortForm(program, dos.badName);
            return out;
        }
        tail << (dos.mounted ? dos.path : argument);
    }
    const QString tailText = tail.join(QLatin1Char(' '));
    if (tailText.size() + 1 > kMaxTail) {
        out.error =
            cannotStart(program, QStringLiteral("its arguments are longer than DOS allows"));
        return out;
    }

    const QString name = file.path.mid(file.path.lastIndexOf(QLatin1Char('\\')) + 1);
    // A batch file started without CALL would never come back to the closing "exit".
    const QString start =
        name.endsWith(QLatin1String(".BAT")) ? QStringLiteral("CALL ") + name : name;
    commands << where.path.left(2) << QStringLiteral("cd ") + where.path.mid(2)
             << (tail.isEmpty() ? start : start + QLatin1Char(' ') + tailText)
             << QStringLiteral("exit");
    for (const QString& c : commands)
        out.arguments << QStringLiteral("-c") << c;
    return out;
}
