#include "RandomControls.h"

#include "ChildFrame.h"
#include "ControlHands.h"
#include "GameHarness.h"
#include "TreeView.h"

#include <QStringList>

namespace {
// The texts from the top level down to `item`.
QStringList PathOf(const TTreeView::Item* item) {
  QStringList path;
  for (; item; item = item->parent()) path.prepend(item->text(0));
  return path;
}

std::string Text(const QStringList& path) { return path.join('/').toStdString(); }
}  // namespace

bool RandomTreeStep(GameHarness& harness, const std::function<int(int)>& pick, std::string& event) {
  std::vector<TTreeView*> trees;
  // By dynamic_cast: the controls have no meta-object of their own, so a search
  // by their type would match every widget of their Qt base class.
  for (QWidget* w : harness.Window().findChildren<QWidget*>())
    if (auto* t = dynamic_cast<TTreeView*>(w); t && t->isVisible()) trees.push_back(t);
  if (trees.empty() || pick(2) != 0) return false;
  TTreeView& tree = *trees[static_cast<size_t>(pick(static_cast<int>(trees.size())))];
  std::vector<TTreeView::Item*> shown;
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    bool open = true;
    for (auto* up = (*it)->parent(); up && open; up = up->parent()) open = up->isExpanded();
    if (open) shown.push_back(*it);
  }
  if (shown.empty()) return false;
  const QStringList path = PathOf(shown[static_cast<size_t>(pick(static_cast<int>(shown.size())))]);
  switch (pick(3)) {
    case 0:
      event = "tree button " + Text(path);
      ClickTreeButton(harness, tree.Id(), path);
      break;
    case 1:
      event = "tree item " + Text(path);
      ClickTreeItem(harness, tree.Id(), path);
      break;
    default:
      event = "tree double click " + Text(path);
      DoubleClickTreeItem(harness, tree.Id(), path);
      break;
  }
  return true;
}

bool RandomFrameStep(GameHarness& harness, const std::function<int(int)>& pick, std::string& event) {
  std::vector<TChildFrame*> frames;
  for (QWidget* w : harness.Window().findChildren<QWidget*>())
    if (auto* f = dynamic_cast<TChildFrame*>(w); f && f->isVisible() && !f->visibleRegion().isEmpty())
      frames.push_back(f);
  if (frames.empty() || pick(2) != 0) return false;
  const TChildFrame& frame = *frames[static_cast<size_t>(pick(static_cast<int>(frames.size())))];
  static const unsigned kGrips[] = {TChildFrame::CaptionBar, TChildFrame::Left, TChildFrame::Right,
                                    TChildFrame::Top, TChildFrame::Bottom,
                                    TChildFrame::Left | TChildFrame::Top, TChildFrame::Right | TChildFrame::Top,
                                    TChildFrame::Left | TChildFrame::Bottom, TChildFrame::Right | TChildFrame::Bottom,
                                    TChildFrame::Right | TChildFrame::Bottom};
  const unsigned grip = kGrips[pick(10)];
  const QPoint by(pick(601) - 200, pick(501) - 150);
  event = "frame " + frame.Caption().toStdString() + " grip " + std::to_string(grip) + " by " +
          std::to_string(by.x()) + "," + std::to_string(by.y());
  DragFrame(harness, frame, grip, by, 1 + pick(3));
  return true;
}
