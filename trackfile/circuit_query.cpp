#include "trackfile/circuit_query.h"

#include "trackfile/search_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace circuitquery {

namespace {

using Kind = Term::Kind;

struct Token {
    QString text;
    bool unclosed = false; // a quote opened and never closed
};

// Split at blanks outside quotes; the quotes stay in the token.
std::vector<Token> tokens(const QString& typed) {
    std::vector<Token> out;
    QString current;
    bool quoted = false;
    for (const QChar c : typed) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(' ') && !quoted) {
            if (!current.isEmpty())
                out.push_back({current});
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        out.push_back({current, quoted});
    return out;
}

QString unquoted(QString text) {
    return text.remove(QLatin1Char('"'));
}

bool numeric(Field field) {
    return field == Field::Laps || field == Field::Length || field == Field::Time;
}

// The length of the field name and operator at the start of `body`, or 0 when it is no field
// term: letters, then one of : = < > <= >=.
qsizetype fieldTermSplit(const QString& body, qsizetype* opLength) {
    qsizetype n = 0;
    while (n < body.size() && body.at(n).unicode() < 0x80 && body.at(n).isLetter())
        ++n;
    if (n == 0 || n == body.size() || !QStringLiteral(":=<>").contains(body.at(n)))
        return 0;
    const bool twoChars = (body.at(n) == QLatin1Char('<') || body.at(n) == QLatin1Char('>')) &&
                          n + 1 < body.size() && body.at(n + 1) == QLatin1Char('=');
    *opLength = twoChars ? 2 : 1;
    return n;
}

Kind operatorKind(const QString& op) {
    if (op == QLatin1String(":"))
        return Kind::Contains;
    if (op == QLatin1String("="))
        return Kind::Equals;
    if (op == QLatin1String("<"))
        return Kind::Less;
    if (op == QLatin1String("<="))
        return Kind::LessEqual;
    if (op == QLatin1String(">"))
        return Kind::Greater;
    return Kind::GreaterEqual;
}

// Reads one token into `term`; the reason it cannot be read otherwise.
QString readTerm(const Token& token, Term* term) {
    if (token.unclosed)
        return QCoreApplication::translate("circuitquery", "a quote is not closed");
    QString body = token.text;
    if (body.startsWith(QLatin1Char('-')) || body.startsWith(QLatin1Char('!'))) {
        term->excluded = true;
        body.remove(0, 1);
        if (body.isEmpty())
            return QCoreApplication::translate("circuitquery", "nothing follows it to leave out");
    }
    if (body.compare(QLatin1String("problems"), Qt::CaseInsensitive) == 0) {
        term->kind = Kind::Problems;
        return {};
    }
    if (body.compare(QLatin1String("duplicate"), Qt::CaseInsensitive) == 0) {
        term->kind = Kind::Duplicate;
        return {};
    }
    if (body.compare(QLatin1String("nopack"), Qt::CaseInsensitive) == 0) {
        term->kind = Kind::NoPack;
        return {};
    }
    qsizetype opLength = 0;
    const qsizetype nameLength = fieldTermSplit(body, &opLength);
    if (nameLength == 0) {
        term->kind = Kind::Word;
        term->text = searchtext::folded(unquoted(body));
        return term->text.isEmpty()
                   ? QCoreApplication::translate("circuitquery", "nothing to look for")
                   : QString();
    }
    const QString name = body.left(nameLength).toLower();
    const qsizetype field = fieldNames().indexOf(name);
    if (field < 0)
        return QCoreApplication::translate("circuitquery", "no field is called \"%1\"").arg(name);
    term->field = Field(field);
    term->kind = operatorKind(body.mid(nameLength, opLength));
    const QString value = unquoted(body.mid(nameLength + opLength)).trimmed();
    if (value.isEmpty())
        return QCoreApplication::translate("circuitquery", "a value is missing");
    if (numeric(term->field)) {
        if (term->kind == Kind::Contains)
            term->kind = Kind::Equals;
        if (!numberOf(term->field, value, &term->number))
            return QCoreApplication::translate("circuitquery", "\"%1\" is not %2")
                .arg(value, term->field == Field::Time
                                ? QCoreApplication::translate("circuitquery", "a time (m:ss.mmm)")
                                : QCoreApplication::translate("circuitquery", "a number"));
        return {};
    }
    if (term->kind != Kind::Contains && term->kind != Kind::Equals)
        return QCoreApplication::translate("circuitquery",
                                           "only laps, length and time compare with < and >");
    if (term->field == Field::Tag || term->field == Field::Pack)
        term->kind = Kind::OneOf; // a whole tag or pack name, not a part of one
    term->text = searchtext::folded(value);
    return {};
}

// A row as the terms read it: each part fetched (and a column folded) once, however many
// terms ask for it.
class CachedRow {
public:
    explicit CachedRow(const RowView& row) : row_(row) {}
    const QString& search() const {
        if (!search_)
            search_ = row_.search();
        return *search_;
    }
    const QString& text(Field field) const {
        std::optional<QString>& t = text_[size_t(field)];
        if (!t)
            t = row_.text(field);
        return *t;
    }
    const QString& folded(Field field) const {
        std::optional<QString>& f = folded_[size_t(field)];
        if (!f)
            f = searchtext::folded(text(field));
        return *f;
    }
    bool problems() const {
        if (!problems_)
            problems_ = !row_.problems().isEmpty();
        return *problems_;
    }
    bool duplicate() const {
        if (!duplicate_)
            duplicate_ = row_.duplicate();
        return *duplicate_;
    }
    const QStringList& list(Field field) const {
        std::optional<QStringList>& l = field == Field::Tag ? tags_ : packs_;
        if (!l)
            l = field == Field::Tag ? row_.tags() : row_.packs();
        return *l;
    }

private:
    const RowView& row_;
    mutable std::optional<QString> search_;
    mutable std::array<std::optional<QString>, size_t(Field::Count)> text_, folded_;
    mutable std::optional<bool> problems_, duplicate_;
    mutable std::optional<QStringList> tags_, packs_;
};

// A term as named in a problem line: long ones cut, so the tool tip stays short.
QString named(const QString& text) {
    constexpr qsizetype kLongest = 40;
    return text.size() <= kLongest ? text : text.left(kLongest) + QStringLiteral("...");
}

bool sameNumber(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(a));
}

