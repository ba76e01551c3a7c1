#include "tests/support/main_window_fixture.h"

#include "platform/gamepath.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/support/scratch_settings.h"

#include <QDir>
#include <QTest>

using namespace pistaro;

MainWindowFixture::MainWindowFixture(const samplegame::Options& options)
    : previousDir_(QDir::currentPath()) {
    // Each window starts from the default settings, whatever the machine's user chose.
    scratchsettings::useUnlessChosen(settings_.path());
    gameDir_ = samplegame::write(tmp.filePath(QStringLiteral("game")), options);
    appDir_ = QDir::toNativeSeparators(tmp.filePath(QStringLiteral("app")));
    QString error;
    if (!sampleapp::prepare(appDir_, QStringLiteral(PSO_APPDIR), gameDir_,
                            QStringLiteral("pso.mdb"), QStringLiteral(PSO_SUMFIX), &error))
        qFatal("preparing the program folder failed: %s", qPrintable(error));
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
