#include "platform/listlook.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QListView>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>
#include <algorithm>
#include <vector>

namespace {

// Capital umlauts reach above the ascent of some fonts: the row takes the height of
// their ink and a little air above and below.
int rowHeight(const QFontMetrics& fm) {
  const QRect ink = fm.boundingRect(QStringLiteral("\u00C4\u00D6\u00DCgjp"));
  return std::max(fm.height(), ink.height()) + 6;
}

class ListDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  bool grid = false;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QFont font = option.font;
    const QVariant f = index.data(Qt::FontRole);
    if (f.isValid()) font = f.value<QFont>();
    size.setHeight(std::max(size.height(), rowHeight(QFontMetrics(font))));
    return size;
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (!grid) return;
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid).lighter(130));
    const QRect r = option.rect;
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->restore();
  }

  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event->type() != QEvent::ToolTip || !index.isValid() || index.data(Qt::ToolTipRole).isValid())
      return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QRect cell = view->visualRect(index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && cellWidthNeeded(view, index) > cell.width()) {
      QToolTip::showText(event->globalPos(), text, view->viewport(), cell);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
};

// Follows a view's data and width and fits its columns after each change, once the
// events of that change are handled (a list filled row by row is measured once).
class ColumnFitter : public QObject {
 public:
  explicit ColumnFitter(QTreeView* view) : QObject(view), view_(view), viewport_(view->viewport()) {
    viewport_->installEventFilter(this);
    view->installEventFilter(this);
    connectModel();
  }

  void schedule() {
    if (pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          pending_ = false;
          if (view_) fitColumns(view_);
        },
        Qt::QueuedConnection);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type t = event->type();
    // The view is not asked here: while it is destroyed, its children still send events.
    if ((t == QEvent::Resize && watched == viewport_) || t == QEvent::Show || t == QEvent::FontChange)
      schedule();
    return false;
  }

 private:
  void connectModel() {
    QAbstractItemModel* m = view_->model();
    if (!m) return;
    auto later = [this] { schedule(); };
    connect(m, &QAbstractItemModel::rowsInserted, this, later);
    connect(m, &QAbstractItemModel::rowsRemoved, this, later);
    connect(m, &QAbstractItemModel::dataChanged, this, later);
    connect(m, &QAbstractItemModel::modelReset, this, later);
    connect(m, &QAbstractItemModel::layoutChanged, this, later);
    connect(m, &QAbstractItemModel::columnsInserted, this, later);
    connect(m, &QAbstractItemModel::headerDataChanged, this, later);
  }

  QPointer<QTreeView> view_;
  QObject* viewport_;
  bool pending_ = false;
};

ListDelegate* delegateOf(const QAbstractItemView* view) {
  return dynamic_cast<ListDelegate*>(view->itemDelegate());
}

bool leftAligned(const QAbstractItemModel* m, int column) {
  if (m->rowCount() == 0) return true;
  const QVariant a = m->index(0, column).data(Qt::TextAlignmentRole);
  if (!a.isValid()) return true;
  const int h = a.toInt() & Qt::AlignHorizontal_Mask;
  return !(h & (Qt::AlignRight | Qt::AlignHCenter));
}

// The room of one cell; fm measures the cells without a font of their own.
int widthNeeded(const QAbstractItemView* view, const QModelIndex& index, const QFontMetrics& fm, int margin) {
  if (index.data(Qt::CheckStateRole).isValid() || index.data(Qt::DecorationRole).isValid()) {
    QStyleOptionViewItem option;
    option.initFrom(view);
    return view->itemDelegateForIndex(index)->sizeHint(option, index).width() + 1;
  }
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return 0;
  const QVariant f = index.data(Qt::FontRole);
  if (f.isValid()) return QFontMetrics(f.value<QFont>()).horizontalAdvance(text) + 2 * margin + 1;
  return fm.horizontalAdvance(text) + 2 * margin + 1;
}

int textMargin(const QAbstractItemView* view) {
  return view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}
}  // namespace

int cellWidthNeeded(const QAbstractItemView* view, const QModelIndex& index) {
  return widthNeeded(view, index, QFontMetrics(view->font()), textMargin(view));
}

void fitColumns(QTreeView* view) {
  QHeaderView* header = view->header();
  const QAbstractItemModel* m = view->model();
  if (!m) return;
  const int columns = header->count();
  const int rows = m->rowCount();
  std::vector<int> need(static_cast<size_t>(columns), 0);
  const QFontMetrics fm(view->font());
  const int margin = textMargin(view);
  int total = 0;
  for (int c = 0; c < columns; ++c) {
    if (header->isSectionHidden(c)) continue;
    int w = header->isHidden() ? 0 : header->sectionSizeHint(c);
    for (int r = 0; r < rows; ++r) w = std::max(w, widthNeeded(view, m->index(r, c), fm, margin));
    if (c == 0 && view->rootIsDecorated()) w += view->indentation();
    need[static_cast<size_t>(c)] = w;
    total += w;
  }
  const int room = view->viewport()->width();
  // A view not shown yet has no width of its own: it gets what its content needs.
  if (view->isVisible() && total < room) {
    // The room left goes to the text columns, in the measure of their need.
    int shareable = 0;
    for (int c = 0; c < columns; ++c)
      if (!header->isSectionHidden(c) && leftAligned(m, c)) shareable += need[static_cast<size_t>(c)];
    int left = room - total;
    for (int c = 0; c < columns && shareable > 0; ++c) {
      if (header->isSectionHidden(c) || !leftAligned(m, c)) continue;
      const int more = static_cast<int>(static_cast<long long>(room - total) * need[static_cast<size_t>(c)] / shareable);
      need[static_cast<size_t>(c)] += more;
      left -= more;
    }
    // What rounding left over goes to the last column shown.
    for (int c = columns - 1; c >= 0 && left > 0; --c)
      if (!header->isSectionHidden(c)) {
        need[static_cast<size_t>(c)] += left;
        break;
      }
  }
  for (int c = 0; c < columns; ++c)
    if (!header->isSectionHidden(c) && header->sectionSize(c) != need[static_cast<size_t>(c)])
      header->resizeSection(c, need[static_cast<size_t>(c)]);
}

void giveListLook(QAbstractItemView* view) {
  if (delegateOf(view) || qobject_cast<QHeaderView*>(view)) return;
  view->setItemDelegate(new ListDelegate(view));
  view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  if (auto* tree = qobject_cast<QTreeView*>(view)) {
    tree->header()->setStretchLastSection(false);
    (new ColumnFitter(tree))->schedule();
  }
}

void setGridLines(QAbstractItemView* view, bool on) {
  giveListLook(view);
  delegateOf(view)->grid = on;
  view->viewport()->update();
}

bool hasGridLines(const QAbstractItemView* view) {
  const ListDelegate* d = delegateOf(view);
  return d && d->grid;
}
