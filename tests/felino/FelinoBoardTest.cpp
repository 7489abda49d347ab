// The board's rules: heat around the cat, the choice from bar positions, tries.
#include "TabpCase.h"

#include <QRect>

#include <gtest/gtest.h>

using namespace felino;

TEST(FelinoBoard, HeatIsTheLargerDistanceClippedToTheBoard) {
  TabpCase board;
  board.Hide(0, 0);
  // The three neighbours burn, nothing else does; cold from four cells on.
  EXPECT_EQ(board.Heats(), QStringList({"4321000000", "3321000000", "2221000000", "1111000000", "0000000000",
                                        "0000000000", "0000000000", "0000000000", "0000000000", "0000000000"}));
  board.Hide(5, 4);
  EXPECT_EQ(board.Heats(), QStringList({"0000000000", "0011111110", "0012222210", "0012333210", "0012343210",
                                        "0012333210", "0012222210", "0011111110", "0000000000", "0000000000"}));
  EXPECT_EQ(board.CatColumn(), 5);
  EXPECT_EQ(board.CatRow(), 4);
  board.Hide(19, 9);  // the random value taken modulo 10
  EXPECT_EQ(board.At(9, 9).heat, TheCat);
  EXPECT_EQ(board.At(6, 6).heat, Tepid);
  EXPECT_EQ(board.At(5, 9).heat, Cold);
}

TEST(FelinoBoard, CellsAreLaidAgainstTheBarPositions) {
  const TabpCase board;
  EXPECT_EQ(QRect(board.At(0, 0).left, board.At(0, 0).top, board.At(0, 0).width, board.At(0, 0).height),
            QRect(23, 24, 33, 33));
  EXPECT_EQ(QPoint(board.At(9, 2).left, board.At(9, 2).top), QPoint(23 + 297, 24 + 66));
  EXPECT_EQ(board.At(9, 2).column, 9);
  EXPECT_EQ(board.At(9, 2).row, 2);
}

TEST(FelinoBoard, ChoosingTakesOnlyIndicesOfTheBoard) {
  TabpCase board;
  EXPECT_TRUE(board.Choose(PositionOf(3), PositionOf(7)));
  EXPECT_EQ(board.Column(), 3);
  EXPECT_EQ(board.Row(), 7);
  // Two pixels before a cell's position still point to it; three do not.
  EXPECT_TRUE(board.Choose(PositionOf(5) - 2, PositionOf(1) - 3));
  EXPECT_EQ(board.Column(), 5);
  EXPECT_EQ(board.Row(), 0);
  EXPECT_EQ(board.PreviousColumn(), 3);
  EXPECT_EQ(board.PreviousRow(), 7);
  // Past row or column 9, or before column 0 (an index of -1), nothing changes.
  for (QPoint refused : {QPoint(PositionOf(10), PositionOf(2)), QPoint(PositionOf(2), PositionOf(10) - 2),
                         QPoint(PositionOf(-1) - 2, PositionOf(2)), QPoint(PositionOf(2), -40)}) {
    EXPECT_FALSE(board.Choose(refused.x(), refused.y())) << refused.x() << ", " << refused.y();
    EXPECT_EQ(board.Column(), 5);
    EXPECT_EQ(board.Row(), 0);
    EXPECT_EQ(board.PreviousColumn(), 3);
  }
  EXPECT_TRUE(board.Choose(PositionOf(9) + 30, PositionOf(9)));
  EXPECT_EQ(board.Column(), 9);
}

TEST(FelinoBoard, EveryLookIsATryEvenUnderTheSameCellOrAfterTheCat) {
  TabpCase board = TabpCase::Load({"0000000000", "0000000000", "0000000000", "0000000000", "0000000000",
                                   "0000000000", "0000000000", "0000000000", "0000000000", "0000000004"});
  EXPECT_EQ(board.CatColumn(), 9);
  EXPECT_EQ(board.CatRow(), 9);
  EXPECT_EQ(board.Look(), Cold);
  EXPECT_EQ(board.Look(), Cold);
  EXPECT_EQ(board.Tries(), 2);
  board.Choose(PositionOf(9), PositionOf(9));
  EXPECT_EQ(board.Look(), TheCat);
  EXPECT_EQ(board.Look(), TheCat);
  EXPECT_EQ(board.Tries(), 4);
  board.ResetChoice();
  EXPECT_EQ(board.Tries(), 0);
  EXPECT_EQ(board.Column(), 0);
  EXPECT_EQ(board.Row(), 0);
}
