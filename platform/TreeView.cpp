#include "TreeView.h"

#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <functional>

namespace {
constexpr int kIndent = 19;
constexpr int kBox = 9;  // the +/- box, odd so that its sign sits in the middle
constexpr int kImageRole = Qt::UserRole + 1;

// A dotted line of one-pixel dots, every other pixel, as the lines of a tree go.
void DottedLine(QPainter& p, int x1, int y1, int x2, int y2) {
  if (x1 == x2) {
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
      if ((x1 + y) % 2 == 0) p.drawPoint(x1, y);
  } else {
    for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
      if ((x + y1) % 2 == 0) p.drawPoint(x, y1);
  }
}

bool HasNextSibling(const QModelIndex& index) { return index.sibling(index.row() + 1, 0).isValid(); }
}  // namespace

TTreeView::TTreeView(QWidget* parent, int id, const QRect& place) : QTreeWidget(parent), id_(id) {
  // The header is hidden: its own sizes, which it would measure through the
  // style sheet at every layout, never widen the column. Set first, before the
  // settings below lay the view out.
  header()->setMinimumSectionSize(1);
  headerItem()->setSizeHint(0, QSize(1, 1));
  setGeometry(place);
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  setIndentation(kIndent);
  setUniformRowHeights(true);
  setAnimated(false);
  setIconSize(QSize(20, 18));
  setFocusPolicy(Qt::StrongFocus);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(16);
  setFont(font);
  setStyleSheet(QStringLiteral("QTreeView { background: white; color: black; }"));
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(this, &QTreeWidget::itemExpanded, this, [this](Item* item) { ShowState(item); });
  connect(this, &QTreeWidget::itemCollapsed, this, [this](Item* item) { ShowState(item); });
}

void TTreeView::SetImageList(const QImage& strip, int width) {
  images_.clear();
  if (width <= 0) return;
  for (int x = 0; x + width <= strip.width(); x += width) {
    QImage picture = strip.copy(x, 0, width, strip.height()).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int i = 0; i < picture.width(); ++i)
        if ((line[i] & 0xffffff) == 0xffffff) line[i] = 0;
    }
    images_.emplace_back(QPixmap::fromImage(picture));
  }
  QTreeWidgetItemIterator it(this);
  for (; *it; ++it) ShowState(*it);
}

TTreeView::Item* TTreeView::AppendChild(Item* parent, const QString& text) {
  auto* item = new Item(QStringList{text});
  if (parent) parent->addChild(item);
  else addTopLevelItem(item);
  ShowState(item);
  return item;
}

void TTreeView::DeleteAllItems() { clear(); }
void TTreeView::Expand(Item* item) { if (item) item->setExpanded(true); }
void TTreeView::Collapse(Item* item) { if (item) item->setExpanded(false); }

void TTreeView::ShowState(Item* item) {
  const int image = item->isExpanded() && item->childCount() > 0 ? 1 : 0;
  item->setData(0, kImageRole, image);
  if (image < static_cast<int>(images_.size())) item->setIcon(0, images_[static_cast<size_t>(image)]);
}

int TTreeView::ImageOf(const Item* item) const { return item ? item->data(0, kImageRole).toInt() : -1; }

std::vector<TTreeView::Row> TTreeView::VisibleRows() const {
  std::vector<Row> rows;
  const std::function<void(Item*, int)> visit = [&](Item* item, int depth) {
    rows.push_back({depth, item->text(0), item->childCount() > 0, item->isExpanded()});
    if (item->isExpanded())
      for (int k = 0; k < item->childCount(); ++k) visit(item->child(k), depth + 1);
  };
  for (int k = 0; k < topLevelItemCount(); ++k) visit(topLevelItem(k), 0);
  return rows;
}

TTreeView::Item* TTreeView::Find(const QStringList& path) const {
  Item* found = nullptr;
  for (const QString& text : path) {
    const int count = found ? found->childCount() : topLevelItemCount();
    Item* next = nullptr;
    for (int k = 0; k < count && !next; ++k) {
      Item* candidate = found ? found->child(k) : topLevelItem(k);
      if (candidate->text(0) == text) next = candidate;
    }
    if (!next) return nullptr;
    found = next;
  }
  return found;
}

QRect TTreeView::ButtonRect(Item* item) const {
  const QRect row = visualItemRect(item);
  if (!row.isValid()) return {};
  // The item's own column of the branch area ends where its row starts.
  const int centreX = row.left() - kIndent / 2 - 1;
  const int centreY = row.top() + row.height() / 2;  // as drawBranches finds it
  return QRect(centreX - kBox / 2, centreY - kBox / 2, kBox, kBox).translated(viewport()->pos());
}

QRect TTreeView::TextRect(Item* item) const { return visualItemRect(item).translated(viewport()->pos()); }

void TTreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
  QPainter& p = *painter;
  p.save();
  p.fillRect(rect, Qt::white);
  p.setPen(QColor(128, 128, 128));
  const int midY = rect.top() + rect.height() / 2;
  // The lines of the ancestors that still have siblings below, one column each.
  int column = rect.right() + 1 - kIndent;
  const int ownColumn = column;
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) {
    column -= kIndent;
    if (HasNextSibling(up)) DottedLine(p, column + kIndent / 2, rect.top(), column + kIndent / 2, rect.bottom());
  }
  // The item's own lines: from above (but for the very first item), to its
  // text, and on down to its next sibling.
  const int x = ownColumn + kIndent / 2;
  const bool first = !index.parent().isValid() && index.row() == 0;
  if (!first) DottedLine(p, x, rect.top(), x, midY);
  if (HasNextSibling(index)) DottedLine(p, x, midY, x, rect.bottom());
  DottedLine(p, x, midY, ownColumn + kIndent - 1, midY);
  // The +/- box where the item has children.
  if (model()->hasChildren(index)) {
    const QRect box(x - kBox / 2, midY - kBox / 2, kBox - 1, kBox - 1);
    p.fillRect(box, Qt::white);
    p.drawRect(box);
    p.setPen(Qt::black);
    p.drawLine(box.left() + 2, midY, box.right() - 2, midY);
    if (!isExpanded(index)) p.drawLine(x, box.top() + 2, x, box.bottom() - 2);
  }
  p.restore();
}
