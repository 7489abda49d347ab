// The forest board and the walk, without a window.
#include "Exercices.h"
#include "ForetPaths.h"
#include "Niveaux.h"

#include <gtest/gtest.h>

using namespace foret;
using Rows = std::vector<std::string>;

namespace {
struct Walk {
  ToClic2D board;
  Balade balade{board};
  std::vector<CaseForet*> redrawn;
  explicit Walk(const Rows& rows, bool letters = true, int width = 976, int height = 671) {
    balade.redraw = [this](CaseForet& c) { redrawn.push_back(&c); };
    balade.Lay(rows, letters, width, height);
  }
  Pas Step(int r, int c) {
    redrawn.clear();
    return balade.Step(board.Cell(r, c));
  }
  Rows Text() const { return BoardText(board); }
};
}  // namespace

TEST(ForetLayouts, EveryExerciseHasTheLevelsSizeOneChildOneWolfBesideItAndAWayHome) {
  for (bool letters : {true, false})
    for (int level = 0; level < 4; ++level)
      for (int exercise = 1; exercise <= 3; ++exercise) {
        SCOPED_TRACE(testing::Message() << "level " << level << " exercise " << exercise << " letters " << letters);
        Walk w(ExerciseRows(level, exercise), letters);
        EXPECT_EQ(w.board.Columns(), kNiveaux[level].columns);
        EXPECT_EQ(w.board.Rows(), kNiveaux[level].rows);
        int children = 0, wolves = 0, huts = 0, lettersCells = 0;
        for (const std::string& row : w.Text())
          for (char ch : row) {
            children += ch == 'P';
            wolves += ch == 'W';
            huts += ch == 'H';
            lettersCells += ch == 'L';
          }
        EXPECT_EQ(children, 1);
        EXPECT_EQ(wolves, 1);
        EXPECT_EQ(huts, 1);
        if (!letters || (level == 3 && exercise == 2)) EXPECT_EQ(lettersCells, 0);
        else EXPECT_GT(lettersCells, 0);
        ASSERT_TRUE(w.balade.Child() && w.balade.Wolf() && w.balade.Hut());
        EXPECT_EQ(std::abs(w.balade.Child()->row - w.balade.Wolf()->row) +
                      std::abs(w.balade.Child()->column - w.balade.Wolf()->column), 1);
        EXPECT_TRUE(WayHome(w.balade).has_value());
      }
}

TEST(ForetLayouts, TheLatticeHasPathsEveryFourthLineAndAHutEnteredFromBelowOrRight) {
  Walk w(ExerciseRows(3, 2));
  const Rows text = w.Text();
  EXPECT_EQ(text[0], "W.................");
  EXPECT_EQ(text[1], "PTTT.TTT.TTT.TTT.T");
  EXPECT_EQ(text[4], "..................");
  EXPECT_EQ(text[11], ".TTT.TTT.TTT.TTH.T");
  EXPECT_EQ(w.balade.Hut(), &w.board.Cell(11, 15));
  EXPECT_EQ(text[11][14], 'T');
  EXPECT_EQ(text[10][15], 'T');
  EXPECT_EQ(text[12][15], '.');
  EXPECT_EQ(text[11][16], '.');
}

