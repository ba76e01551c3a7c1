// How a program file is started: what kind of program its bytes make it, which DOS program a
// PIF stands for, DOS paths with their 8.3 names, and the DOS emulator's argument list.
#include "gamedir/dos_command.h"
#include "gamedir/dos_path.h"
#include "gamedir/program_kind.h"
#include "tests/support/dos_programs.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ProgramKind)

namespace {

// An MZ header whose bytes 0x3C..0x3F point at `peAt`, padded to `size`.
QByteArray mz(quint32 peAt, int size = 0x80) {
    QByteArray b(size, '\0');
    b[0] = 'M';
    b[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        b[0x3C + i] = char(peAt >> (8 * i));
    return b;
}

} // namespace

class ProgramStartTest final : public QObject {
    Q_OBJECT
    QTemporaryDir scratch_; // files handed to DOS programs from outside the mounted folders
private slots:
    void kindComesFromTheContent_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("runBit");
        QTest::addColumn<ProgramKind>("kind");
        QByteArray pe = mz(0x80, 0x100);
        pe.replace(0x80, 4, QByteArray("PE\0\0", 4));
        QTest::newRow("ELF") << QByteArray("\x7f"
                                           "ELF\x02\x01")
                             << "pso" << true << ProgramKind::Native;
        QTest::newRow("script with run bit, DOS name")
            << QByteArray("#!/bin/sh\n") << "Gp2.exe" << true << ProgramKind::Native;
        QTest::newRow("script without run bit")
            << QByteArray("#!/bin/sh\n") << "plain.exe" << false << ProgramKind::Unknown;
        QTest::newRow("script named .pif")
            << QByteArray("#!/bin/sh\n") << "gp2hipic.pif" << true << ProgramKind::Native;
        QTest::newRow("pif") << QByteArray(0x171, '\0') << "GP2HIPIC.PIF" << false
                             << ProgramKind::Pif;
        QTest::newRow("MZ, offset 0") << mz(0) << "GP2.EXE" << false << ProgramKind::Dos;
        QTest::newRow("MZ, offset past the end")
            << mz(0x10000) << "x.exe" << false << ProgramKind::Dos;
        QTest::newRow("MZ and PE") << pe << "setup.exe" << true << ProgramKind::Windows;
        QTest::newRow("COM image .exe")
            << QByteArray("\xb4\x4c\xcd\x21") << "Gp2Lap.exe" << false << ProgramKind::Dos;
        QTest::newRow("empty .exe") << QByteArray() << "Gp2.exe" << false << ProgramKind::Unknown;
    }
    // Through the file, so the reading of the PE signature at its offset is covered too.
    void kindComesFromTheContent() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(bool, runBit);
        QFETCH(ProgramKind, kind);
        QTemporaryDir tmp;
        const QString path = tmp.filePath(name);
        QVERIFY(writeFile(path, bytes));
        QFile::setPermissions(path, runBit ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        QCOMPARE(programKind(path), kind);
    }

