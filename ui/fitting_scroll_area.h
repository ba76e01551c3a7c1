#pragma once
// A scroll area that asks for the whole preferred size of its contents. Its window opens at the
// size the controls ask for; made smaller, the contents shrink down to the least size at which
// every control still fits their layout, and scroll below it, so every control stays
// reachable on a small or highly scaled screen.
#include <QScrollArea>

namespace pistaro {

class FittingScrollArea final : public QScrollArea {
    Q_OBJECT
public:
    // Takes `contents`, which follow the area's size down to their layout's minimum.
    explicit FittingScrollArea(QWidget* contents, QWidget* parent = nullptr);
    // QScrollArea caps its hint at a few dozen lines of text; this one does not.
    QSize sizeHint() const override;
};

} // namespace pistaro