TEST(ForetBoard, CellsAreLaidCentredLessHalfACellAndHitWithTheirLeftAndTopEdges) {
  Walk w(ExerciseRows(0, 1));
  // 976 x 671: (976 - 9 * 29 - 29) / 2 = 343, (671 - 6 * 29 - 29) / 2 = 234.
  EXPECT_EQ(w.board.Origin(), QPoint(343, 234));
  EXPECT_EQ(w.board.Cell(1, 2).left, 343 + 58);
  EXPECT_EQ(w.board.Cell(1, 2).top, 234 + 29);
  EXPECT_EQ(w.board.CellAt(QPoint(343 + 29 * 2, 234 + 29)), &w.board.Cell(1, 2));
  EXPECT_EQ(w.board.CellAt(QPoint(343 + 29 * 3 - 1, 234 + 29 * 2 - 1)), &w.board.Cell(1, 2));
  EXPECT_EQ(w.board.CellAt(QPoint(343 + 29 * 3, 234 + 29 * 2)), &w.board.Cell(2, 3));
  EXPECT_EQ(w.board.LastRow(), 2);
  EXPECT_EQ(w.board.LastColumn(), 3);
  EXPECT_EQ(w.board.CellAt(QPoint(342, 240)), nullptr);
  EXPECT_EQ(w.board.CellAt(QPoint(343, 233)), nullptr);
  EXPECT_EQ(w.board.CellAt(QPoint(343 + 29 * 9, 240)), nullptr);
  EXPECT_EQ(w.board.CellAt(QPoint(350, 234 + 29 * 6)), nullptr);
  EXPECT_EQ(w.board.LastHit(), &w.board.Cell(2, 3)) << "a miss keeps the last hit";

  // A board larger than the area starts at its top left corner.
  Walk small(ExerciseRows(3, 1), true, 400, 300);
  EXPECT_EQ(small.board.Origin(), QPoint(0, 0));
  // A new board's last hit is its middle cell.
  small.board.Clear(6, 9);
  EXPECT_EQ(small.board.LastHit(), &small.board.Cell(3, 4));
}

TEST(ForetBoard, ArrowsFindTheCellBesideAndNothingPastTheEdge) {
  Walk w({"PW.", "...", "..H"});
  EXPECT_EQ(w.balade.Beside(Direction::Up), nullptr);
  EXPECT_EQ(w.balade.Beside(Direction::Left), nullptr);
  EXPECT_EQ(w.balade.Beside(Direction::Right), &w.board.Cell(0, 1));
  EXPECT_EQ(w.balade.Beside(Direction::Down), &w.board.Cell(1, 0));
  Walk corner({"...", "..W", "..P"});
  EXPECT_EQ(corner.balade.Beside(Direction::Down), nullptr);
  EXPECT_EQ(corner.balade.Beside(Direction::Right), nullptr);
  EXPECT_EQ(corner.balade.Beside(Direction::Up), &corner.board.Cell(1, 2));
  EXPECT_TRUE(corner.balade.IsNear(corner.board.Cell(1, 1)));
  EXPECT_TRUE(corner.balade.IsNear(corner.board.Cell(2, 2)));
  EXPECT_FALSE(corner.balade.IsNear(corner.board.Cell(0, 2)));
  EXPECT_FALSE(corner.balade.IsNear(corner.board.Cell(2, 0)));
}

TEST(ForetWalk, APathStepMovesTheChildAndTheWolfBehindItRedrawingThreeCells) {
  Walk w({"TWP..H"});
  EXPECT_EQ(w.Step(0, 3), Pas::Walked);
  EXPECT_EQ(w.Text(), (Rows{"T.WP.H"}));
  EXPECT_EQ(w.redrawn, (std::vector<CaseForet*>{&w.board.Cell(0, 1), &w.board.Cell(0, 2), &w.board.Cell(0, 3)}));
  EXPECT_EQ(w.balade.Child(), &w.board.Cell(0, 3));
  EXPECT_EQ(w.balade.Wolf(), &w.board.Cell(0, 2));
  // A diagonal step is a step like any other.
  Walk d({"WP.", "..H"});
  EXPECT_EQ(d.Step(1, 2), Pas::Home);
}

TEST(ForetWalk, ATreeOrTheChildsOwnCellBringsTheWolfOntoTheChildWhereverItWas) {
  Walk w({"W....", "....P", "...TH"});
  EXPECT_EQ(w.Step(2, 3), Pas::Stumbled);
  EXPECT_EQ(w.Text(), (Rows{".....", "....W", "...TH"}));
  EXPECT_EQ(w.redrawn.size(), 2u);
  EXPECT_EQ(w.balade.Wolf(), &w.board.Cell(1, 4));
  EXPECT_EQ(w.balade.Child(), nullptr);
  EXPECT_EQ(w.balade.Beside(Direction::Left), nullptr) << "the child is gone";

  Walk own({"WP.H"});
  EXPECT_EQ(own.Step(0, 1), Pas::Stumbled);
  EXPECT_EQ(own.Text(), (Rows{".W.H"}));
}

