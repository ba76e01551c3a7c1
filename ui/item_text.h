#pragma once
// The room item views give their texts: what a column or a list must add to a text's width to
// show it whole.

class QAbstractScrollArea;
class QWidget;

namespace pistaro {

// What an item view leaves beside the text of an item: the style's text margin on either side.
int itemTextPadding(const QWidget& view);
// The width a list needs to show a line `textWidth` wide whole: the padding, its frame, and a
// vertical scroll bar once the list is longer than its view.
int listWidthFor(const QAbstractScrollArea& list, int textWidth);

} // namespace pistaro
