// The rows without a window: the bar and the models drawn from the catalogue,
// and how a release is judged, case by case in the order they are tried.
#include "Frise.h"
#include "Random.h"

#include <gtest/gtest.h>
#include <set>

using namespace motifs;

namespace {
constexpr int kW = 979, kH = 671;  // the board area of a 1024 x 768 screen

QPoint Centre(const CaseMotif& c) { return {c.left + 24, c.top + 24}; }

class FriseRules : public ::testing::Test {
protected:
  void TearDown() override { Random::Script({}); }
  // A new game at `level` whose draws are `values`, in order.
  void Start(int level, std::deque<int> values) {
    Random::Script(std::move(values));
    f.NewGame(level, kW, kH);
  }
  int BarCellOf(int picture) {
    for (int i = 0; i < f.Bar().Count(); ++i)
      if (f.Bar().At(i).picture == picture) return i;
    return -1;
  }
  int WrongCellFor(int j) {
    for (int i = 0; i < f.Bar().Count(); ++i)
      if (f.Bar().At(i).picture != f.Expected(j)) return i;
    return -1;
  }
  Drop FillRight(int j) { return f.Release(Centre(f.Fill().At(f.CurrentRow(), j)), BarCellOf(f.Expected(j))); }
  Frise f;
};
}  // namespace

TEST_F(FriseRules, TheGridFollowsTheGapsAndEachLevelSplitsTheRowsAsItsTableSays) {
  const int lengths[6] = {2, 2, 3, 3, 4, 4};
  for (int level = 0; level < 6; ++level) {
    Start(level, {0, 0});
    EXPECT_EQ(f.Length(), lengths[level]);
    EXPECT_EQ(f.Models().used, 2 * lengths[level]);
    EXPECT_EQ(f.Fill().used, 12 - 2 * lengths[level]);
  }
  EXPECT_EQ(f.GapX(), (kW - 588) / 13);
  EXPECT_EQ(f.GapY(), (kH - 294) / 7);
  const int gx = f.GapX(), gy = f.GapY();
  // Level 5: eight models, then the four cells to fill from column 8; the bar on row 5.
  EXPECT_EQ(f.Models().At(2, 7).left, gx + 7 * (49 + gx));
  EXPECT_EQ(f.Models().At(2, 7).top, gy + 2 * (49 + gy));
  EXPECT_EQ(f.Fill().At(3, 0).left, gx + 8 * (49 + gx));
  EXPECT_EQ(f.Fill().At(3, 3).left, gx + 11 * (49 + gx));
  EXPECT_EQ(f.Bar().At(11).left, gx + 11 * (49 + gx));
  EXPECT_EQ(f.Bar().At(0).top, gy + 5 * (49 + gy));
  EXPECT_EQ(f.GreyZone(), QRect(QPoint(gx / 2, gy / 2), QPoint(f.X(7) + 49 + gx / 2 - 1, f.Y(3) + 49 + gy / 2 - 1)));
}

TEST_F(FriseRules, EvenLevelsRunThroughTheCatalogueFromTheOffsetAndWrapIntoTheFirstPortraits) {
  Start(0, {27 + 29 * 5, 5});
  // Entries 27 and 28 (pictures 28 and 29, portraits), then entry 0 onwards.
  EXPECT_EQ(f.Catalogue().offset, 27);
  EXPECT_EQ(f.Bar().At(0).picture, 28);
  EXPECT_EQ(f.Bar().At(1).picture, 29);
  EXPECT_EQ(f.Bar().At(2).picture, 1);
  EXPECT_EQ(f.Bar().At(11).picture, 10);
  // The model offset comes next: models i and i + c both show bar cell patternOrder[i + 5].
  EXPECT_EQ(f.Bar().modelOffset, 5);
  EXPECT_EQ(f.Sequence(), (std::vector<int>{f.Bar().At(6).picture, f.Bar().At(2).picture}));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(f.Models().At(0, i).picture, f.Sequence()[i]);
    EXPECT_EQ(f.Models().At(0, i + 2).picture, f.Sequence()[i]);
  }
  // At the end of the permutation the sequence wraps to its start.
  Start(4, {0, 10});
  EXPECT_EQ(f.Sequence(), (std::vector<int>{f.Bar().At(8).picture, f.Bar().At(7).picture, f.Bar().At(1).picture,
                                            f.Bar().At(5).picture}));
}

