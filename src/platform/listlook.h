#pragma once
// The look every list of the program shares, given once per list (ZDialog gives it to the
// lists of its window when shown):
// - a report view's columns take the width of their content and share the room the view
//   has left; where the view is narrower, it scrolls sideways: no text is cut;
// - a list without columns scrolls sideways instead of cutting its texts;
// - a text cut all the same (a column narrowed by hand) shows whole as its tooltip;
// - rows are high enough for capital umlauts;
// - grid lines where a window asks for them.
class QAbstractItemView;
class QModelIndex;
class QTreeView;

void giveListLook(QAbstractItemView* view);
void setGridLines(QAbstractItemView* view, bool on = true);
bool hasGridLines(const QAbstractItemView* view);
// Fits the columns now; otherwise they follow the data and the view's width on their own.
void fitColumns(QTreeView* view);
// The room a cell's text needs to be drawn whole, check box and icon included.
int cellWidthNeeded(const QAbstractItemView* view, const QModelIndex& index);