    void pifNamesItsProgram_data() {
        QTest::addColumn<QByteArray>("named");  // at 0x24; "" for a PIF too short to hold a name
        QTest::addColumn<QStringList>("files"); // beside the PIF
        QTest::addColumn<QString>("target");    // "" for none
        QTest::newRow("named, other case")
            << QByteArray("GP2HIPIC.EXE") << QStringList{"gp2hipic.exe"} << "gp2hipic.exe";
        QTest::newRow("DOS folder part dropped")
            << QByteArray("C:\\GP2PSO\\HIPIC.EXE") << QStringList{"hipic.exe", "gp2hipic.com"}
            << "hipic.exe";
        QTest::newRow("missing: base name .com")
            << QByteArray("NOTHERE.EXE") << QStringList{"gp2hipic.com", "gp2hipic.bat"}
            << "gp2hipic.com";
        QTest::newRow("too short: base name .bat")
            << QByteArray() << QStringList{"GP2HIPIC.BAT"} << "GP2HIPIC.BAT";
        QTest::newRow("nothing there") << QByteArray("HIPIC.EXE") << QStringList{} << "";
        QTest::newRow("in a folder below") << QByteArray("TOOLS\\HIPIC.EXE")
                                           << QStringList{"tools/hipic.exe"} << "tools/hipic.exe";
        // Nothing outside the PIF's folder, however it is reached.
        QTest::newRow("folder above")
            << QByteArray("..\\OUTSIDE\\EVIL.EXE") << QStringList{"../OUTSIDE/EVIL.EXE"} << "";
        QTest::newRow("folder above, the same name beside")
            << QByteArray("..\\OUTSIDE\\EVIL.EXE") << QStringList{"../OUTSIDE/EVIL.EXE", "evil.exe"}
            << "evil.exe";
        QTest::newRow("link leading out")
            << QByteArray("HIPIC.EXE") << QStringList{"../OUTSIDE/EVIL.EXE", "hipic.exe>"} << "";
        QTest::newRow("base name a link leading out")
            << QByteArray("NOTHERE.EXE") << QStringList{"../OUTSIDE/EVIL.EXE", "gp2hipic.exe>"}
            << "";
    }
    void pifNamesItsProgram() {
        QFETCH(QByteArray, named);
        QFETCH(QStringList, files);
        QFETCH(QString, target);
        QTemporaryDir root;
        // The PIF's folder, with a folder beside it; a name ending in '>' is a link to the
        // file made before it.
        const QDir tmp(root.filePath("app"));
        QVERIFY(QDir().mkpath(tmp.filePath("tools")) && QDir().mkpath(root.filePath("OUTSIDE")));
        const QString pif = tmp.filePath("gp2hipic.pif");
        if (named.isEmpty())
            QVERIFY(writeFile(pif, QByteArray(0x20, '\0')));
        else
            dosprograms::writePif(pif, named);
        QString previous;
        for (QString f : files) {
            if (f.endsWith(u'>')) {
                f.chop(1);
                QVERIFY(QFile::link(previous, tmp.filePath(f)));
            } else {
                QVERIFY(writeFile(tmp.filePath(f), "MZ"));
            }
            previous = tmp.filePath(f);
        }
        QCOMPARE(pifTarget(pif), target.isEmpty() ? QString() : tmp.filePath(target));
        // The name ends at its NUL, or at the end of its 63 bytes.
        QByteArray full(0x24 + 70, 'A');
        QCOMPARE(pifProgramName(full), QString(63, u'A'));
    }

