#pragma once
// The circuit browser's filter as typed: plain words (each found in some column, case and
// accents aside), field terms (`country:italy`, `author:"john doe"`, `laps>60`,
// `length<=4500`), `problems`, `duplicate`, a tag (`tag:fantasy`), a pack using the circuit
// (`pack:"Season 98"`) or none (`nopack`), and any of them excluded with `-` or `!`. Terms
// are joined by blanks or a lone `&`; every term must hold. A term that cannot be read is
// named with the reason and filters nothing, so a typing slip never empties the list.
#include <QString>
#include <QStringList>

#include <vector>

namespace circuitquery {

// The browser's columns, in their order, as fields of a term.
enum class Field { File, Track, Country, Author, Laps, Length, Time, Status, Tag, Pack, Count };

// The field names a term takes, in the order of Field: "file", "track" ... "status", "tag",
// "pack".
const QStringList& fieldNames();

// What a term reads of one row; each part is asked for only when a term needs it.
class RowView {
public:
    virtual ~RowView() = default;
    virtual QString search() const = 0;          // every column's text, folded (searchtext::folded)
    virtual QString text(Field field) const = 0; // the column's text as shown
    virtual QString problems() const = 0;        // what is wrong with the file, "" when nothing
    virtual bool duplicate() const = 0;          // the same circuit as another file
    virtual QStringList tags() const = 0;        // the circuit's tags, each folded
    virtual QStringList packs() const = 0;       // the packs using it, each folded
};

struct Term {
    enum class Kind {
        Word,
        Problems,
        Duplicate,
        NoPack, // no saved pack uses the circuit
        OneOf,  // tag and pack: one of the row's tags (packs) is the text, case and accents aside
        Contains,
        Equals,
        Less,
        LessEqual,
        Greater,
        GreaterEqual
    };
    Kind kind = Kind::Word;
    bool excluded = false;
    Field field = Field::File;
    QString text;        // Word and Contains: folded; Equals on a text field: folded
    double number = 0.0; // the value of a comparison (a time in seconds)
    bool operator==(const Term&) const = default;
};

struct Query {
    std::vector<Term> terms;
    // One line per term that could not be read: the term and why.
    QStringList problems;
    bool isEmpty() const { return terms.empty(); }
    bool operator==(const Query&) const = default;
};

// How much of a filter is read, so that whatever is typed or pasted the list follows each
// keystroke: the first kMostTerms terms (the rest are named as ignored), and at most
// kMostProblems lines on terms not understood (then their count).
constexpr qsizetype kMostTerms = 100;
constexpr qsizetype kMostProblems = 10;

// Reads the filter as typed; blank gives an empty query, which keeps every row. A term given
// twice is kept once.
Query parse(const QString& typed);

// Whether the row holds every term of `query`.
bool matches(const Query& query, const RowView& row);

// A column's text as a number: a plain number, or for the time field a lap time "m:ss.mmm"
// in seconds. False for a blank or anything else.
bool numberOf(Field field, const QString& text, double* value);

} // namespace circuitquery
