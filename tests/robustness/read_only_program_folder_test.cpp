// A program folder the user cannot write: making a database there says so with the system's
// reason and ends or goes on cleanly, the Status window gone. Mode bits do not stop root, so
// run as root the cases run in a child process that has become "nobody".
#include "platform/program_end.h"
#include "storage/ui/database_list.h"
#include "tests/support/window_per_function.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pistaro;

class ReadOnlyProgramFolderTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    void lockAppDir() {
        QVERIFY(QFile::setPermissions(fx->appDir(), QFile::ReadOwner | QFile::ExeOwner |
                                                        QFile::ReadGroup | QFile::ExeGroup));
    }
    QString refusal() const {
        return QStringLiteral("cannot write ") + QDir::toNativeSeparators(fx->appDir()) +
               QStringLiteral(": permission denied");
    }

private slots:
    void init() { fx = std::make_unique<MainWindowFixture>(); }
    void cleanup() {
        QFile::setPermissions(fx->appDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        close();
    }

    void firstStartEndsWithTheReason() {
        QVERIFY(QFile::remove(fx->database()));
        lockAppDir();
        int status = -1;
        try {
            fx->start();
        } catch (const ProgramEnded& e) {
            status = e.status;
        }
        QCOMPARE(status, 1);
        QCOMPARE(
            fx->dialogs.messages(),
            QStringList{QStringLiteral("Database pso.mdb could not be made.\r\n\r\n") + refusal()});
        QVERIFY(!fx->status.visible);
        QVERIFY(!QFile::exists(fx->database()));
    }

    void anExistingDatabaseGoesOnWithoutMenuPictures() {
        lockAppDir();
        MainWindow& frm = fx->start();
        QVERIFY(fx->bas.ParamsRs && fx->bas.TracksRs);
        QCOMPARE(fx->dialogs.messages().size(), 1);
        QVERIFY2(fx->dialogs.messages().first().contains(refusal()),
                 qPrintable(fx->dialogs.messages().first()));
        QVERIFY(!fx->status.visible);

        // A new database is refused the same way; the open one stays.
        fx->takeMessages();
        fx->dialogs.answers = {QStringLiteral("Season")};
        frm.Databases->NewDatabase_Click();
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{QStringLiteral("Database Season.mdb could not be made.\r\n\r\n") +
                             refusal()});
        QVERIFY(!fx->status.visible);
        QCOMPARE(QFileInfo(fx->bas.Db->path()).fileName(), QStringLiteral("pso.mdb"));
    }
};

namespace {

int runTests(int argc, char** argv) {
    QApplication app(argc, argv);
    ReadOnlyProgramFolderTest test;
    return QTest::qExec(&test, argc, argv);
}

// What the fixture copies from the built program folder, copied where "nobody" can read it:
// the build may lie in a folder only root enters (root's home, a 0700 home).
bool shareBuiltProgram(const QTemporaryDir& shared) {
    if (!shared.isValid() ||
        !QFile::setPermissions(shared.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadGroup |
                                                  QFile::ExeGroup | QFile::ReadOther |
                                                  QFile::ExeOther))
        return false;
    for (const char* name : {"pso.def", "maps.def", "sumfix"})
        if (!QFile::copy(builtProgramFolder() + QLatin1Char('/') + QLatin1String(name),
                         shared.filePath(QLatin1String(name))))
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (::geteuid() != 0)
        return runTests(argc, argv);
    QTemporaryDir shared;
    if (!shareBuiltProgram(shared)) {
        std::fprintf(stderr, "cannot copy the built program folder to %s\n",
                     qPrintable(shared.path()));
        return 1;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child > 0) {
        int status = 0;
        if (::waitpid(child, &status, 0) != child)
            return 1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    }
    shared.setAutoRemove(false); // root's process removes it
    useBuiltProgramFrom(shared.path());
    const gid_t nobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
        std::perror("becoming nobody");
        return 1;
    }
    ::setenv("HOME", "/tmp", 1);
    return runTests(argc, argv);
}

#include "read_only_program_folder_test.moc"
