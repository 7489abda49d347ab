// The forest built, walked and hunted in, without a window.
#include "Labyrinthe.h"
#include "Niveaux.h"

#include <gtest/gtest.h>

using namespace sentier;
using foret::CaseForet;
using foret::Kind;
using Rows = std::vector<std::string>;

namespace {
// A complete world: the girl in red in the middle of five flowers above and
// five wolves below, the hut up the path on the right.
const Rows kComplete = {
    "TTTTTTTTT",
    "TFFFFF.HT",
    "T..P...TT",
    "TWWWWW.TT",
    "TTTTTTTTT",
    "TTTTTTTTT",
};

struct World {
  foret::ToClic2D board;
  Labyrinthe lab{board};
  std::vector<CaseForet*> redrawn;
  explicit World(const Rows& rows = {}) {
    lab.redraw = [this](CaseForet& c) { redrawn.push_back(&c); };
    if (rows.empty()) lab.NewGame(6, 9, 979, 701);
    else lab.Load(rows, 979, 701);
  }
  // Enters a play mode, confirming the world as the child would.
  void Play(Mode m) {
    if (lab.Ask(m) == Demande::Confirm) lab.Confirm(m);
    ASSERT_EQ(lab.CurrentMode(), m);
  }
  Effet Press(int r, int c) {
    redrawn.clear();
    return lab.Press(board.Cell(r, c));
  }
  Effet Arrow(Direction d) {
    redrawn.clear();
    return lab.Arrow(d);
  }
  Rows Text() const {
    Rows rows;
    for (int r = 0; r < board.Rows(); ++r) {
      std::string row;
      for (int c = 0; c < board.Columns(); ++c) switch (board.Cell(r, c).kind) {
          case Kind::Path: row += '.'; break;
          case Kind::Flower: row += 'F'; break;
          case Kind::Wolf: row += 'W'; break;
          case Kind::Child: row += 'P'; break;
          case Kind::Hut: row += 'H'; break;
          default: row += 'T'; break;
        }
      rows.push_back(row);
    }
    return rows;
  }
};
}  // namespace

TEST(SentierBoard, EachLevelIsCentredLessHalfACellAndEveryPixelBelongsToOneCell) {
  for (int level = 0; level < 4; ++level) {
    SCOPED_TRACE(level);
    const foret::Niveau n = foret::NiveauOf(level);
    foret::ToClic2D board;
    Labyrinthe lab(board);
    lab.NewGame(n.rows, n.columns, 1875, 1013);
    const int x0 = (1875 - n.columns * 29 - 29) / 2, y0 = (1013 - n.rows * 29 - 29) / 2;
    EXPECT_EQ(board.Origin(), QPoint(x0, y0));
    EXPECT_EQ(board.CellAt({x0, y0}), &board.Cell(0, 0));
    EXPECT_EQ(board.CellAt({x0 + 28, y0 + 29}), &board.Cell(1, 0));
    EXPECT_EQ(board.CellAt({x0 + 29, y0 + 28}), &board.Cell(0, 1));
    const int right = x0 + 29 * n.columns, bottom = y0 + 29 * n.rows;
    EXPECT_EQ(board.CellAt({right - 1, bottom - 1}), &board.Cell(n.rows - 1, n.columns - 1));
    EXPECT_EQ(board.CellAt({right, bottom - 1}), nullptr);
    EXPECT_EQ(board.CellAt({x0, bottom}), nullptr);
    EXPECT_EQ(board.CellAt({x0 - 1, y0}), nullptr);
    EXPECT_EQ(lab.CurrentMode(), Mode::None);
  }
}

