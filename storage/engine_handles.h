#pragma once
// What a database object holds: shared by the two halves of the engine (the database
// and its recordsets), which make each other.
#include "storage/engine.h"
#include "storage/engine_sqlite.h"

namespace engine_detail {
// The error of a table the database does not hold.
[[noreturn]] void missingTable(const QString& table);
} // namespace engine_detail

struct Database::Impl {
    engine_detail::ConnectionPtr conn;
};
