// The path's half-cell steps at level 1 (cells of 44, half 22, reach third 14),
// on small boards: how far the pointer may run ahead, and where walls stop it.
#include "Grille.h"
#include "Run.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace corrido;

namespace {
struct Path {
  Grille grille;
  Run run{grille};
  explicit Path(const std::vector<std::string>& rows, int r = 1, int c = 1) {
    EXPECT_TRUE(grille.Load(rows, 44, 22));
    run.SetCellSize(44, 22);
    run.Start(grille.Cell(r, c));
  }
  // The cell a step touched, as "r,c", or "-" when the path did not move.
  static std::string Touched(const Cellule* cell) {
    return cell ? std::to_string(cell->row) + "," + std::to_string(cell->column) : "-";
  }
};
const std::vector<std::string> kOpen{"....", "....", "...."};
}  // namespace

TEST(PathSteps, PointerMustBeMoreThanAThirdAndLessThanAThirdAndAHalfAhead) {
  // From the centre (66, 66) of (1, 1): 14 ahead is not enough, 36 is too far.
  for (const auto& [p, moves] : std::vector<std::pair<QPoint, bool>>{
           {{80, 66}, false}, {{81, 66}, true}, {{101, 66}, true}, {{102, 66}, false},
           {{52, 66}, false}, {{51, 66}, true}, {{31, 66}, true}, {{30, 66}, false},
           {{66, 80}, false}, {{66, 81}, true}, {{66, 101}, true}, {{66, 102}, false},
           {{66, 52}, false}, {{66, 51}, true}, {{66, 31}, true}, {{66, 30}, false},
           {{86, 80}, true}, {{86, 81}, false},   // sideways drift up to 14 is forgiven
           {{80, 86}, true}, {{81, 86}, false},
           {{86, 86}, false}, {{66, 66}, false}}) {  // a diagonal chooses no axis
    Path path(kOpen);
    EXPECT_EQ(path.run.Follow(p) != nullptr, moves) << p.x() << "," << p.y();
  }
}

TEST(PathSteps, MouseStepsGoHalfWayThenFinishTheCrossing) {
  Path path(kOpen);
  std::vector<std::pair<QPoint, QPoint>> segments;
  path.run.drawSegment = [&](QPoint a, QPoint b) { segments.emplace_back(a, b); };
  EXPECT_EQ(Path::Touched(path.run.Follow({81, 66})), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(88, 66));
  EXPECT_TRUE(path.run.OnBorder());
  EXPECT_EQ(path.run.Column(), 2);
  EXPECT_EQ(path.run.Row(), 1);
  EXPECT_EQ(Path::Touched(path.run.Follow({103, 66})), "1,2");
  EXPECT_EQ(path.run.End(), QPoint(110, 66));
  EXPECT_FALSE(path.run.OnBorder());
  EXPECT_TRUE(path.grille.Cell(1, 2).reached);
  EXPECT_FALSE(path.grille.Cell(1, 3).reached);
  // Back left: half-way, then the centre of (1, 1) again.
  EXPECT_EQ(Path::Touched(path.run.Follow({95, 66})), "1,2");
  EXPECT_EQ(path.run.End(), QPoint(88, 66));
  EXPECT_EQ(path.run.Column(), 1);
  EXPECT_EQ(Path::Touched(path.run.Follow({73, 66})), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 66));
  // Down and up the same way.
  EXPECT_EQ(Path::Touched(path.run.Follow({66, 81})), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 88));
  EXPECT_EQ(path.run.Row(), 2);
  EXPECT_EQ(Path::Touched(path.run.Follow({66, 103})), "2,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 110));
  EXPECT_EQ(Path::Touched(path.run.Follow({66, 95})), "2,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 88));
  EXPECT_TRUE(path.run.OnBorder());
  EXPECT_EQ(path.run.Row(), 1);
  EXPECT_EQ(Path::Touched(path.run.Follow({66, 73})), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 66));
  EXPECT_FALSE(path.run.OnBorder());
  ASSERT_EQ(segments.size(), 8u);
  EXPECT_EQ(segments[0], std::make_pair(QPoint(66, 66), QPoint(88, 66)));
  EXPECT_EQ(segments[6], std::make_pair(QPoint(66, 110), QPoint(66, 88)));
  EXPECT_EQ(segments[7], std::make_pair(QPoint(66, 88), QPoint(66, 66)));
}

