#include "tests/support/catalogue_rows.h"

#include "storage/engine.h"
#include "storage/settings_row.h"
#include "tests/fixtures/samplegame/sample_game.h"

#include <QFile>

#include <sqlite3.h>

namespace testrows {

std::optional<QVariant> track(Gp2PsoBas& bas, const QString& name, const QString& field) {
    bas.TracksRs->setIndex(QStringLiteral("Name"));
    bas.TracksRs->seek(QStringLiteral("="), name);
    if (bas.TracksRs->noMatch())
        return std::nullopt;
    return bas.TracksRs->value(field);
}

int trackCount(Gp2PsoBas& bas) {
    return bas.TracksRs->recordCount();
}

void setTrack(Gp2PsoBas& bas, const QString& name, const QString& field, const QVariant& value) {
    bas.TracksRs->setIndex(QStringLiteral("Name"));
    bas.TracksRs->seek(QStringLiteral("="), name);
    if (bas.TracksRs->noMatch())
        qFatal("no Tracks row %s", qPrintable(name));
    bas.TracksRs->edit();
    bas.TracksRs->setValue(field, value);
    bas.TracksRs->update();
}

void addTrack(Gp2PsoBas& bas, const QString& name, const QString& raceTime) {
    bas.TracksRs->addNew();
    bas.TracksRs->setValue(QStringLiteral("Name"), name);
    bas.TracksRs->setValue(QStringLiteral("Race Time"), raceTime);
    bas.TracksRs->update();
}

bool hasMap(Gp2PsoBas& bas, const QString& name) {
    bas.MapsRs->setIndex(QStringLiteral("Name"));
    bas.MapsRs->seek(QStringLiteral("="), name);
    return !bas.MapsRs->noMatch();
}

QString mapText(Gp2PsoBas& bas, const QString& name, const QString& field) {
    return hasMap(bas, name) ? bas.MapsRs->text(field) : QStringLiteral("<no record>");
}

QString param(Recordset& params, const QString& field) {
    return settingsrow::seekRow(params) ? params.text(field) : QStringLiteral("<no row>");
}

QString param(Gp2PsoBas& bas, const QString& field) {
    return param(*bas.ParamsRs, field);
}

QVariant storedParam(const QString& path, const QString& field) {
    auto db = Database::open(path);
    auto params = db->openTable(QStringLiteral("Parameters"));
    return settingsrow::seekRow(*params) ? params->value(field) : QVariant();
}

void setStoredParam(const QString& path, const QString& field, const QVariant& value) {
    auto db = Database::open(path);
    auto params = db->openTable(QStringLiteral("Parameters"));
    if (!settingsrow::seekRow(*params))
        qFatal("no Parameters row in %s", qPrintable(path));
    params->edit();
    params->setValue(field, value);
    params->update();
}

bool runSql(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    const bool ok =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
            SQLITE_OK &&
        sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QByteArray setupOf(Gp2PsoBas& bas, const QString& name) {
    const auto v = track(bas, name, QStringLiteral("Car Setup Information"));
    return v ? v->toByteArray() : QByteArray("<no row>");
}

QByteArray setupOf(Gp2PsoBas& bas, int slot) {
    return setupOf(bas, samplegame::originalName(slot));
}

} // namespace testrows
