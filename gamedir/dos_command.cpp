#include "gamedir/dos_command.h"

#include "gamedir/dos_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// DOS keeps the command tail in 127 bytes, its closing carriage return included.
constexpr qsizetype kMaxTail = 126;

QString cannotStart(const QString& program, const QString& why) {
    return QCoreApplication::translate("DosCommands", "Cannot start %1: %2")
        .arg(QFileInfo(program).fileName(), why);
}

// What in `text` the emulator would not take as plain text in a line of its [autoexec]: it
// expands %...% and a line break ends the line. "" when there is nothing of the kind.
QString unsafeInCommand(const QString& text) {
    for (const QChar c : text) {
        if (c == u'%')
            //: What a folder or argument holds, after "… holds ".
            return QCoreApplication::translate(
                "DosCommands", "a percent sign (%), which the DOS emulator reads as a variable");
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control)
            //: What a folder or argument holds, after "… holds ".
            return QCoreApplication::translate("DosCommands",
                                               "a line break or another control character, which "
                                               "the DOS emulator reads as the end of a command");
    }
    return {};
}

// A path or argument as a message shows it: native separators, control characters as "<U+000A>".
QString shownText(const QString& text) {
    QString out;
    for (const QChar c : QDir::toNativeSeparators(text)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control)
            out += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString noShortForm(const QString& program, const QString& name) {
    return cannotStart(
        program, QCoreApplication::translate("DosCommands", "the name \"%1\" has no DOS (8.3) form")
                     .arg(name));
}

} // namespace

DosCommands dosCommands(const QString& gameDir, const QString& program,
                        const QStringList& arguments, const QString& cdImage) {
    const QString programDir = QDir::cleanPath(QFileInfo(program).absolutePath());
    QList<DosMount> mounts;
    if (!gameDir.isEmpty())
        mounts.append({QLatin1Char('C'), QDir::cleanPath(QDir(gameDir).absolutePath())});
    // The game looks for its CD on D:, so a program folder outside the game folder moves on.
    const QChar outside = cdImage.isEmpty() ? QLatin1Char('D') : QLatin1Char('E');
    if (mounts.isEmpty() || !dosPath(mounts, programDir).mounted)
        mounts.append({mounts.isEmpty() ? QLatin1Char('C') : outside, programDir});
    // A file handed over from outside the mounted folders (an archive's texture unpacked into
    // a temporary folder) brings its folder as the next free drive. Other arguments that look
    // like paths ("/q" is a DOS switch) stay as they are.
    for (const QString& argument : arguments) {
        if (!QDir::isAbsolutePath(argument) || dosPath(mounts, argument).mounted ||
            !QFileInfo(argument).isFile())
            continue;
        QChar drive = QLatin1Char('D');
        const auto taken = [&](QChar d) {
            return (d == u'D' && !cdImage.isEmpty()) ||
                   std::any_of(mounts.cbegin(), mounts.cend(),
                               [d](const DosMount& m) { return m.drive == d; });
        };
        while (taken(drive) && drive < u'Z')
            drive = QChar(drive.unicode() + 1);
        mounts.append({drive, QDir::cleanPath(QFileInfo(argument).absolutePath())});
    }

    DosCommands out;
    QStringList commands;
    QList<DosMount> folders = mounts;
    if (!cdImage.isEmpty())
        folders.insert(1,
                       {QLatin1Char('D'), QDir::cleanPath(QFileInfo(cdImage).absoluteFilePath())});
    for (const DosMount& m : folders) {
        QString unsafe = unsafeInCommand(m.folder);
        if (unsafe.isEmpty() && m.folder.contains(QLatin1Char('"')))
            //: What a folder holds, after "… holds ".
            unsafe = QCoreApplication::translate("DosCommands", "a double quote");
        if (!unsafe.isEmpty()) {
            const QString why =
                m.drive == u'D' && !cdImage.isEmpty()
                    ? QCoreApplication::translate("DosCommands", "the CD image %1 holds %2")
                    : QCoreApplication::translate("DosCommands", "the folder %1 holds %2");
            out.error = cannotStart(program, why.arg(shownText(m.folder), unsafe));
            return out;
        }
        if (m.drive == u'D' && !cdImage.isEmpty())
            commands << QStringLiteral("imgmount D \"%1\" -t iso").arg(m.folder);
        else
            commands << QStringLiteral("mount %1 \"%2\"").arg(m.drive, m.folder);
    }
    // Every argument goes into the command that starts the program, path or not.
    for (const QString& text : QStringList{program} + arguments) {
        const QString unsafe = unsafeInCommand(text);
        if (!unsafe.isEmpty()) {
            const QString why =
                text == program
                    ? QCoreApplication::translate("DosCommands", "its path \"%1\" holds %2")
                    : QCoreApplication::translate("DosCommands", "the argument \"%1\" holds %2");
            out.error = cannotStart(program, why.arg(shownText(text), unsafe));
            return out;
        }
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
        out.error = cannotStart(
            program,
            QCoreApplication::translate("DosCommands", "its arguments are longer than DOS allows"));
        return out;
    }

    const QString name = file.path.mid(file.path.lastIndexOf(QLatin1Char('\\')) + 1);
    if (name.startsWith(QLatin1Char('#'))) {
        out.error = cannotStart(
            program, QCoreApplication::translate(
                         "DosCommands", "DOSBox reads a line that starts with # as a remark"));
        return out;
    }
    // A batch file started without CALL would never come back to the closing "exit".
    const QString start =
        name.endsWith(QLatin1String(".BAT")) ? QStringLiteral("CALL ") + name : name;
    commands << where.path.left(2) << QStringLiteral("cd ") + where.path.mid(2)
             << (tail.isEmpty() ? start : start + QLatin1Char(' ') + tailText)
             << QStringLiteral("exit");
    out.commands = commands;
    return out;
}
