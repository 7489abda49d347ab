// The board's rules without a window: its layout, the generation, the presses
// and the releases, on boards loaded from text.
#include "Random.h"
#include "ToSlip.h"

#include <QRect>
#include <gtest/gtest.h>

using namespace torreta;
using Rows = std::vector<std::string>;

namespace {
constexpr int kWidth = 979, kHeight = 651;  // the drawing area on a 1024 x 768 screen

QPoint CentreOf(const CaseDisque& s) { return QPoint(s.left + 45, s.top + 15); }

// A new board from scripted draws.
ToSlip Generated(int level, std::deque<int> draws) {
  Random::Script(std::move(draws));
  ToSlip board;
  board.NewGame(level, kWidth, kHeight);
  Random::Script({});
  return board;
}

// Column 0 holds a 3, columns 1 and 2 two discs each; the example asks for 1 over 5.
const Rows kBoard{"...|.",
                  ".12|1",
                  "345|5"};
}  // namespace

TEST(TorretaRules, EachLevelHasOneSlotFewerPerColumnThanColumnsLaidOutAcrossTheArea) {
  for (int level = 0; level < 5; ++level) {
    ToSlip board = Generated(level, {});
    const int C = 4 + level, g = (kWidth - 90 * C) / (C + 1);
    ASSERT_EQ(board.Columns(), C);
    ASSERT_EQ(board.Rows(), C - 1);
    EXPECT_EQ(board.Gap(), g);
    EXPECT_EQ(board.BandLeft(), g + (C - 1) * (90 + g) - g / 2);
    for (int r = 0; r < board.Rows(); ++r)
      for (int c = 0; c < C; ++c) {
        const CaseDisque& s = board.At(r, c);
        EXPECT_EQ(QRect(s.left, s.top, s.width, s.height), QRect(g + c * (90 + g), kHeight / 3 + 30 * r, 90, 30));
        // Every playing column starts with its top slot empty above full slots;
        // the example's discs each come from its own column's stack.
        EXPECT_EQ(s.Empty(), r == 0) << level << ": " << r << "," << c;
      }
  }
  // Level 4 on 1024 x 768: eight columns 28 pixels apart, the band from x = 840.
  EXPECT_EQ(Generated(4, {}).BandLeft(), 840);
}

TEST(TorretaRules, GenerationFillsRowByRowThenCopiesOneDiscOfEachColumnIntoTheExample) {
  // Rows 1 and 2 of the three playing columns, then the example's rows: row 1
  // copies row 1 + 1 of column 1 (3 mod 2 = 1), row 2 copies row 0 + 1 of column 2.
  EXPECT_EQ(Generated(0, {6, 1, 2, 3, 4, 11, 3, 0}).Text(), (Rows{"...|.", "012|4", "345|2"}));
  // A board that comes out solved (column 0 already holds 1 over 5) is drawn again.
  EXPECT_EQ(Generated(0, {1, 1, 2, 5, 4, 5, 0, 1, 0, 1, 2, 3, 4, 5, 1, 0}).Text(), (Rows{"...|.", "012|4", "345|2"}));
}

TEST(TorretaRules, APressPicksOnlyADiscOnTopOfAPlayingStack) {
  ToSlip board;
  board.Load({"5..|.", "012|4", "345|2"}, kWidth, kHeight);
  const CaseDisque& top = board.At(0, 0);
  EXPECT_EQ(board.Pick(CentreOf(board.At(0, 1))), Press::Nothing);                 // an empty slot
  EXPECT_EQ(board.Pick(QPoint(top.left + 90 + 3, top.top + 5)), Press::Nothing);   // between two columns
  EXPECT_EQ(board.Pick(QPoint(top.left, top.top + 5)), Press::Nothing);            // on a slot's border
  EXPECT_EQ(board.Pick(CentreOf(board.At(1, 3))), Press::ExampleDisc);
  EXPECT_EQ(board.Pick(CentreOf(board.At(0, 3))), Press::Nothing);                 // the example's hidden top
  EXPECT_EQ(board.Pick(CentreOf(board.At(2, 0))), Press::Blocked);
  EXPECT_EQ(board.Pick(CentreOf(board.At(1, 0))), Press::Blocked);                 // under a disc in row 0
  EXPECT_EQ(board.Pick(CentreOf(board.At(2, 0)) - QPoint(0, 15)), Press::Nothing); // between two rows
  EXPECT_FALSE(board.Dragging());
  EXPECT_EQ(board.Pick(QPoint(top.left + 1, top.top + 29)), Press::Drag);          // a disc in row 0
  EXPECT_EQ(board.picked, &board.At(0, 0));
  EXPECT_EQ(board.offset, QPoint(1, 29));
  EXPECT_EQ(board.Pick(CentreOf(board.At(1, 2))), Press::Drag);                    // under an empty slot
  EXPECT_EQ(board.picked, &board.At(1, 2));
}

