#include "ui/eliding_header.h"

#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>

namespace pistaro {

ElidingHeader::ElidingHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {}

void ElidingHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    // The room the style leaves the caption: its margins, and the sort mark where it shows.
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, option, this);
    int room = sectionSize(logicalIndex) - 2 * margin;
    if (option->sortIndicator != QStyleOptionHeader::None)
        room -= style()->pixelMetric(QStyle::PM_HeaderMarkSize, option, this) + margin;
    option->text = option->fontMetrics.elidedText(option->text, Qt::ElideRight, std::max(0, room));
}

} // namespace pistaro
