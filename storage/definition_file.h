#pragma once
// The grammar of the definition files ("pso.def", "maps.def") that lay out a database: lines
// in, field and index items of named tables out. No files and no database here.
//
//   TABLE: <name>      starts a table (first 6 characters, any case); no section is open
//   FIELDS:            field lines follow: name,type word,size
//   INDEXES:           index lines follow: name,fields,UNIQUE,PRIMARY
//
// Lines are trimmed and blank lines skipped; other lines outside a section are ignored.
// Field and index lines split at every comma (parts are not trimmed), into at most 99 parts.
#include "storage/engine.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace deffile {

constexpr int kMaxParts = 99;
// The error number of a line that ends in a comma.
constexpr int kBadLine = 5;

// Splits at every comma into at most kMaxParts parts; the last part keeps the rest.
QStringList splitParts(const QString& line);

// Field type code of a type word (any case): its position in the type table, 9 (binary) for
// an empty word, 0 for an unknown one.
int typeCode(const QString& word);
int ownSize(int typeCode);

// A field from the parts of a field line: name, type, size (a number other than 0, else the
// type's own size), attributes 0 for text and 1 (fixed size) otherwise, the empty string
// allowed in text and memo fields.
FieldDef fieldFromParts(const QStringList& parts);
// An index from the parts of an index line: name, field list as given, "UNIQUE" and
// "PRIMARY" in any case.
IndexDef indexFromParts(const QStringList& parts);

struct Item {
    enum class Kind { Field, Index, BadLine };
    Kind kind = Kind::Field;
    QString table;  // the current table
    FieldDef field; // Kind::Field
    IndexDef index; // Kind::Index
    int lineNumber = 0;
    QString line; // the trimmed line
    // The description of a BadLine, for the "ERROR : " message.
    QString problem() const;
};

// Reads a definition file one line at a time.
class Reader final {
public:
    // The item a line stands for, or nothing for a section line, a blank or ignored line.
    std::optional<Item> feed(const QString& rawLine);

private:
    enum class Section { None, Fields, Indexes };
    Section section_ = Section::None;
    QString table_;
    int lineNumber_ = 0;
};

QList<Item> parse(const QStringList& lines);

} // namespace deffile
