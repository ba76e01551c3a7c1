#pragma once
// A table header whose captions end in "…" where a column is narrower than its caption, as
// the cells do; the style of this Qt version would cut them at both edges instead.
#include <QHeaderView>

namespace pistaro {

class ElidingHeader final : public QHeaderView {
    Q_OBJECT
public:
    explicit ElidingHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
};

} // namespace pistaro
