#include "ui/tab_chain.h"

#include <QLayout>
#include <QWidget>

namespace pistaro {

namespace {

void collect(QLayout* layout, QList<QWidget*>& stops);

void collect(QWidget* w, QList<QWidget*>& stops) {
    if (w->focusPolicy() & Qt::TabFocus)
        stops << w;
    if (w->layout())
        collect(w->layout(), stops);
}

void collect(QLayout* layout, QList<QWidget*>& stops) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* w = item->widget())
            collect(w, stops);
        else if (QLayout* inner = item->layout())
            collect(inner, stops);
    }
}

} // namespace

QList<QWidget*> tabStopsOf(QWidget* box) {
    QList<QWidget*> stops;
    collect(box, stops);
    return stops;
}

void chainTabStops(const QList<QWidget*>& boxes) {
    QWidget* previous = nullptr;
    for (QWidget* box : boxes)
        for (QWidget* w : tabStopsOf(box)) {
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
}

} // namespace pistaro