TEST(TorretaRules, ARefusedReleaseLeavesTheBoardAsItWas) {
  struct Case {
    const char* what;
    int row, column;
    Drop outcome;
  };
  // The disc on top of column 1 let go at each place, in the order the rules try them.
  const Case cases[] = {{"its own slot", 1, 1, Drop::Home},
                        {"a disc", 2, 2, Drop::OntoDisc},
                        {"a disc of the example", 2, 3, Drop::OntoDisc},
                        {"the example's empty top", 0, 3, Drop::OntoExample},
                        {"higher in its own column", 0, 1, Drop::OwnColumn}};
  for (const Case& k : cases) {
    ToSlip board;
    board.Load(kBoard, kWidth, kHeight);
    ASSERT_EQ(board.Pick(CentreOf(board.At(1, 1))), Press::Drag);
    EXPECT_EQ(board.Release(CentreOf(board.At(k.row, k.column))), k.outcome) << k.what;
    EXPECT_EQ(board.Text(), kBoard) << k.what;
    EXPECT_FALSE(board.Dragging()) << k.what;
  }
  ToSlip board;
  board.Load(kBoard, kWidth, kHeight);
  board.Pick(CentreOf(board.At(1, 1)));
  const CaseDisque& s = board.At(2, 0);
  EXPECT_EQ(board.Release(QPoint(s.left + 90, s.top + 10)), Drop::Outside);  // just right of a column
  EXPECT_EQ(board.Release(CentreOf(s)), Drop::None);                        // nothing held any more
  EXPECT_EQ(board.Text(), kBoard);
}

TEST(TorretaRules, PointsAroundTheColumnsAndWhereALargerBoardLayHitNoSlot) {
  ToSlip board;
  board.Load({"....|.", "1234|2", "2345|3", "3450|4"}, kWidth, kHeight);
  // Slots of this larger board that lie past the last row and the last column of the next one.
  const QPoint oldRow = CentreOf(board.At(3, 0)), oldColumn = CentreOf(board.At(1, 4)) + QPoint(25, 0);
  board.Load(kBoard, kWidth, kHeight);
  const int top = board.Top(), bottom = top + 30 * board.Rows();
  for (const QPoint p : {QPoint(kWidth - 1, top + 45),                 // right of the example, in the area
                         QPoint(board.At(0, 0).left + 10, top - 1),      // just above the top row
                         QPoint(board.At(0, 0).left + 10, bottom + 5),   // below the bottom row
                         oldRow, oldColumn}) {
    EXPECT_EQ(board.SlotAt(p), nullptr) << p.x() << "," << p.y();
    EXPECT_EQ(board.TargetAt(p), nullptr) << p.x() << "," << p.y();
  }
}

TEST(TorretaRules, ADiscLetGoOnAnEmptySlotSlidesDownOntoTheStack) {
  ToSlip board;
  board.Load(kBoard, kWidth, kHeight);
  board.Pick(CentreOf(board.At(1, 1)));
  // The release counts the slot's top-left edge in, and the disc slides from row 0 to row 1.
  const CaseDisque& top = board.At(0, 0);
  EXPECT_EQ(board.Release(QPoint(top.left, top.top)), Drop::Moved);
  EXPECT_EQ(board.target, &board.At(1, 0));
  EXPECT_EQ(board.Text(), (Rows{"...|.", "1.2|1", "345|5"}));
  // Onto a column whose top slot is its only empty one: it stays there.
  board.Pick(CentreOf(board.At(1, 2)));
  EXPECT_EQ(board.Release(CentreOf(board.At(0, 0))), Drop::Moved);
  EXPECT_EQ(board.Text(), (Rows{"2..|.", "1..|1", "345|5"}));
  // Into an empty column it falls to the bottom.
  board.Load({"...|.", ".1.|1", ".55|3"}, kWidth, kHeight);
  board.Pick(CentreOf(board.At(1, 1)));
  EXPECT_EQ(board.Release(CentreOf(board.At(0, 0))), Drop::Moved);
  EXPECT_EQ(board.target, &board.At(2, 0));
  EXPECT_EQ(board.Text(), (Rows{"...|.", "...|1", "155|3"}));
}

TEST(TorretaRules, TheGameIsWonWhenAPlayingColumnEqualsTheExampleTopSlotIncluded) {
  ToSlip board;
  board.Load({"...|.", "1..|1", "345|5"}, kWidth, kHeight);
  EXPECT_FALSE(board.Solved());
  board.Load({"3..|.", "1..|1", "545|5"}, kWidth, kHeight);  // 1 over 5, but under a 3
  EXPECT_FALSE(board.Solved());
  board.Pick(CentreOf(board.At(0, 0)));
  EXPECT_EQ(board.Release(CentreOf(board.At(0, 1))), Drop::Won);
  EXPECT_TRUE(board.Solved());
  // The last playing column counts too.
  board.Load({"..3|.", "..1|1", "445|5"}, kWidth, kHeight);
  board.Pick(CentreOf(board.At(0, 2)));
  EXPECT_EQ(board.Release(CentreOf(board.At(0, 0))), Drop::Won);
}
