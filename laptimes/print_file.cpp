#include "laptimes/print_file.h"

#include "platform/codepage.h"

namespace {

// Builds lines of a fixed-column text, counting columns in bytes of the file.
class ColumnWriter final {
public:
    void place(int column, const QString& text) {
        const QByteArray bytes = cp1252::fromUnicode(text);
        if (bytes.isEmpty())
            return;
        if (line_.size() >= column)
            endLine();
        line_ += QByteArray(column - 1 - line_.size(), ' ');
        line_ += bytes;
    }
    void endLine() {
        out_ += line_;
        out_ += "\r\n";
        line_.clear();
    }
    QByteArray text() const { return out_; }

private:
    QByteArray out_;
    QByteArray line_;
};

const QString kRule(80, u'-');

} // namespace

QByteArray printFileText(const QString& dbComboText, const QDateTime& now,
                         const QList<PrintRow>& rows) {
    ColumnWriter w;
    w.place(1, QStringLiteral("Pistaro - ") + dbComboText.toUpper());
    w.place(60, now.toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")));
    w.endLine();
    w.endLine();
    w.place(1, QStringLiteral("Track"));
    w.place(40, QStringLiteral("Warm Up"));
    w.place(50, QStringLiteral("Practice"));
    w.place(60, QStringLiteral("  Qual."));
    w.place(70, QStringLiteral("  Race"));
    w.endLine();
    w.place(1, kRule);
    w.endLine();
    for (const PrintRow& row : rows) {
        w.place(1, row.name);
        w.place(40, row.warmUp);
        w.place(50, row.practice);
        w.place(60, row.qualifying);
        w.place(70, row.race);
        w.endLine();
    }
    w.place(1, kRule);
    w.endLine();
    return w.text();
}
