#include "ControlHands.h"

#include "ChildFrame.h"
#include "GameHarness.h"

#include <QApplication>
#include <QTest>

TTreeView* Tree(GameHarness& h, int id) {
  for (QWidget* w : h.Window().findChildren<QWidget*>())
    if (auto* tree = dynamic_cast<TTreeView*>(w); tree && tree->Id() == id) return tree;
  return nullptr;
}

std::vector<TTreeView::Row> TreeRows(GameHarness& h, int id) {
  const TTreeView* tree = Tree(h, id);
  return tree ? tree->VisibleRows() : std::vector<TTreeView::Row>{};
}

namespace {
// The item at `path` scrolled into sight, or null when it does not show.
TTreeView::Item* ShownItem(TTreeView* tree, const QStringList& path) {
  if (!tree) return nullptr;
  TTreeView::Item* item = tree->Find(path);
  for (TTreeView::Item* up = item ? item->parent() : nullptr; up; up = up->parent())
    if (!up->isExpanded()) return nullptr;
  if (item) {
    tree->scrollToItem(item);
    QApplication::processEvents();
  }
  return item;
}
}  // namespace

bool ClickTreeButton(GameHarness& h, int id, const QStringList& path) {
  TTreeView* tree = Tree(h, id);
  TTreeView::Item* item = ShownItem(tree, path);
  if (!item || item->childCount() == 0) return false;
  h.Click(tree->mapTo(&h.Window(), tree->ButtonRect(item).center()));
  return true;
}

bool ClickTreeItem(GameHarness& h, int id, const QStringList& path) {
  TTreeView* tree = Tree(h, id);
  TTreeView::Item* item = ShownItem(tree, path);
  if (!item) return false;
  h.Click(tree->mapTo(&h.Window(), tree->TextRect(item).topLeft() + QPoint(30, 4)));
  return true;
}

bool DoubleClickTreeItem(GameHarness& h, int id, const QStringList& path) {
  TTreeView* tree = Tree(h, id);
  TTreeView::Item* item = ShownItem(tree, path);
  if (!item) return false;
  const QPoint p = tree->mapTo(&h.Window(), tree->TextRect(item).topLeft() + QPoint(30, 4));
  h.Click(p);
  h.DoubleClick(p);
  return true;
}

QPoint GripPoint(GameHarness& h, const TChildFrame& frame, unsigned grip) {
  const int w = frame.width(), height = frame.height();
  QPoint p;
  if (grip == TChildFrame::CaptionBar) {
    p = QPoint(std::max(frame.CaptionTextLeft() + 4, w / 2), TChildFrame::kBorder + TChildFrame::kCaption / 2);
  } else {
    const int x = grip & TChildFrame::Left ? 1 : grip & TChildFrame::Right ? w - 2 : w / 2;
    const int y = grip & TChildFrame::Top ? 1 : grip & TChildFrame::Bottom ? height - 2 : height / 2;
    p = QPoint(x, y);
  }
  return frame.mapTo(&h.Window(), p);
}

void DragFrame(GameHarness& h, const TChildFrame& frame, unsigned grip, QPoint by, int steps) {
  const QPoint from = GripPoint(h, frame, grip);
  h.Drag(from, from + by, steps);
}
