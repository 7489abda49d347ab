// The random player's events on the platform's controls: the items of tree
// controls and the captions, edges and corners of child frames.
#include "RandomPlayer.h"

#include "ChildFrame.h"
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

bool RandomPlayer::TreeStep() {
  std::vector<TTreeView*> trees;
  // By dynamic_cast: the controls have no meta-object of their own, so a search
  // by their type would match every widget of their Qt base class.
  for (QWidget* w : harness_.Window().findChildren<QWidget*>())
    if (auto* t = dynamic_cast<TTreeView*>(w); t && t->isVisible()) trees.push_back(t);
  if (trees.empty() || Pick(2) != 0) return false;
  TTreeView& tree = *trees[static_cast<size_t>(Pick(static_cast<int>(trees.size())))];
  std::vector<TTreeView::Item*> shown;
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    bool open = true;
    for (auto* up = (*it)->parent(); up && open; up = up->parent()) open = up->isExpanded();
    if (open) shown.push_back(*it);
  }
  if (shown.empty()) return false;
  const QStringList path = PathOf(shown[static_cast<size_t>(Pick(static_cast<int>(shown.size())))]);
  switch (Pick(3)) {
    case 0:
      harness_.ClickTreeButton(tree.Id(), path);
      Log("tree button " + Text(path));
      break;
    case 1:
      harness_.ClickTreeItem(tree.Id(), path);
      Log("tree item " + Text(path));
      break;
    default:
      harness_.DoubleClickTreeItem(tree.Id(), path);
      Log("tree double click " + Text(path));
      break;
  }
  return true;
}

bool RandomPlayer::FrameStep() {
  std::vector<TChildFrame*> frames;
  for (QWidget* w : harness_.Window().findChildren<QWidget*>())
    if (auto* f = dynamic_cast<TChildFrame*>(w); f && f->isVisible() && !f->visibleRegion().isEmpty())
      frames.push_back(f);
  if (frames.empty() || Pick(2) != 0) return false;
  const TChildFrame& frame = *frames[static_cast<size_t>(Pick(static_cast<int>(frames.size())))];
  static const unsigned kGrips[] = {TChildFrame::CaptionBar, TChildFrame::Left, TChildFrame::Right,
                                    TChildFrame::Top, TChildFrame::Bottom,
                                    TChildFrame::Left | TChildFrame::Top, TChildFrame::Right | TChildFrame::Top,
                                    TChildFrame::Left | TChildFrame::Bottom, TChildFrame::Right | TChildFrame::Bottom,
                                    TChildFrame::Right | TChildFrame::Bottom};
  const unsigned grip = kGrips[Pick(10)];
  const QPoint by(Pick(601) - 200, Pick(501) - 150);
  // Logged first: the drag may end the program (a release on the door), and the frame with it.
  Log("frame " + frame.Caption().toStdString() + " grip " + std::to_string(grip) + " by " +
      std::to_string(by.x()) + "," + std::to_string(by.y()));
  harness_.DragFrame(frame, grip, by, 1 + Pick(3));
  return true;
}
