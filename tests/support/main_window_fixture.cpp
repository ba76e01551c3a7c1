#include "tests/support/main_window_fixture.h"

#include "platform/gamepath.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/support/scratch_settings.h"

#include <QDir>
#include <QTest>

using namespace pistaro;

namespace {
QString& builtProgram() {
    static QString folder = QStringLiteral(PSO_APPDIR);
    return folder;
}
} // namespace

QString builtProgramFolder() {
    return builtProgram();
}

void useBuiltProgramFrom(const QString& folder) {
    builtProgram() = folder;
}

MainWindowFixture::MainWindowFixture(const samplegame::Options& options)
    : previousDir_(QDir::currentPath()) {
    // Each window starts from the default settings, whatever the machine's user chose.
    scratchsettings::useUnlessChosen(settings_.path());
    const sampleapp::Folders folders =
        sampleapp::prepareWithGame(tmp.path(), builtProgramFolder(), options,
                                   builtProgramFolder() + QStringLiteral("/sumfix"));
    gameDir_ = folders.game;
    appDir_ = folders.app;
    bas.AppDir = appDir_;
}

MainWindowFixture::~MainWindowFixture() {
    frm.reset();
    QDir::setCurrent(previousDir_);
}

QString MainWindowFixture::circuits() const {
    return gamepath::join(gameDir_, QStringLiteral("Circuits"));
}

QString MainWindowFixture::circuit(const QString& name) const {
    return gamepath::join(circuits(), name);
}

QString MainWindowFixture::database(const QString& name) const {
    return appDir_ + QLatin1Char('/') + name;
}

QStringList MainWindowFixture::takeMessages() {
    const QStringList messages = dialogs.messages();
    dialogs.shown.clear();
    dialogs.kinds.clear();
    return messages;
}

QString withoutSeparator(QString dir) {
    while (dir.endsWith(gamepath::sep()))
        dir.chop(1);
    return dir;
}