TEST(SentierChecks, TheMissingPieceIsReportedInOrderAndTheModeStays) {
  World w;
  EXPECT_EQ(w.lab.Ask(Mode::Walk), Demande::NoGirl);
  w.lab.Ask(Mode::Hut);
  w.Press(0, 0);
  EXPECT_EQ(w.lab.Ask(Mode::Hunt), Demande::NoGirl) << "the girl comes first, even with the hut built";
  EXPECT_EQ(w.lab.CurrentMode(), Mode::Hut);

  EXPECT_EQ(World({"TP.FFFFF", "WWWWWTTT"}).lab.Ask(Mode::Walk), Demande::NoHut);
  EXPECT_EQ(World({"HP.FFFFT", "WWWWTTTT"}).lab.Ask(Mode::Walk), Demande::NoFlowersNorWolves);
  EXPECT_EQ(World({"HP.FFFFF", "WWWWTTTT"}).lab.Ask(Mode::Walk), Demande::NoWolves);
  EXPECT_EQ(World({"HP.FFFFT", "WWWWWTTT"}).lab.Ask(Mode::Hunt), Demande::NoFlowers);
}

TEST(SentierChecks, ACompleteWorldIsConfirmedOnceThenBuildingIsCheating) {
  World w(kComplete);
  w.lab.Ask(Mode::Path);
  EXPECT_EQ(w.lab.Ask(Mode::Walk), Demande::Confirm);
  EXPECT_EQ(w.lab.CurrentMode(), Mode::Path) << "nothing changes until the child confirms";
  w.lab.Confirm(Mode::Walk);
  EXPECT_EQ(w.lab.Ask(Mode::Hunt), Demande::Entered) << "from one play mode to the other, no question";
  EXPECT_EQ(w.lab.CurrentMode(), Mode::Hunt);
  for (Mode m : {Mode::Girl, Mode::Hut, Mode::Flowers, Mode::Wolves, Mode::Path}) {
    EXPECT_EQ(w.lab.Ask(m), Demande::Cheat);
    EXPECT_EQ(w.lab.CurrentMode(), Mode::Hunt);
  }
}

TEST(SentierBuild, TheGirlAndTheHutMoveLeavingATreeAndStandOnlyInTheForest) {
  World w;
  EXPECT_EQ(w.Press(2, 2), Effet::Idle);
  w.lab.Ask(Mode::Girl);
  EXPECT_EQ(w.Press(1, 1), Effet::GirlPlaced);
  EXPECT_EQ(w.Press(4, 5), Effet::GirlPlaced);
  EXPECT_EQ(w.redrawn, (std::vector<CaseForet*>{&w.board.Cell(1, 1), &w.board.Cell(4, 5)}));
  EXPECT_EQ(w.lab.Girl().cell, &w.board.Cell(4, 5));
  EXPECT_EQ(w.Press(4, 5), Effet::GirlNotOnTree);
  w.lab.Ask(Mode::Hut);
  EXPECT_EQ(w.Press(4, 5), Effet::HutNotOnTree);
  EXPECT_EQ(w.Press(0, 0), Effet::HutPlaced);
  EXPECT_EQ(w.Press(0, 8), Effet::HutPlaced);
  w.lab.Ask(Mode::Path);
  EXPECT_EQ(w.Press(3, 3), Effet::PathCut);
  EXPECT_EQ(w.Press(0, 8), Effet::NotTreeNorPath);
  w.lab.Ask(Mode::Girl);
  EXPECT_EQ(w.Press(3, 3), Effet::GirlNotOnTree) << "not on the path either";
  EXPECT_EQ(w.Text(), (Rows{"TTTTTTTTH", "TTTTTTTTT", "TTTTTTTTT", "TTT.TTTTT", "TTTTTPTTT", "TTTTTTTTT"}));
}

