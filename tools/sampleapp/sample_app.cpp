#include "tools/sampleapp/sample_app.h"

#include "platform/progress.h"
#include "platform/scripted_dialogs.h"
#include "storage/gp2psobas.h"
#include "storage/make_database.h"

#include <QDir>
#include <QFile>

namespace sampleapp {

namespace {
bool copyIfMissing(const QString& from, const QString& to, QString* error) {
    if (QFile::exists(to) || QFileInfo(from) == QFileInfo(to))
        return true;
    if (QFile::copy(from, to))
        return true;
    if (error)
        *error = QStringLiteral("cannot copy %1 to %2").arg(from, to);
    return false;
}
} // namespace

bool prepare(const QString& appDir, const QString& sourceAppDir, const QString& gameDir,
             const QString& dbName, const QString& sumfix, QString* error, bool firstTime) {
    QDir().mkpath(appDir);
    for (const char* f : {"pso.def", "maps.def"})
        if (!copyIfMissing(sourceAppDir + QLatin1Char('/') + QLatin1String(f),
                           appDir + QLatin1Char('/') + QLatin1String(f), error))
            return false;
    if (!sumfix.isEmpty()) {
        const QString target = appDir + QStringLiteral("/sumfix");
        if (!copyIfMissing(sumfix, target, error))
            return false;
        QFile(target).setPermissions(QFile(target).permissions() | QFile::ExeOwner);
    }
    ScriptedDialogs dialogs;
    NullStatus status;
    Gp2PsoBas bas;
    bas.AppDir = QDir::toNativeSeparators(appDir);
    bas.dialogs = &dialogs;
    bas.status = &status;
    try {
        MakeDatabase(bas, dbName);
        auto db = Database::open(appDir + QLatin1Char('/') + dbName);
        auto params = db->openTable(QStringLiteral("Parameters"));
        params->setIndex(QStringLiteral("Code"));
        params->seek(QStringLiteral("="), 1);
        if (params->noMatch()) {
            if (error)
                *error = QStringLiteral("no Parameters row in %1").arg(dbName);
            return false;
        }
        params->edit();
        params->setValue(QStringLiteral("Gp2 Directory"), QDir::toNativeSeparators(gameDir));
        params->setValue(QStringLiteral("First Time"), firstTime);
        params->update();
        params->close();
        db->close();
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
    return true;
}

} // namespace sampleapp