TEST(ForetWalk, OntoTheWolfTheChildIsEatenAndItsCellBecomesPath) {
  Walk w({"WP.H"});
  EXPECT_EQ(w.Step(0, 0), Pas::IntoWolf);
  EXPECT_EQ(w.Text(), (Rows{"W..H"}));
  EXPECT_EQ(w.redrawn, (std::vector<CaseForet*>{&w.board.Cell(0, 1)}));
}

TEST(ForetWalk, IntoTheHutTheChildIsHomeAndTheWolfStaysOutOfThePicture) {
  Walk w({"TWPH"});
  EXPECT_EQ(w.Step(0, 3), Pas::Home);
  EXPECT_EQ(w.Text(), (Rows{"T..h"}));
  EXPECT_EQ(w.redrawn.size(), 3u);
  EXPECT_EQ(w.balade.Wolf(), &w.board.Cell(0, 2));
  EXPECT_EQ(w.balade.Child(), &w.board.Cell(0, 3));
}

TEST(ForetWalk, ALettersCellStopsTheChildUntilItWalksOntoIt) {
  Walk w({"WPL.H"});
  EXPECT_EQ(w.Step(0, 2), Pas::Letters);
  EXPECT_EQ(w.Text(), (Rows{"WPL.H"}));
  EXPECT_TRUE(w.redrawn.empty());
  w.balade.Walk(w.board.Cell(0, 2));
  EXPECT_EQ(w.Text(), (Rows{".WP.H"}));
  // Without letters, the same cell is path.
  Walk plain({"WPL.H"}, false);
  EXPECT_EQ(plain.Step(0, 2), Pas::Walked);
}

TEST(ForetWalk, FollowingTheWayHomeWinsEveryExercise) {
  for (int level = 0; level < 4; ++level)
    for (int exercise = 1; exercise <= 3; ++exercise) {
      Walk w(ExerciseRows(level, exercise));
      const auto way = WayHome(w.balade);
      ASSERT_TRUE(way);
      Pas last = Pas::Walked;
      for (Direction d : *way) {
        CaseForet* target = w.balade.Beside(d);
        ASSERT_TRUE(target);
        last = w.balade.Step(*target);
        if (last == Pas::Letters) {
          w.balade.Walk(*target);
          last = Pas::Walked;
        }
      }
      EXPECT_EQ(last, Pas::Home) << "level " << level << " exercise " << exercise;
    }
}

TEST(ForetBoard, ABoardLargerThanTheTableIsCutToItAndAnEmptyOneHasNoCells) {
  ToClic2D board;
  board.Load(Rows(30, std::string(40, '.')));
  EXPECT_EQ(board.Rows(), ToClic2D::kMaxRows);
  EXPECT_EQ(board.Columns(), ToClic2D::kMaxColumns);
  board.Place(2000, 2000);
  EXPECT_EQ(board.CellAt(QPoint(board.Origin().x() + 29 * 24 + 5, board.Origin().y() + 29 * 19 + 5)),
            &board.Cell(19, 24));
  board.Load({});
  EXPECT_EQ(board.Rows(), 0);
  EXPECT_EQ(board.LastHit(), nullptr);
  EXPECT_EQ(board.CellAt(board.Origin()), nullptr);
  // Rows with no columns, or columns with no rows: no cell to have been hit.
  board.Clear(0, 5);
  EXPECT_EQ(board.LastHit(), nullptr);
  board.Load({"", ""});
  EXPECT_EQ(board.LastHit(), nullptr);
}