TEST(SentierBuild, FiveFlowersAndFiveWolvesAtMostEachTakenBackByAClick) {
  struct Case {
    Mode mode;
    Kind kind;
    Effet sown, removed, full, refused;
    int& (*count)(Labyrinthe&);
  };
  const Case cases[] = {
      {Mode::Flowers, Kind::Flower, Effet::FlowerSown, Effet::FlowerRemoved, Effet::FlowersFull,
       Effet::NotTreeNorFlower, [](Labyrinthe& l) -> int& { return l.Flowers().flowersPlaced; }},
      {Mode::Wolves, Kind::Wolf, Effet::WolfHidden, Effet::WolfRemoved, Effet::WolvesFull, Effet::NotTreeNorWolf,
       [](Labyrinthe& l) -> int& { return l.Wolves().wolvesPlaced; }},
  };
  for (const Case& k : cases) {
    World w({"TTTTTTTTT", "P.HTTTTTT"});
    w.lab.Ask(k.mode);
    for (int c = 0; c < 5; ++c) EXPECT_EQ(w.Press(0, c), k.sown);
    EXPECT_EQ(k.count(w.lab), 5);
    EXPECT_EQ(w.Press(0, 5), k.full);
    EXPECT_EQ(w.board.Cell(0, 5).kind, Kind::Forest);
    EXPECT_EQ(w.Press(0, 2), k.removed);
    EXPECT_EQ(k.count(w.lab), 4);
    EXPECT_EQ(w.board.Cell(0, 2).kind, Kind::Forest);
    EXPECT_EQ(w.Press(0, 5), k.sown);
    for (int c : {0, 1, 2}) EXPECT_EQ(w.Press(1, c), k.refused) << "the girl, a path, the hut";
  }
  World mixed({"FWTTTTTTT"});
  mixed.lab.Ask(Mode::Flowers);
  EXPECT_EQ(mixed.Press(0, 1), Effet::NotTreeNorFlower) << "a wolf is no flower";
  mixed.lab.Ask(Mode::Wolves);
  EXPECT_EQ(mixed.Press(0, 0), Effet::NotTreeNorWolf);
}

TEST(SentierWalk, TheMouseReachesTheEightNeighboursAndOnlyThem) {
  World w({"TTTTT", "T...T", "T.PTT", "T...T", "TTTTT"});
  w.lab.Flowers().flowersPlaced = 5;
  w.lab.Wolves().wolvesPlaced = 5;
  w.lab.Ask(Mode::Walk);
  w.lab.Confirm(Mode::Walk);
  EXPECT_EQ(w.Press(0, 0), Effet::Nothing);
  EXPECT_EQ(w.Press(2, 3), Effet::Bump);
  EXPECT_TRUE(w.redrawn.empty());
  EXPECT_EQ(w.Press(1, 1), Effet::Walked);
  EXPECT_EQ(w.redrawn, (std::vector<CaseForet*>{&w.board.Cell(2, 2), &w.board.Cell(1, 1)}));
  EXPECT_EQ(w.Press(3, 3), Effet::Nothing) << "two cells away";
  EXPECT_EQ(w.Press(1, 1), Effet::Walked) << "her own cell";
  EXPECT_EQ(w.board.Cell(1, 1).kind, Kind::Child);
  EXPECT_EQ(w.Press(2, 2), Effet::Walked);
  EXPECT_EQ(w.Press(3, 3), Effet::Walked);
  EXPECT_EQ(w.Text(), (Rows{"TTTTT", "T...T", "T..TT", "T..PT", "TTTTT"}));
  EXPECT_EQ(w.lab.ShockCount(), 1);
}

TEST(SentierWalk, TheKeysGoStraightStopAtTheBorderAndCountTheBumps) {
  World w({"P.F", "WTH"});
  EXPECT_EQ(w.Arrow(Direction::Right), Effet::KeysNeedBasket);
  w.lab.Flowers().flowersPlaced = 5;
  w.lab.Wolves().wolvesPlaced = 5;
  w.Play(Mode::Hunt);
  EXPECT_EQ(w.Arrow(Direction::Right), Effet::KeysNeedBasket) << "keys only walk";
  w.Play(Mode::Walk);
  EXPECT_EQ(w.Arrow(Direction::Up), Effet::Nothing);
  EXPECT_EQ(w.Arrow(Direction::Left), Effet::Nothing);
  EXPECT_TRUE(w.redrawn.empty());
  EXPECT_EQ(w.Arrow(Direction::Down), Effet::Bitten);
  EXPECT_EQ(w.Arrow(Direction::Right), Effet::Walked);
  EXPECT_EQ(w.Arrow(Direction::Down), Effet::Bump);
  EXPECT_EQ(w.Arrow(Direction::Down), Effet::Bump);
  EXPECT_EQ(w.lab.ShockCount(), 2);
  EXPECT_EQ(w.Arrow(Direction::Right), Effet::Picked);
  EXPECT_EQ(w.lab.Flowers().flowersPicked, 1);
  EXPECT_EQ(w.Arrow(Direction::Right), Effet::Nothing);
  EXPECT_EQ(w.Text(), (Rows{"..P", "WTH"}));
}

