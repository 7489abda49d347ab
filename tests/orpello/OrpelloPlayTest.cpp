// Long random play aimed at the frame's handles and edges and at the chest.
#include "OrpelloFixture.h"

#include "RandomPlayer.h"

using namespace orpello;

namespace {
// The handle boxes, thin strips along the four edges, and the chest's caption and border.
std::vector<QRect> FrameAims(Rectang& f, const QWidget& chest) {
  std::vector<QRect> aims;
  for (int k = 0; k < 4; ++k) aims.push_back(f.Handle(k).Box().adjusted(-1, -1, 2, 2));
  const QRect r = QRect(QPoint(f.left, f.top), QPoint(f.right, f.bottom)).normalized();
  aims.push_back(QRect(r.left(), r.top() - 3, r.width(), 7));
  aims.push_back(QRect(r.left(), r.bottom() - 3, r.width(), 7));
  aims.push_back(QRect(r.left() - 3, r.top(), 7, r.height()));
  aims.push_back(QRect(r.right() - 3, r.top(), 7, r.height()));
  aims.push_back(chest.geometry().adjusted(-2, -2, 2, 2));
  return aims;
}

// The long plays, apart from the quicker situations.
class OrpelloPlay : public OrpelloTest {};
}  // namespace

TEST_F(OrpelloPlay, RandomPlayAtEveryLevelKeepsTheBoardWholeAndTheFrameOnTheGrid) {
  for (QSize screen : {QSize(1024, 768), QSize(1920, 1080)})
    for (int level = 0; level < kLevels; ++level) {
      Start({.screenWidth = screen.width(), .screenHeight = screen.height(), .seed = unsigned(level + 1)});
      h->Command(cmd::kLevelChoices[level]);
      RandomPlayer player(*h, 1000u + unsigned(level));
      player.SetCommands({cmd::SameLevel, cmd::Add, cmd::Multiply, cmd::GiveUp, 1, 5, 10});
      for (int round = 0; round < 12; ++round) {
        player.SetAims(FrameAims(F(), W().Chest()));
        const PlayReport report = player.Play(150);
        ASSERT_TRUE(report.ok) << report.failure;
        h->TakePopups();
        if (E().Mouse().Dragging()) h->Release({0, 0});
        h->TakeMessages();
        // At rest between events: the frame snapped to grid lines inside the grid, on both surfaces.
        ASSERT_FALSE(E().Mouse().Dragging());
        ASSERT_EQ(F().lifted, 0);
        for (int v : {F().left, F().right}) ASSERT_EQ((v - G().X0()) % G().Pitch(), 0) << v;
        for (int v : {F().top, F().bottom}) ASSERT_EQ((v - G().Y0()) % G().Pitch(), 0) << v;
        ASSERT_TRUE(QRect(X(0), Y(0), X(G().N()) - X(0) + 1, Y(G().N()) - Y(0) + 1).contains(Edges().normalized()));
        ExpectBoardAtRest();
        // The chest keeps the size its last right declaration gave it, whatever the mouse did.
        EXPECT_EQ(W().Chest().size(), W().Chest().ChestSize());
      }
    }
}
