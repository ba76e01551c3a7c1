#include "trackfile/info_block.h"

#include "platform/binfile.h"
#include "platform/codepage.h"
#include "storage/gp2psobas.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace infoblock {
namespace {

struct ValueSpan {
    qsizetype start; // first byte of the value
    qsizetype end;   // the delimiter that closes it
};

// Where the value of `key` lies: after the first "|key|", up to the next "|", or up to
// the next "#" when no "|" follows.
std::optional<ValueSpan> findValue(const QByteArray& infoText, const QString& key) {
    if (infoText.isEmpty() || key.isEmpty())
        return std::nullopt;
    const QByteArray keyBytes = cp1252::fromUnicode(key);
    // A key the code page cannot spell cannot be in the area (its '?' must not match).
    if (cp1252::toUnicode(keyBytes) != key)
        return std::nullopt;
    const qsizetype p = infoText.indexOf('|' + keyBytes + '|');
    if (p < 0)
        return std::nullopt;
    const qsizetype start = p + keyBytes.size() + 2;
    qsizetype end = infoText.indexOf('|', start);
    if (end < 0)
        end = infoText.indexOf('#', start);
    if (end < 0)
        return std::nullopt;
    return ValueSpan{start, end};
}

// Where the block ends: its fields "|key|value" follow the tag until a value is closed by
// "#", or by "|" directly followed by "#"; that "#" is the end. A "#" inside a value that a
// "|" closes is not. None when the fields run out without such an end.
std::optional<qsizetype> blockEnd(const QByteArray& area) {
    qsizetype pos = Tag.size();
    if (pos < area.size() && area[pos] == '#')
        return pos;
    while (pos < area.size() && area[pos] == '|') {
        const qsizetype keyEnd = area.indexOf('|', pos + 1);
        if (keyEnd < 0)
            return std::nullopt;
        const qsizetype bar = area.indexOf('|', keyEnd + 1);
        if (bar < 0) {
            const qsizetype hash = area.indexOf('#', keyEnd + 1);
            return hash < 0 ? std::nullopt : std::optional<qsizetype>(hash);
        }
        if (bar + 1 < area.size() && area[bar + 1] == '#')
            return bar + 1;
        pos = bar;
    }
    return std::nullopt;
}

} // namespace

QByteArray readInfoArea(const QString& path) {
    const std::optional<QByteArray> bytes = binfile::readAt(path, 1, AreaSize);
    if (!bytes || !bytes->startsWith(Tag))
        return {};
    QByteArray area = *bytes;
    if (area.size() < AreaSize)
        area.append(AreaSize - area.size(), Filler);
    return area;
}

QString getDat(const QByteArray& infoText, const QString& key) {
    const std::optional<ValueSpan> span = findValue(infoText, key);
    if (!span)
        return {};
    return cp1252::toUnicode(infoText.mid(span->start, span->end - span->start));
}

bool updateDatInfo(QByteArray& infoText, const QString& field, const QString& contents) {
    const std::optional<ValueSpan> span = findValue(infoText, field);
    if (!span)
        return false;
    const QByteArray value = cp1252::fromUnicode(contents);
    QByteArray edited = infoText.left(span->start) + value + infoText.mid(span->end);
    if (edited.size() > AreaSize) {
        // Only what lies past the block's closing "#" (or, in a block whose fields do not
        // reach one, past its last "|") may be dropped, and never the new value's own
        // delimiter; anything else would cut fields off the block.
        const qsizetype after = span->start + value.size();
        const qsizetype close = std::max(after, blockEnd(edited).value_or(edited.lastIndexOf('|')));
        if (close >= AreaSize)
            return false;
        edited.truncate(AreaSize);
    } else if (edited.size() < AreaSize) {
        edited.append(AreaSize - edited.size(), Filler);
    }
    if (edited == infoText)
        return false;
    infoText = edited;
    return true;
}

qsizetype longestValue(const QByteArray& infoText, const QString& field) {
    const std::optional<ValueSpan> span = findValue(infoText, field);
    if (!span)
        return -1;
    // Whether a value grows past the room does not depend on its bytes, only on its length:
    // the edit itself is asked, so the answer follows its rules exactly.
    const QString current = getDat(infoText, field);
    const auto fits = [&](qsizetype n) {
        QByteArray copy = infoText;
        const QString value(n, QLatin1Char('x'));
        return value == current || updateDatInfo(copy, field, value);
    };
    qsizetype fitting = 0, failing = AreaSize + 1;
    while (failing - fitting > 1) {
        const qsizetype middle = (fitting + failing) / 2;
        (fits(middle) ? fitting : failing) = middle;
    }
    return fitting;
}

bool writeInfoArea(const QString& path, const QByteArray& infoText, QString* error) {
    if (infoText.isEmpty())
        return true;
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!infoText.startsWith(Tag))
        return fail(QCoreApplication::translate(
            "infoblock", "The track info to write does not start with #GP2INFO"));
    const qint64 length = binfile::length(path);
    if (length < 0)
        return fail(QCoreApplication::translate("infoblock", "File not found: %1").arg(path));
    const std::optional<QByteArray> head = binfile::readAt(path, 1, Tag.size());
    if (!head)
        return fail(QCoreApplication::translate("infoblock", "Cannot read %1").arg(path));
    if (!head->startsWith(Tag))
        return fail(
            QCoreApplication::translate("infoblock", "%1 has no track info block").arg(path));
    const qint64 n = std::min<qint64>({length, infoText.size(), AreaSize});
    return binfile::writeAt(path, 1, infoText.left(n), error);
}

} // namespace infoblock

void GetAllDatInfo(CurrentCircuit& st) {
    st.InfoText.clear();
    if (st.CurrentFile.isEmpty())
        return;
    st.InfoText = infoblock::readInfoArea(st.CurrentFile);
}

QString GetDat(const CurrentCircuit& st, const QString& key) {
    return infoblock::getDat(st.InfoText, key);
}

bool UpdateDatInfo(CurrentCircuit& st, const QString& field, const QString& contents) {
    return infoblock::updateDatInfo(st.InfoText, field, contents);
}

bool WriteDatInfo(const CurrentCircuit& st, QString* error) {
    if (st.CurrentFile.isEmpty())
        return true;
    return infoblock::writeInfoArea(st.CurrentFile, st.InfoText, error);
}