TEST(PathSteps, WallsAndEdgesStopTheMouseAtTheCentre) {
  // (1, 1) has walls on its left and top; (1, 2) has one on its left; (2, 1) on its top.
  Path walled({"....", ".+|.", ".-.."});
  EXPECT_EQ(Path::Touched(walled.run.Follow({81, 66})), "-");  // right: L(1, 2)
  EXPECT_EQ(Path::Touched(walled.run.Follow({51, 66})), "-");  // left: L(1, 1)
  EXPECT_EQ(Path::Touched(walled.run.Follow({66, 51})), "-");  // up: T(1, 1)
  EXPECT_EQ(Path::Touched(walled.run.Follow({66, 81})), "-");  // down: T(2, 1)
  EXPECT_EQ(walled.run.End(), QPoint(66, 66));
  // From (1, 2) the wall on its left stops the way back, not the way up.
  Path next({"....", ".+|.", ".-.."}, 1, 2);
  EXPECT_EQ(Path::Touched(next.run.Follow({95, 66})), "-");    // left: L(1, 2)
  EXPECT_EQ(Path::Touched(next.run.Follow({110, 51})), "1,2");  // up is open
  // The board's edges: no step out of (0, 0) up or left, nor out of (2, 3) down or right.
  Path corner(kOpen, 0, 0);
  EXPECT_EQ(Path::Touched(corner.run.Follow({7, 22})), "-");
  EXPECT_EQ(Path::Touched(corner.run.Follow({22, 7})), "-");
  Path far(kOpen, 2, 3);
  EXPECT_EQ(Path::Touched(far.run.Follow({169, 110})), "-");
  EXPECT_EQ(Path::Touched(far.run.Follow({154, 125})), "-");
  EXPECT_EQ(Path::Touched(far.run.Follow({139, 110})), "2,3");
}

TEST(PathSteps, KeysStepByHalfCellsAndStopAtWallsAndEdges) {
  Path path(kOpen);
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Right)), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(88, 66));
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Right)), "1,2");
  EXPECT_EQ(path.run.End(), QPoint(110, 66));
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Left)), "1,2");
  EXPECT_EQ(path.run.End(), QPoint(88, 66));
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Left)), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 66));
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Down)), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 88));
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Down)), "2,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 110));
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Up)), "2,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 88));
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Up)), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 66));
  EXPECT_EQ(path.run.Row(), 1);
  EXPECT_EQ(path.run.Column(), 1);
  // From column 1 the left key reaches the first column.
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Left)), "1,1");
  EXPECT_EQ(path.run.End(), QPoint(44, 66));
  EXPECT_EQ(Path::Touched(path.run.Key(Direction::Left)), "1,0");
  EXPECT_EQ(path.run.End(), QPoint(22, 66));
  EXPECT_EQ(path.run.Column(), 0);

  Path walled({"....", ".+|.", ".-.."});
  for (Direction d : {Direction::Right, Direction::Left, Direction::Up, Direction::Down})
    EXPECT_EQ(Path::Touched(walled.run.Key(d)), "-");
  Path corner(kOpen, 0, 0);
  EXPECT_EQ(Path::Touched(corner.run.Key(Direction::Up)), "-");
  EXPECT_EQ(Path::Touched(corner.run.Key(Direction::Left)), "-");
  Path far(kOpen, 2, 3);
  EXPECT_EQ(Path::Touched(far.run.Key(Direction::Down)), "-");
  EXPECT_EQ(Path::Touched(far.run.Key(Direction::Right)), "-");
  EXPECT_EQ(far.run.End(), QPoint(154, 110));
}

TEST(PathSteps, HalfWayAcrossABorderAStepAnyWayEndsTheCrossingInTheCellUnderThePointer) {
  // Half-way from (1, 1) to (1, 2), the pointer moves up: the crossing ends in
  // whichever of the two cells the pointer is over, never on the border.
  for (const auto& [x, cell, end] : std::vector<std::tuple<int, std::string, QPoint>>{
           {86, "1,1", {66, 66}}, {90, "1,2", {110, 66}}}) {
    Path path(kOpen);
    ASSERT_EQ(Path::Touched(path.run.Follow({81, 66})), "1,1");
    ASSERT_TRUE(path.run.OnBorder());
    EXPECT_EQ(Path::Touched(path.run.Follow({x, 46})), cell) << x;
    EXPECT_EQ(path.run.End(), end) << x;
    EXPECT_FALSE(path.run.OnBorder());
    EXPECT_EQ(path.run.Row(), 1);
    EXPECT_EQ(path.run.Column(), end.x() / 44);
  }
  // Half-way down from (1, 1) to (2, 1), the pointer moves right: the same.
  Path path(kOpen);
  ASSERT_EQ(Path::Touched(path.run.Follow({66, 81})), "1,1");
  EXPECT_EQ(Path::Touched(path.run.Follow({86, 90})), "2,1");
  EXPECT_EQ(path.run.End(), QPoint(66, 110));
  EXPECT_EQ(path.run.Row(), 2);
}
