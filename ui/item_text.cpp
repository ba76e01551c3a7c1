#include "ui/item_text.h"

#include <QAbstractScrollArea>
#include <QStyle>

namespace pistaro {

int itemTextPadding(const QWidget& view) {
    return 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
}

int listWidthFor(const QAbstractScrollArea& list, int textWidth) {
    return textWidth + itemTextPadding(list) + 2 * list.frameWidth() +
           list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
}

} // namespace pistaro
