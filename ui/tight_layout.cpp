#include "ui/tight_layout.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLayout>
#include <QWidget>

#include <algorithm>

namespace pistaro {

namespace {

void tighten(QLayout* layout, int gap) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        const int now = grid->verticalSpacing();
        grid->setVerticalSpacing(now < 0 ? gap : std::min(now, gap));
    } else if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        const bool stacks = box->direction() == QBoxLayout::TopToBottom ||
                            box->direction() == QBoxLayout::BottomToTop;
        if (stacks) {
            const int now = box->spacing();
            box->setSpacing(now < 0 ? gap : std::min(now, gap));
        }
    }
    QMargins m = layout->contentsMargins();
    m.setTop(std::min(m.top(), gap));
    m.setBottom(std::min(m.bottom(), gap));
    layout->setContentsMargins(m);
}

} // namespace

void tightenVertically(QWidget& root, int gap) {
    if (root.layout())
        tighten(root.layout(), gap);
    for (QLayout* layout : root.findChildren<QLayout*>())
        tighten(layout, gap);
}

} // namespace pistaro
