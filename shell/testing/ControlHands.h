#pragma once
#include "TreeView.h"

#include <QPoint>
#include <QStringList>
#include <vector>

class GameHarness;
class TChildFrame;

// The harness's hands on the platform's controls: the items of tree controls
// and the captions, edges and corners of child frames, used through the
// window as the child would. Points are in drawing-area coordinates.

// The tree control of id `id` in the game window, and its items as they show.
TTreeView* Tree(GameHarness& h, int id);
std::vector<TTreeView::Row> TreeRows(GameHarness& h, int id);
// The item reached by `path` (texts from the top level) clicked on its +/- box
// or on its text, or double-clicked on its text; false (and nothing done) when
// it does not show.
bool ClickTreeButton(GameHarness& h, int id, const QStringList& path);
bool ClickTreeItem(GameHarness& h, int id, const QStringList& path);
bool DoubleClickTreeItem(GameHarness& h, int id, const QStringList& path);
// Where a frame is gripped: its caption (TChildFrame::CaptionBar), an edge or a
// corner (the edges' bits together).
QPoint GripPoint(GameHarness& h, const TChildFrame& frame, unsigned grip);
// The frame gripped there and dragged by `by` in `steps` moves, then let go.
void DragFrame(GameHarness& h, const TChildFrame& frame, unsigned grip, QPoint by, int steps = 3);
