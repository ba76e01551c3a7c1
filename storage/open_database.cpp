#include "storage/open_database.h"

#include "platform/gamepath.h"
#include "platform/ignore_step.h"
#include "platform/program_end.h"
#include "storage/gp2psobas.h"
#include "storage/make_database.h"

#include <QCoreApplication>
#include <QDir>

namespace dbopen {

namespace {

Result unusable(Result r, Failure failure, const QString& reason = {}) {
    r.db.reset();
    r.failure = failure;
    r.reason = reason;
    return r;
}

} // namespace

Outcome Result::outcome() const {
    if (!db)
        return Outcome::Unusable;
    if (made)
        return Outcome::Made;
    return repaired ? Outcome::Repaired : Outcome::Opened;
}

Policy Result::left(Policy before) const {
    before.make = before.make && !made;
    before.repair = before.repair && !repaired;
    return before;
}

QString pathOf(const Gp2PsoBas& bas, const QString& name, const Policy& policy) {
    return policy.anyCase ? gamepath::join(bas.AppDir, name)
                          : QDir::toNativeSeparators(bas.AppDir + QLatin1Char('/') + name);
}

Result open(Gp2PsoBas& bas, const QString& name, Policy policy) {
    Result r;
    // At most three tries: as found, after making it, after repairing it.
    for (;;) {
        // Looked for again each time: a file just made may carry another case.
        const QString path = pathOf(bas, name, policy);
        try {
            r.db = Database::open(path);
            return r;
        } catch (const DbError& e) {
            if (e.number == dberr::NotFound) {
                if (!policy.make)
                    return unusable(std::move(r), Failure::NotMade);
                policy.make = false;
                r.made = true;
                bas.StatusText =
                    QCoreApplication::translate("dbopen", "Please wait, making database...");
                try {
                    MakeDatabase(bas, name);
                } catch (const ProgramEnded&) {
                    throw;
                } catch (const std::exception& made) {
                    return unusable(std::move(r), Failure::NotMade,
                                    QString::fromStdString(made.what()));
                }
                continue;
            }
            if (e.number == dberr::UnrecognizedFormat) {
                if (!policy.repair)
                    return unusable(std::move(r), Failure::NotRepaired, e.description);
                policy.repair = false;
                r.repaired = true;
                ignoreFailure("repairing a database", [&] { Database::repair(path); });
                continue;
            }
            return unusable(std::move(r), Failure::NotOpened, e.description);
        } catch (const std::exception& e) {
            return unusable(std::move(r), Failure::NotOpened, QString::fromStdString(e.what()));
        }
    }
}

} // namespace dbopen