TEST_F(FriseRules, OddLevelsShowTheLastTwelvePortraitsAndDrawOnlyTheModel) {
  for (int level : {1, 3, 5}) {
    Start(level, {7, 99});
    for (int i = 0; i < 12; ++i) EXPECT_EQ(f.Bar().At(i).picture, 30 + i) << level;
    EXPECT_EQ(f.Bar().modelOffset, 7) << "the first draw goes to the model";
    const std::set<int> distinct(f.Sequence().begin(), f.Sequence().end());
    EXPECT_EQ(distinct.size(), f.Sequence().size());
  }
}

TEST_F(FriseRules, ModelsAreAlwaysDistinctBarPictures) {
  for (int offset = 0; offset < 29; ++offset)
    for (int model = 0; model < 12; ++model) {
      Start(4, {offset, model});
      const std::set<int> distinct(f.Sequence().begin(), f.Sequence().end());
      ASSERT_EQ(distinct.size(), 4u) << offset << " " << model;
      for (int p : f.Sequence()) ASSERT_GE(BarCellOf(p), 0);
    }
}

TEST_F(FriseRules, ReleasesAreJudgedInOrderAndOnlyTheRightPictureInTheRedRowIsTaken) {
  Start(0, {0, 0});
  const int wrong = WrongCellFor(0), right = BarCellOf(f.Expected(0));
  const CaseMotif& first = f.Fill().At(0, 0);
  // Model cells of any row, the bar, then everything that is no cell to fill.
  EXPECT_EQ(f.Release(Centre(f.Models().At(2, 3)), right), Drop::OnModel);
  EXPECT_EQ(f.Release(Centre(f.Bar().At(4)), right), Drop::OnBar);
  EXPECT_EQ(f.Release(QPoint(first.left - f.GapX() / 2, first.top + 20), right), Drop::NotToFill);  // a gap
  EXPECT_EQ(f.Release(QPoint(first.left + 1, first.top + 1), right), Drop::Accepted);
  EXPECT_EQ(f.Release(QPoint(first.left, first.top + 20), right), Drop::NotToFill) << "the border is no cell's";
  EXPECT_EQ(f.Release(QPoint(first.left + 20, f.Y(4) + 20), right), Drop::NotToFill);  // row 4
  EXPECT_EQ(f.Release(QPoint(kW, kH), right), Drop::NotToFill);
  EXPECT_EQ(f.Release(Centre(f.Fill().At(2, 0)), right), Drop::OtherRow);
  EXPECT_EQ(f.Release(Centre(first), wrong), Drop::WrongPicture);
  EXPECT_EQ(first.picture, f.Expected(0)) << "a refusal leaves the cell as it was";
  // At level 0 the model's unused columns lie under the cells to fill: not seen.
  EXPECT_EQ(f.ZoneAt(Centre(first)), OnToFill);
  EXPECT_EQ(f.ZoneAt(Centre(f.Models().At(3, 1))), OnModel);
  EXPECT_EQ(f.ZoneAt(Centre(f.Bar().At(11))), OnBar);
  EXPECT_EQ(f.ZoneAt(QPoint(2, 2)), Nothing);
}

TEST_F(FriseRules, ARowFilledInAnyOrderEndsItAndTheFourthRowWins) {
  Start(2, {3, 4, 11, 8, 20, 0, 6, 1});
  for (int row = 0; row < 4; ++row) {
    ASSERT_EQ(f.CurrentRow(), row);
    // Backwards, the first cell filled twice.
    for (int j = f.Fill().used - 1; j > 0; --j) ASSERT_EQ(FillRight(j), Drop::Accepted);
    EXPECT_EQ(FillRight(1), Drop::Accepted);
    EXPECT_FALSE(f.RowComplete());
    EXPECT_EQ(FillRight(0), row == 3 ? Drop::Won : Drop::RowDone);
    if (row < 3) f.NextRow();
  }
  // The new rows took new draws; the earlier rows kept their pictures.
  EXPECT_EQ(f.Catalogue().offset, 6);
  EXPECT_EQ(f.Bar().modelOffset, 1);
  for (int row = 0; row < 4; ++row)
    for (int j = 0; j < f.Fill().used; ++j) EXPECT_NE(f.Fill().At(row, j).picture, kEmpty);
  // A new game empties them all.
  Start(2, {0, 0});
  for (int row = 0; row < 4; ++row)
    for (int j = 0; j < 8; ++j) EXPECT_EQ(f.Fill().At(row, j).picture, kEmpty);
}