TEST(SentierWalk, TheHutWaitsForEveryFlowerAndEveryWolf) {
  World w({"PH"});
  w.lab.Flowers().flowersPlaced = 5;
  w.lab.Wolves().wolvesPlaced = 5;
  w.Play(Mode::Walk);
  FleurCase& f = w.lab.Flowers();
  LoupCase& l = w.lab.Wolves();
  f.flowersPicked = 4, l.wolvesHunted = 4;
  EXPECT_EQ(w.Press(0, 1), Effet::HutNeedsBoth);
  f.flowersPicked = 4, l.wolvesHunted = 5;
  EXPECT_EQ(w.Press(0, 1), Effet::HutNeedsFlowers);
  f.flowersPicked = 5, l.wolvesHunted = 4;
  EXPECT_EQ(w.Press(0, 1), Effet::HutNeedsWolves);
  EXPECT_EQ(w.Text(), (Rows{"PH"}));
  EXPECT_EQ(w.lab.CurrentMode(), Mode::Walk);
}

TEST(SentierWalk, PickingFiveFlowersAndShootingFiveWolvesTheGirlGoesHomeAndTheGameIsOver) {
  World w({"WWWWW..", "PFFFFFH"});
  for (int c = 1; c <= 5; ++c) {
    w.Play(Mode::Hunt);
    EXPECT_EQ(w.Press(0, c - 1), Effet::WolfShot);
    w.Play(Mode::Walk);
    EXPECT_EQ(w.Arrow(Direction::Right), Effet::Picked);
  }
  EXPECT_EQ(w.lab.Wolves().wolvesHunted, 5);
  EXPECT_EQ(w.Arrow(Direction::Right), Effet::Home);
  EXPECT_EQ(w.lab.CurrentMode(), Mode::Won);
  EXPECT_EQ(w.Text(), (Rows{".......", "......P"}));
  EXPECT_EQ(w.Press(1, 5), Effet::Finished);
  EXPECT_EQ(w.Arrow(Direction::Left), Effet::FinishedKey);
  EXPECT_TRUE(w.redrawn.empty());
  for (Mode m : {Mode::Girl, Mode::Path, Mode::Walk, Mode::Hunt}) EXPECT_EQ(w.lab.Ask(m), Demande::Finished);
  EXPECT_EQ(w.lab.CurrentMode(), Mode::Won);
}

TEST(SentierHunt, AShotKillsAWolfBreaksAFlowerOrMissesWithinReachOnly) {
  World w(kComplete);
  w.Play(Mode::Hunt);
  EXPECT_EQ(w.Press(3, 3), Effet::WolfShot);
  EXPECT_EQ(w.Press(1, 2), Effet::BrokenFlower);
  for (auto [r, c] : {std::pair{2, 2}, {2, 3}, {3, 3}}) EXPECT_EQ(w.Press(r, c), Effet::Missed) << r << c;
  EXPECT_TRUE(w.redrawn.empty());
  EXPECT_EQ(w.Press(3, 5), Effet::Nothing) << "out of reach";
  EXPECT_EQ(w.Press(1, 5), Effet::Nothing);
  EXPECT_EQ(w.lab.Wolves().wolvesHunted, 1);
  EXPECT_EQ(w.lab.Flowers().flowersPicked, 0);
  EXPECT_EQ(w.Text()[1], "TF.FFF.HT");
  EXPECT_EQ(w.Text()[3], "TWW.WW.TT");
  // The broken flower cannot be picked: with every wolf shot, the hut stays shut.
  w.lab.Wolves().wolvesHunted = 5;
  w.Play(Mode::Walk);
  for (Direction d : {Direction::Up, Direction::Left, Direction::Left, Direction::Right, Direction::Right,
                      Direction::Right, Direction::Right, Direction::Right})
    w.Arrow(d);
  EXPECT_EQ(w.lab.Flowers().flowersPicked, 4);
  EXPECT_EQ(w.Arrow(Direction::Right), Effet::HutNeedsFlowers);
}
