// The flake without a window: its layout, the bar and models drawn from the
// catalogue, and how a release is judged.
#include "Flocon.h"
#include "Random.h"

#include <gtest/gtest.h>
#include <set>

using namespace nevado;
using motifs::CaseMotif;

namespace {
constexpr int kW = 979, kH = 671;

QPoint Centre(const CaseMotif& c) { return {c.left + 24, c.top + 24}; }

class FloconRules : public ::testing::Test {
protected:
  void TearDown() override { Random::Script({}); }
  void Start(int level, std::deque<int> values, int width = kW, int height = kH) {
    Random::Script(std::move(values));
    f.NewGame(level, width, height);
  }
  Flocon f;
};
}  // namespace

TEST_F(FloconRules, AtLevelZeroTheFourCellsStandAtTheQuarterTurnsClockwiseFromTheRight) {
  Start(0, {0, 0});
  const int x0 = kW / 2, y0 = kH / 2, r = static_cast<int>(0.35 * kH);
  EXPECT_EQ(f.Count(), 2);
  EXPECT_EQ(Centre(f.Model(0)), QPoint(x0 + r, y0));
  EXPECT_EQ(Centre(f.Model(1)), QPoint(x0, y0 + r));
  EXPECT_EQ(Centre(f.Fill(0)), QPoint(x0 - r, y0));
  EXPECT_EQ(Centre(f.Fill(1)), QPoint(x0, y0 - r));
  // The red diameter is horizontal, the green one vertical, each from the cell to fill.
  EXPECT_EQ(f.Diameter(0), QLine(QPoint(x0 - r, y0), QPoint(x0 + r, y0)));
  EXPECT_EQ(f.Diameter(1), QLine(QPoint(x0, y0 - r), QPoint(x0, y0 + r)));
  // The bar: two columns at the edges, its rows spread by the gap.
  const int gap = (kH - 2 * 49) / 3;
  EXPECT_EQ(f.Gap(), gap);
  EXPECT_EQ(f.Bar().Count(), 4);
  EXPECT_EQ(QPoint(f.Bar().At(0).left, f.Bar().At(0).top), QPoint(gap / 2, gap));
  EXPECT_EQ(QPoint(f.Bar().At(1).left, f.Bar().At(1).top), QPoint(gap / 2 + kW - 49 - gap, gap));
  EXPECT_EQ(QPoint(f.Bar().At(3).left, f.Bar().At(3).top), QPoint(gap / 2 + kW - 49 - gap, 2 * gap + 49));
}

TEST_F(FloconRules, TheBarRunsThroughConsecutiveMotifsWrappingToTheFirstAndTheModelsAreAmongThem) {
  Start(5, {26 + 27 * 3, 12});
  EXPECT_EQ(f.Catalogue().offset, 27);
  ASSERT_EQ(f.Bar().Count(), 14);
  EXPECT_EQ(f.Bar().At(0).picture, 27);
  for (int n = 1; n < 14; ++n) EXPECT_EQ(f.Bar().At(n).picture, n) << n;
  EXPECT_EQ(f.ModelOffset(), 12);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(f.Model(i).picture, f.Bar().At((i + 12) % 14).picture) << i;
    EXPECT_EQ(f.Fill(i).picture, motifs::kEmpty);
  }
  // Whatever the draws: 2c different motifs of 1 to 27, and c different models among them.
  for (int s = 0; s < 27; ++s)
    for (int level = 0; level < 6; ++level) {
      Start(level, {s, s * 7 + level});
      std::set<int> bar, models;
      for (int n = 0; n < f.Bar().Count(); ++n) bar.insert(f.Bar().At(n).picture);
      for (int i = 0; i < f.Count(); ++i) models.insert(f.Model(i).picture);
      ASSERT_EQ(bar.size(), static_cast<size_t>(2 * f.Count()));
      ASSERT_GE(*bar.begin(), 1);
      ASSERT_LE(*bar.rbegin(), 27);
      ASSERT_EQ(models.size(), static_cast<size_t>(f.Count()));
      for (int m : models) ASSERT_TRUE(bar.count(m));
    }
}

TEST_F(FloconRules, EveryDropOnACellToFillIsTakenAndTheFlakeIsJudgedAtTheLastCell) {
  Start(2, {4, 1});
  const int wrongCell = 7;  // models 0 to 3 are bar cells 1 to 4
  EXPECT_EQ(f.Release(Centre(f.Model(3)), 0), Drop::OnModel);
  EXPECT_EQ(f.Release(Centre(f.Bar().At(5)), 0), Drop::OnBar);
  EXPECT_EQ(f.Release(f.Centre(), 0), Drop::Elsewhere);
  EXPECT_EQ(f.Release(QPoint(f.Fill(2).left, f.Fill(2).top + 20), 0), Drop::Elsewhere) << "the border is no cell's";
  EXPECT_EQ(f.Release(Centre(f.Fill(0)), wrongCell), Drop::Placed);
  EXPECT_FALSE(f.Matches(0));
  for (int i = 1; i < 3; ++i) EXPECT_EQ(f.Release(Centre(f.Fill(i)), (i + 1) % 8), Drop::Placed);
  EXPECT_EQ(f.Release(Centre(f.Fill(3)), 4 % 8), Drop::Wrong);
  EXPECT_FALSE(f.Matches(0));
  EXPECT_TRUE(f.Matches(1) && f.Matches(2) && f.Matches(3));
  // Put right, the same flake wins.
  EXPECT_EQ(f.Release(Centre(f.Fill(0)), 1), Drop::Won);
  EXPECT_EQ(f.LastFilled(), 0);
}