bool holds(const Term& term, const CachedRow& row) {
    switch (term.kind) {
    case Kind::Word:
        return row.search().contains(term.text);
    case Kind::Problems:
        return row.problems();
    case Kind::Duplicate:
        return row.duplicate();
    case Kind::NoPack:
        return row.list(Field::Pack).isEmpty();
    case Kind::OneOf:
        return row.list(term.field).contains(term.text);
    case Kind::Contains:
        return row.folded(term.field).contains(term.text);
    default:
        break;
    }
    if (!numeric(term.field))
        return row.folded(term.field).trimmed() == term.text;
    double value = 0.0;
    if (!numberOf(term.field, row.text(term.field), &value))
        return false; // a blank or unreadable value never compares
    switch (term.kind) {
    case Kind::Equals:
        return sameNumber(value, term.number);
    case Kind::Less:
        return value < term.number && !sameNumber(value, term.number);
    case Kind::LessEqual:
        return value < term.number || sameNumber(value, term.number);
    case Kind::Greater:
        return value > term.number && !sameNumber(value, term.number);
    default:
        return value > term.number || sameNumber(value, term.number);
    }
}

} // namespace

const QStringList& fieldNames() {
    static const QStringList names{"file",   "track", "country", "author", "laps",
                                   "length", "time",  "status",  "tag",    "pack"};
    return names;
}

bool numberOf(Field field, const QString& text, double* value) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    double v = 0.0;
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    if (field == Field::Time && colon > 0) {
        bool minutesOk = false;
        const uint minutes = t.left(colon).toUInt(&minutesOk);
        const QString seconds = t.mid(colon + 1);
        v = minutes * 60.0 + seconds.toDouble(&ok);
        ok = ok && minutesOk && !seconds.startsWith(QLatin1Char('-'));
    } else {
        v = t.toDouble(&ok);
    }
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

Query parse(const QString& typed) {
    Query query;
    qsizetype read = 0, ignored = 0, notUnderstood = 0;
    for (const Token& token : tokens(typed)) {
        if (token.text == QLatin1String("&") && !token.unclosed)
            continue; // joins two terms, as a blank does
        if (read == kMostTerms) {
            ++ignored;
            continue;
        }
        ++read;
        Term term;
        const QString why = readTerm(token, &term);
        if (!why.isEmpty()) {
            if (++notUnderstood <= kMostProblems)
                //: A term of the search the filter did not understand, then why.
                query.problems << QCoreApplication::translate("circuitquery", "%1: %2")
                                      .arg(named(token.text), why);
        } else if (std::find(query.terms.cbegin(), query.terms.cend(), term) ==
                   query.terms.cend()) {
            query.terms.push_back(term); // a term given twice holds or fails as once
        }
    }
    if (notUnderstood > kMostProblems)
        query.problems << QCoreApplication::translate("circuitquery",
                                                      "and %1 more terms not understood")
                              .arg(notUnderstood - kMostProblems);
    if (ignored > 0)
        query.problems << QCoreApplication::translate("circuitquery",
                                                      "%1 terms after the first %2: ignored")
                              .arg(QString::number(ignored), QString::number(kMostTerms));
    return query;
}

bool matches(const Query& query, const RowView& row) {
    const CachedRow cached(row);
    return std::all_of(query.terms.cbegin(), query.terms.cend(),
                       [&cached](const Term& t) { return holds(t, cached) != t.excluded; });
}

} // namespace circuitquery
