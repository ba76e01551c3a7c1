#include "ui/fitting_scroll_area.h"

namespace pistaro {

FittingScrollArea::FittingScrollArea(QWidget* contents, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    // The area is no stop of its own in the Tab chain; its contents are.
    setFocusPolicy(Qt::NoFocus);
    setWidget(contents);
    setWidgetResizable(true);
}

QSize FittingScrollArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    const QSize contents = widget() ? widget()->sizeHint() : QSize();
    return contents + QSize(frame, frame);
}

} // namespace pistaro
