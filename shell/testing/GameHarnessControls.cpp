// The harness's hands on the platform's controls: tree items and child frames.
#include "GameHarness.h"

#include "ChildFrame.h"

#include <QApplication>
#include <QTest>

TTreeView* GameHarness::Tree(int id) const {
  for (QWidget* w : Window().findChildren<QWidget*>())
    if (auto* tree = dynamic_cast<TTreeView*>(w); tree && tree->Id() == id) return tree;
  return nullptr;
}

std::vector<TTreeView::Row> GameHarness::TreeRows(int id) const {
  const TTreeView* tree = Tree(id);
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

bool GameHarness::ClickTreeButton(int id, const QStringList& path) {
  TTreeView* tree = Tree(id);
  TTreeView::Item* item = ShownItem(tree, path);
  if (!item || item->childCount() == 0) return false;
  Click(tree->mapTo(&Window(), tree->ButtonRect(item).center()));
  return true;
}

bool GameHarness::ClickTreeItem(int id, const QStringList& path) {
  TTreeView* tree = Tree(id);
  TTreeView::Item* item = ShownItem(tree, path);
  if (!item) return false;
  Click(tree->mapTo(&Window(), tree->TextRect(item).topLeft() + QPoint(30, 4)));
  return true;
}

bool GameHarness::DoubleClickTreeItem(int id, const QStringList& path) {
  TTreeView* tree = Tree(id);
  TTreeView::Item* item = ShownItem(tree, path);
  if (!item) return false;
  const QPoint p = tree->mapTo(&Window(), tree->TextRect(item).topLeft() + QPoint(30, 4));
  Click(p);
  DoubleClick(p);
  return true;
}

QPoint GameHarness::GripPoint(const TChildFrame& frame, unsigned grip) const {
  const int w = frame.width(), h = frame.height();
  QPoint p;
  if (grip == TChildFrame::CaptionBar) {
    p = QPoint(std::max(frame.CaptionTextLeft() + 4, w / 2), TChildFrame::kBorder + TChildFrame::kCaption / 2);
  } else {
    const int x = grip & TChildFrame::Left ? 1 : grip & TChildFrame::Right ? w - 2 : w / 2;
    const int y = grip & TChildFrame::Top ? 1 : grip & TChildFrame::Bottom ? h - 2 : h / 2;
    p = QPoint(x, y);
  }
  return frame.mapTo(&Window(), p);
}

void GameHarness::DragFrame(const TChildFrame& frame, unsigned grip, QPoint by, int steps) {
  const QPoint from = GripPoint(frame, grip);
  Drag(from, from + by, steps);
}
