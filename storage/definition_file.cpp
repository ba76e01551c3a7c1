#include "storage/definition_file.h"

#include <QCoreApplication>

namespace deffile {
namespace {

// Type words in the order of their codes 1..12; code 9 (binary) has no word.
const char* const kWords[12] = {"Boolean", "Byte", "Integer", "Long", "Currency",    "Single",
                                "Double",  "Date", "",        "Text", "Long Binary", "Memo"};
constexpr int kOwnSizes[13] = {0, 1, 1, 2, 4, 8, 4, 8, 8, 0, 0, 0, 0};

QString part(const QStringList& parts, int n) {
    return n <= parts.size() ? parts.at(n - 1) : QString();
}

// The leading whole number of a size part; anything else counts as 0.
int sizeValue(const QString& text) {
    const QString t = text.trimmed();
    qsizetype end = 0;
    while (end < t.size() && t.at(end).isDigit())
        ++end;
    return end > 0 ? t.left(end).toInt() : 0;
}

bool startsWithWord(const QString& line, const char* word) {
    return line.startsWith(QLatin1String(word), Qt::CaseInsensitive);
}

} // namespace

QStringList splitParts(const QString& line) {
    QStringList parts;
    QString rest = line;
    while (parts.size() < kMaxParts - 1) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0)
            break;
        parts << rest.left(comma);
        rest = rest.mid(comma + 1);
    }
    parts << rest;
    return parts;
}

int typeCode(const QString& word) {
    for (int i = 0; i < 12; ++i)
        if (word.compare(QLatin1String(kWords[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

int ownSize(int code) {
    return code >= 0 && code <= 12 ? kOwnSizes[code] : 0;
}

FieldDef fieldFromParts(const QStringList& parts) {
    FieldDef f;
    f.name = part(parts, 1);
    f.type = typeCode(part(parts, 2));
    const int size = sizeValue(part(parts, 3));
    f.size = size != 0 ? size : ownSize(f.type);
    f.attributes = f.type == int(FieldType::Text) ? 0 : 1;
    f.allowZeroLength = f.type == int(FieldType::Text) || f.type == int(FieldType::Memo);
    return f;
}

IndexDef indexFromParts(const QStringList& parts) {
    IndexDef i;
    i.name = part(parts, 1);
    i.fields = part(parts, 2);
    i.unique = part(parts, 3).compare(QLatin1String("UNIQUE"), Qt::CaseInsensitive) == 0;
    i.primary = part(parts, 4).compare(QLatin1String("PRIMARY"), Qt::CaseInsensitive) == 0;
    return i;
}

QString Item::problem() const {
    return QCoreApplication::translate("deffile",
                                       "Line %1 of the definition file ends in a comma: %2")
        .arg(lineNumber)
        .arg(line);
}

std::optional<Item> Reader::feed(const QString& rawLine) {
    ++lineNumber_;
    const QString line = rawLine.trimmed();
    if (line.isEmpty())
        return std::nullopt;
    if (startsWithWord(line, "TABLE:")) {
        table_ = line.mid(6).trimmed();
        section_ = Section::None;
        return std::nullopt;
    }
    if (startsWithWord(line, "FIELDS:")) {
        section_ = Section::Fields;
        return std::nullopt;
    }
    if (startsWithWord(line, "INDEXES:")) {
        section_ = Section::Indexes;
        return std::nullopt;
    }
    if (section_ == Section::None)
        return std::nullopt;

    Item item;
    item.table = table_;
    item.lineNumber = lineNumber_;
    item.line = line;
    if (line.endsWith(QLatin1Char(','))) {
        item.kind = Item::Kind::BadLine;
    } else if (section_ == Section::Fields) {
        item.kind = Item::Kind::Field;
        item.field = fieldFromParts(splitParts(line));
    } else {
        item.kind = Item::Kind::Index;
        item.index = indexFromParts(splitParts(line));
    }
    return item;
}

QList<Item> parse(const QStringList& lines) {
    Reader reader;
    QList<Item> items;
    for (const QString& line : lines)
        if (auto item = reader.feed(line))
            items << *item;
    return items;
}

} // namespace deffile
