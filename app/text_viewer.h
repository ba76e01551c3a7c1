#pragma once
// The modal text viewer: a block of text in a fixed-width font (reports and print files line
// up in columns) that can be scrolled, selected and copied, not changed.
#include <QDialog>

class QPlainTextEdit;

namespace pistaro {

class TextViewer final : public QDialog {
    Q_OBJECT
public:
    explicit TextViewer(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const;

private:
    QPlainTextEdit* text1_;
};

// Loads the viewer with `text` and shows it modally; returns when the user closes it.
void ShowText(const QString& text, QWidget* parent = nullptr);

} // namespace pistaro
