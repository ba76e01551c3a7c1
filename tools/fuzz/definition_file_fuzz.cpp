// The input is a definition file, decoded as the database maker decodes it (UTF-8, else
// Windows-1252) and split into lines.
#include "tools/fuzz/fuzz_check.h"

#include "platform/codepage.h"
#include "storage/definition_file.h"

#include <QStringDecoder>
#include <QStringList>

using namespace deffile;

namespace {

bool isSectionLine(const QString& line) {
    for (const char* word : {"TABLE:", "FIELDS:", "INDEXES:"})
        if (line.startsWith(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

void checkParts(const QString& line) {
    const QStringList parts = splitParts(line);
    FUZZ_CHECK(!parts.isEmpty() && parts.size() <= kMaxParts, "wrong number of parts");
    FUZZ_CHECK(parts.join(u',') == line, "the parts do not make up the line");
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        FUZZ_CHECK(!parts[i].contains(u','), "a part before the last holds a comma");
}

void checkItem(const Item& item, const QString& rawLine, int lineNumber, bool inSection) {
    FUZZ_CHECK(inSection, "an item outside a FIELDS: or INDEXES: section");
    FUZZ_CHECK(item.lineNumber == lineNumber, "wrong line number");
    FUZZ_CHECK(item.line == rawLine.trimmed() && !item.line.isEmpty(), "wrong line text");
    FUZZ_CHECK(item.table == item.table.trimmed(), "the table name is not trimmed");
    FUZZ_CHECK((item.kind == Item::Kind::BadLine) == item.line.endsWith(u','),
               "a line ending in a comma is not refused, or another line is");
    if (item.kind == Item::Kind::BadLine) {
        FUZZ_CHECK(item.problem().contains(item.line), "the problem text hides the line");
        return;
    }
    checkParts(item.line);
    const QString first = splitParts(item.line).first();
    if (item.kind == Item::Kind::Field) {
        const FieldDef& f = item.field;
        FUZZ_CHECK(f.name == first, "the field name is not the first part");
        FUZZ_CHECK(f.type >= 0 && f.type <= 12, "a field type out of range");
        FUZZ_CHECK(f.size >= 0, "a negative field size");
        FUZZ_CHECK(f.attributes == (f.type == int(FieldType::Text) ? 0 : 1), "wrong attributes");
    } else {
        FUZZ_CHECK(item.index.name == first, "the index name is not the first part");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = cp1252::toUnicode(bytes);
    const QStringList lines = text.split(u'\n');

    Reader reader;
    QList<Item> fed;
    bool inSection = false;
    int lineNumber = 0;
    for (const QString& raw : lines) {
        ++lineNumber;
        const QString line = raw.trimmed();
        const std::optional<Item> item = reader.feed(raw);
        if (line.isEmpty() || isSectionLine(line)) {
            FUZZ_CHECK(!item, "a blank or section line gave an item");
            if (line.startsWith(QLatin1String("TABLE:"), Qt::CaseInsensitive))
                inSection = false;
            else if (!line.isEmpty())
                inSection = true;
            continue;
        }
        if (item) {
            checkItem(*item, raw, lineNumber, inSection);
            fed << *item;
        } else {
            FUZZ_CHECK(!inSection, "a line inside a section gave no item");
        }
    }
    const QList<Item> parsed = parse(lines);
    FUZZ_CHECK(parsed.size() == fed.size(), "parse() and feed() disagree");
    for (qsizetype i = 0; i < parsed.size(); ++i)
        FUZZ_CHECK(parsed[i].line == fed[i].line && parsed[i].kind == fed[i].kind &&
                       parsed[i].table == fed[i].table,
                   "parse() and feed() disagree");
    checkParts(text.left(2000));
    return 0;
}