    void dosPathsUseShortNames_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("mounted");
        QTest::addColumn<QString>("dos");
        QTest::addColumn<QString>("badName");
        QTest::newRow("archive") << "/g/Grand Prix 2/Bitmaps/f1pcsvga.bin" << true
                                 << "C:\\BITMAPS\\F1PCSVGA.BIN"
                                 << "";
        QTest::newRow("the folder itself") << "/g/Grand Prix 2/" << true << "C:\\"
                                           << "";
        QTest::newRow("program folder")
            << "/apps/pso/tmpzip/a_b-1.jad" << true << "D:\\TMPZIP\\A_B-1.JAD"
            << "";
        QTest::newRow("deepest mount wins") << "/apps/pso/game/X.DAT" << true << "E:\\X.DAT"
                                            << "";
        QTest::newRow("outside") << "/tmp/x.bmp" << false << ""
                                 << "";
        QTest::newRow("prefix is not a folder") << "/g/Grand Prix 20/x" << false << ""
                                                << "";
        QTest::newRow("long name") << "/g/Grand Prix 2/Circuits/Long Name Track.dat" << true << ""
                                   << "Long Name Track.dat";
        QTest::newRow("nine characters") << "/g/Grand Prix 2/Circuits/monza2001.dat" << true << ""
                                         << "monza2001.dat";
        QTest::newRow("percent sign") << "/apps/pso/tmpzip/%PATH%.JAD" << true << ""
                                      << "%PATH%.JAD";
    }
    void dosPathsUseShortNames() {
        QFETCH(QString, host);
        QFETCH(bool, mounted);
        QFETCH(QString, dos);
        QFETCH(QString, badName);
        const QList<DosMount> mounts{
            {u'C', "/g/Grand Prix 2"}, {u'D', "/apps/pso"}, {u'E', "/apps/pso/game/"}};
        const DosPath p = dosPath(mounts, host);
        QCOMPARE(p.mounted, mounted);
        QCOMPARE(p.path, dos);
        QCOMPARE(p.badName, badName);
    }

    void emulatorArguments_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("commands"); // after the mount of C:
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("cdImage");
        const QString g = "/g/Grand Prix 2";
        QTest::newRow("menu picture tool beside the program")
            << "/apps/pso/gp2hipic.exe"
            << QStringList{"-q", "#7", g + "/Bitmaps/f1pcsvga.bin", g + "/Bitmaps/tmp.bmp"}
            << QStringList{"mount D \"/apps/pso\"", "D:", "cd \\",
                           "GP2HIPIC.EXE -q #7 C:\\BITMAPS\\F1PCSVGA.BIN C:\\BITMAPS\\TMP.BMP",
                           "exit"}
            << "" << QString();
        QTest::newRow("game in its folder, no arguments")
            << g + "/Gp2.exe" << QStringList{} << QStringList{"C:", "cd \\", "GP2.EXE", "exit"}
            << "" << QString();
        QTest::newRow("lap timer in a subfolder")
            << g + "/gp2lap/GP2LAP.EXE" << QStringList{"a b"}
            << QStringList{"C:", "cd \\GP2LAP", "GP2LAP.EXE a b", "exit"} << "" << QString();
        QTest::newRow("batch file is called")
            << g + "/run.bat" << QStringList{} << QStringList{"C:", "cd \\", "CALL RUN.BAT", "exit"}
            << "" << QString();
        QTest::newRow("path outside the mounts stays")
            << g + "/x.com" << QStringList{"/no/such/y"}
            << QStringList{"C:", "cd \\", "X.COM /no/such/y", "exit"} << "" << QString();
        // An unpacked texture in a temporary folder: its folder is the next drive.
        QVERIFY(writeFile(scratch_.filePath("WALL.JAD"), "jad"));
        const QString scratch = QDir::cleanPath(scratch_.path());
        QTest::newRow("file outside the mounts")
            << "/apps/pso/jad2jam.exe" << QStringList{scratch + "/WALL.JAD"}
            << QStringList{"mount D \"/apps/pso\"",
                           "mount E \"" + scratch + "\"",
                           "D:",
                           "cd \\",
                           "JAD2JAM.EXE E:\\WALL.JAD",
                           "exit"}
            << "" << QString();
        QTest::newRow("file outside the mounts, with the CD")
            << g + "/x.com" << QStringList{scratch + "/WALL.JAD"}
            << QStringList{"imgmount D \"/cd/gp2.iso\" -t iso",
                           "mount E \"" + scratch + "\"",
                           "C:",
                           "cd \\",
                           "X.COM E:\\WALL.JAD",
                           "exit"}
            << ""
            << "/cd/gp2.iso";
        QTest::newRow("argument without 8.3 form")
            << "/apps/pso/jad2jam.exe" << QStringList{"/apps/pso/tmpzip/Long Wall.jad"}
            << QStringList{}
            << "Cannot start jad2jam.exe: the name \"Long Wall.jad\" has no DOS (8.3) form"
            << QString();
        QTest::newRow("program folder without 8.3 form")
            << g + "/Lap Timer/gp2lap.exe" << QStringList{} << QStringList{}
            << "Cannot start gp2lap.exe: the name \"Lap Timer\" has no DOS (8.3) form" << QString();
        // The emulator expands %...% and splits its commands at line breaks: refused, never
        // passed on.
        const QString percent = ": the folder %1 holds a percent sign (%), which the DOS "
                                "emulator reads as a variable";
        const QString lineBreak = "a line break or another control character, which the DOS "
                                  "emulator reads as the end of a command";
        QTest::newRow("program folder with a percent sign")
            << "/apps/GP2 100%/gp2hipic.exe" << QStringList{} << QStringList{}
            << "Cannot start gp2hipic.exe" + percent.arg("/apps/GP2 100%") << QString();
        QTest::newRow("program folder with a line break")
            << "/apps/x\nmount E /\nmkdir E:\\OUT/gp2hipic.exe" << QStringList{} << QStringList{}
            << "Cannot start gp2hipic.exe: the folder /apps/x<U+000A>mount E /<U+000A>mkdir "
               "E:\\OUT holds " +
                   lineBreak
            << QString();
        QTest::newRow("program name with a percent sign")
            << g + "/GP%2.EXE" << QStringList{} << QStringList{}
            << "Cannot start GP%2.EXE: its path \"" + g +
                   "/GP%2.EXE\" holds a percent sign (%), which the DOS emulator reads as a "
                   "variable"
            << QString();
        QTest::newRow("archive entry with percent signs")
            << "/apps/pso/jad2jam.exe" << QStringList{"/apps/pso/tmpzip/%PATH%.JAD"}
            << QStringList{}
            << "Cannot start jad2jam.exe: the argument \"/apps/pso/tmpzip/%PATH%.JAD\" holds a "
               "percent sign (%), which the DOS emulator reads as a variable"
            << QString();
        QTest::newRow("argument with a line break")
            << g + "/x.com" << QStringList{"a\r\nexit"} << QStringList{}
            << "Cannot start x.com: the argument \"a<U+000D><U+000A>exit\" holds " + lineBreak
            << QString();
        QTest::newRow("tail too long")
            << g + "/x.com" << QStringList{QString(126, u'a')} << QStringList{}
            << "Cannot start x.com: its arguments are longer than DOS allows" << QString();
        // A CD image is D:, before the game starts; a tool folder outside the game moves on.
        const QString cd = "/cd/Grand Prix 2.iso";
        QTest::newRow("CD image as D:")
            << g + "/Gp2.exe" << QStringList{}
            << QStringList{"imgmount D \"" + cd + "\" -t iso", "C:", "cd \\", "GP2.EXE", "exit"}
            << "" << cd;
        QTest::newRow("CD image and a program folder outside")
            << "/apps/pso/gp2hipic.exe" << QStringList{"-q"}
            << QStringList{"imgmount D \"" + cd + "\" -t iso",
                           "mount E \"/apps/pso\"",
                           "E:",
                           "cd \\",
                           "GP2HIPIC.EXE -q",
                           "exit"}
            << "" << cd;
        QTest::newRow("CD image with a percent sign")
            << g + "/Gp2.exe" << QStringList{} << QStringList{}
            << "Cannot start Gp2.exe: the CD image /cd/GP2 100%.iso holds a percent sign (%), "
               "which the DOS emulator reads as a variable"
            << "/cd/GP2 100%.iso";
        // A line that starts with '#' is a remark to DOSBox: the program would never run.
        QTest::newRow("program name read as a remark")
            << g + "/#RUN.EXE" << QStringList{} << QStringList{}
            << "Cannot start #RUN.EXE: DOSBox reads a line that starts with # as a remark"
            << QString();
    }
    void emulatorArguments() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, commands);
        QFETCH(QString, error);
        QFETCH(QString, cdImage);
        const DosCommands out = dosCommands("/g/Grand Prix 2/", program, arguments, cdImage);
        QCOMPARE(out.error, error);
        QCOMPARE(out.commands, error.isEmpty()
                                   ? QStringList{"mount C \"/g/Grand Prix 2\""} + commands
                                   : QStringList{});
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "program_start_test.moc"
