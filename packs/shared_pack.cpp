#include "packs/shared_pack.h"

#include "packs/pack_name.h"
#include "packs/slot_entry.h"
#include "platform/native_names.h"
#include "platform/shown_text.h"
#include "trackfile/tag_store.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>

namespace sharedpack {

namespace {

const QString kTag = QStringLiteral("Pistaro track pack");
const QString kVersion = QStringLiteral("1");
const QString kPackKey = QStringLiteral("pack");
const QString kTagsKey = QStringLiteral("tags");
constexpr qsizetype kMaxField = 255;

QString oneLine(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

// A file name as the reader takes it: a name this system allows but the reader refuses as a
// path (':' or '\\' in it) loses those characters.
QString plainFile(const QString& name) {
    QString out = oneLine(name);
    for (QChar& c : out)
        if (c == u':' || c == u'\\' || c == u'/')
            c = QLatin1Char('_');
    return out;
}

bool isHex64(const QString& s) {
    if (s.size() != 64)
        return false;
    for (const QChar c : s)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    return true;
}

bool allDigits(const QString& s) {
    if (s.isEmpty() || s.size() > 12)
        return false;
    for (const QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// What is wrong with a file name from a pack file; "" when it is a plain file name.
QString fileNameFault(const QString& name) {
    if (name.isEmpty())
        return QCoreApplication::translate("sharedpack", "the file name is empty");
    if (name.size() > kMaxField)
        return QCoreApplication::translate("sharedpack",
                                           "the file name is longer than %1 characters")
            .arg(kMaxField);
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(u':'))
        return QCoreApplication::translate("sharedpack",
                                           "the file name \"%1\" is a path, not a plain file name")
            .arg(name);
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" is not a file name").arg(name);
    return {};
}

class Reader {
public:
    explicit Reader(Error* error) : error_(error) {}

    std::optional<Pack> run(const QByteArray& bytes) {
        if (bytes.size() > MaxFileSize)
            return fail(0,
                        QCoreApplication::translate(
                            "sharedpack", "The file is larger than %1 KB; a pack file is a few KB "
                                          "at most.")
                            .arg(MaxFileSize / 1024));
        QList<QByteArray> lines = bytes.split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
            lines.first().remove(0, 3);
        Pack pack;
        int lineNo = 0;
        bool named = false;
        QSet<int> seen;
        for (QByteArray raw : lines) {
            ++lineNo;
            if (raw.endsWith('\r'))
                raw.chop(1);
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString line = utf8(raw);
            if (utf8.hasError())
                return fail(lineNo, QCoreApplication::translate("sharedpack",
                                                                "the line is not UTF-8 text"));
            for (const QChar c : line)
                if (c != u'\t' && c.category() == QChar::Other_Control)
                    return fail(lineNo, QCoreApplication::translate(
                                            "sharedpack", "the line holds a control character "
                                                          "(U+%1): this is no text file")
                                            .arg(QString::number(c.unicode(), 16)
                                                     .toUpper()
                                                     .rightJustified(4, u'0')));
            if (lineNo == 1) {
                if (!header(line))
                    return {};
                continue;
            }
            if (line.trimmed().isEmpty())
                continue;
            const QStringList fields = line.split(u'\t');
            if (!named) {
                if (fields.size() != 2 || fields.at(0) != kPackKey)
                    return fail(lineNo, QCoreApplication::translate(
                                            "sharedpack", "\"pack\", a tab and the pack's name "
                                                          "were expected"));
                pack.name = fields.at(1).trimmed();
                if (!isSafePackName(pack.name))
                    return fail(
                        lineNo,
                        (nativenames::fitsFolderEntry(pack.name)
                             ? QCoreApplication::translate("sharedpack",
                                                           "\"%1\" can't be a Track Pack name")
                             : QCoreApplication::translate("sharedpack",
                                                           "\"%1\" can't be a Track Pack name: it "
                                                           "is longer than a folder name may be"))
                            .arg(pack.name.left(80) +
                                 (pack.name.size() > 80 ? QStringLiteral("...") : QString())));
                named = true;
                continue;
            }
            if (fields.at(0) == kTagsKey) {
                if (!tags(lineNo, fields, pack))
                    return {};
                continue;
            }
            if (fields.size() != 5)
                return fail(lineNo, QCoreApplication::translate(
                                        "sharedpack", "a slot line has 5 fields separated by tabs "
                                                      "(slot, file, track, length, SHA-256); this "
                                                      "one has %1")
                                        .arg(fields.size()));
            Slot slot;
            const QString& number = fields.at(0);
            slot.slot = allDigits(number) ? number.toInt() : 0;
            if (slot.slot < 1 || slot.slot > kSlotCount)
                return fail(lineNo,
                            QCoreApplication::translate(
                                "sharedpack", "the slot \"%1\" is not a number from 1 to 16")
                                .arg(number));
            if (seen.contains(slot.slot))
                return fail(lineNo,
                            QCoreApplication::translate("sharedpack", "slot %1 is named twice")
                                .arg(slot.slot));
            seen.insert(slot.slot);
            slot.file = fields.at(1);
            if (const QString fault = fileNameFault(slot.file); !fault.isEmpty())
                return fail(lineNo, fault);
            slot.track = fields.at(2).trimmed();
            if (slot.track.size() > kMaxField)
                return fail(lineNo, QCoreApplication::translate(
                                        "sharedpack", "the track name is longer than %1 characters")
                                        .arg(kMaxField));
            const QString& length = fields.at(3);
            slot.length = allDigits(length) ? length.toLongLong() : 0;
            if (slot.length < 1 || slot.length > MaxCircuitLength)
                return fail(lineNo, QCoreApplication::translate(
                                        "sharedpack", "the length \"%1\" is not a number of bytes "
                                                      "from 1 to %2")
                                        .arg(length)
                                        .arg(MaxCircuitLength));
            if (!isHex64(fields.at(4)))
                return fail(lineNo, QCoreApplication::translate(
                                        "sharedpack", "the SHA-256 \"%1\" is not 64 hexadecimal "
                                                      "digits")
                                        .arg(fields.at(4).left(80)));
            slot.hash = fields.at(4).toLower().toLatin1();
            pack.entries << slot;
        }
        if (lineNo == 0)
            return fail(1, QCoreApplication::translate("sharedpack", "the file is empty"));
        if (!named)
            return fail(lineNo + 1,
                        QCoreApplication::translate("sharedpack", "the pack's name is missing"));
        if (pack.entries.isEmpty())
            return fail(lineNo + 1,
                        QCoreApplication::translate("sharedpack", "the file names no slot"));
        return pack;
    }

private:
    // A tags line: a slot named above, then its tags.
    bool tags(int lineNo, const QStringList& fields, Pack& pack) {
        const QString number = fields.value(1);
        const int slot = allDigits(number) ? number.toInt() : 0;
        const auto entry = std::find_if(pack.entries.begin(), pack.entries.end(),
                                        [slot](const Slot& s) { return s.slot == slot; });
        if (entry == pack.entries.end()) {
            fail(lineNo, QCoreApplication::translate(
                             "sharedpack", "the tags are of slot \"%1\", which no line above "
                                           "names")
                             .arg(number.left(20)));
            return false;
        }
        if (!entry->tags.isEmpty()) {
            fail(lineNo,
                 QCoreApplication::translate("sharedpack", "the tags of slot %1 are given twice")
                     .arg(slot));
            return false;
        }
        if (fields.size() - 2 > tagstore::kMostTags) {
            fail(lineNo,
                 QCoreApplication::translate("sharedpack", "a circuit holds at most %1 tags")
                     .arg(tagstore::kMostTags));
            return false;
        }
        for (const QString& tag : fields.mid(2)) {
            if (const QString why = tagstore::refusal(tag); !why.isEmpty()) {
                fail(lineNo, QStringLiteral("\"%1\" is no tag: %2")
                                 .arg(tag.left(tagstore::kLongestTag), why));
                return false;
            }
            entry->tags << tag;
        }
        return true;
    }
    bool header(const QString& line) {
        const QStringList fields = line.split(u'\t');
        if (fields.at(0) != kTag) {
            fail(1, QCoreApplication::translate(
                        "sharedpack", "this is not a Pistaro track pack file (its first line must "
                                      "be \"%1\", a tab and the version)")
                        .arg(kTag));
            return false;
        }
        if (fields.size() != 2 || fields.at(1) != kVersion) {
            fail(1, QCoreApplication::translate(
                        "sharedpack", "the version \"%1\" of the pack file is not known (version "
                                      "%2 is)")
                        .arg(fields.mid(1).join(u'\t').left(20), kVersion));
            return false;
        }
        return true;
    }
    std::nullopt_t fail(int line, const QString& what) {
        if (error_)
            *error_ = Error{line, what};
        return std::nullopt;
    }
    Error* error_;
};

} // namespace

QString Error::text() const {
    // The names quoted come from the file: their control characters are shown, not sent.
    if (line == 0)
        return shown::text(what);
    return QCoreApplication::translate("sharedpack", "Line %1: %2.")
        .arg(QString::number(line), shown::text(what));
}

QByteArray write(const Pack& pack) {
    QString text = kTag + u'\t' + kVersion + u'\n';
    text += kPackKey + u'\t' + oneLine(pack.name) + u'\n';
    for (const Slot& s : pack.entries)
        text += QString::number(s.slot) + u'\t' + plainFile(s.file) + u'\t' + oneLine(s.track) +
                u'\t' + QString::number(s.length) + u'\t' + QString::fromLatin1(s.hash) + u'\n';
    QByteArray bytes = text.toUtf8();
    for (const Slot& s : pack.entries) {
        QByteArray line;
        for (const QString& tag : s.tags.mid(0, tagstore::kMostTags)) {
            const QByteArray more = QByteArray("\t") + tag.toUtf8();
            if (!tagstore::refusal(tag).isEmpty() ||
                bytes.size() + line.size() + more.size() + 12 > MaxFileSize)
                continue;
            line += more;
        }
        if (!line.isEmpty())
            bytes += kTagsKey.toUtf8() + '\t' + QByteArray::number(s.slot) + line + '\n';
    }
    return bytes;
}

std::optional<Pack> read(const QByteArray& bytes, Error* error) {
    return Reader(error).run(bytes);
}

} // namespace sharedpack
