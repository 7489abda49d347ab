// The nib without a window: where it goes and how wide its ink is.
#include "Plume.h"

#include <cmath>
#include <gtest/gtest.h>

using plumeta::Plume;

TEST(Plume, InkIsThickGoingDownThinGoingUpAndBetweenAcross) {
  EXPECT_EQ(Plume::Width(0, 10), 13);    // straight down
  EXPECT_EQ(Plume::Width(0, 1), 13);
  EXPECT_EQ(Plume::Width(0, -10), 2);    // straight up
  EXPECT_EQ(Plume::Width(80, 0), 9);     // across, either way
  EXPECT_EQ(Plume::Width(-80, 0), 9);
  EXPECT_EQ(Plume::Width(0, 0), 9);
  // Half way down, 135 degrees; half way up, 45; nearly up, never below 2.
  EXPECT_EQ(Plume::Width(10, 10), 11);
  EXPECT_EQ(Plume::Width(-10, 10), 11);
  EXPECT_EQ(Plume::Width(10, -10), 6);
  EXPECT_EQ(Plume::Width(1, -100), 2);
  // A slope just steep enough for the next width: sqrt(angle) crosses 12 at 144 degrees.
  EXPECT_EQ(Plume::Width(1, std::tan(53.5f * 3.1416f / 180) ), 11);
  EXPECT_EQ(Plume::Width(1, std::tan(54.5f * 3.1416f / 180)), 12);
}

TEST(Plume, TheFirstMoveDownSetsOnePixelAndEachNextGoesAnEighthOfTheWay) {
  Plume plume;
  EXPECT_FALSE(plume.OnPaper());
  const Plume::Ink dot = plume.Move(QPoint(100, 100));
  EXPECT_EQ(dot.mark, Plume::Mark::Dot);
  EXPECT_EQ(dot.to, QPoint(100, 100));
  EXPECT_TRUE(plume.OnPaper());

  const Plume::Ink line = plume.Move(QPoint(180, 100));
  EXPECT_EQ(line.mark, Plume::Mark::Line);
  EXPECT_EQ(line.from, QPoint(100, 100));
  EXPECT_EQ(line.to, QPoint(110, 100));
  EXPECT_EQ(line.width, 9);

  // n moves to one point bring the nib (1 - (7/8)^n) of the way there.
  Plume nib;
  nib.Move(QPoint(0, 0));
  for (int n = 1; n <= 30; ++n) {
    const Plume::Ink ink = nib.Move(QPoint(0, 800));
    const float expected = 800.0f * (1.0f - std::pow(7.0f / 8.0f, static_cast<float>(n)));
    EXPECT_NEAR(nib.Y(), expected, 0.01f) << n;
    EXPECT_EQ(nib.X(), 0.0f);
    EXPECT_EQ(ink.width, 13);
    EXPECT_EQ(ink.to.y(), static_cast<int>(nib.Y())) << "the end is truncated, not rounded";
  }
}

TEST(Plume, LiftedThePenStartsAgainWithADotWhereverThePointerIs) {
  Plume plume;
  plume.Move(QPoint(10, 10));
  plume.Move(QPoint(90, 10));
  plume.Lift();
  EXPECT_FALSE(plume.OnPaper());
  const Plume::Ink again = plume.Move(QPoint(300, 40));
  EXPECT_EQ(again.mark, Plume::Mark::Dot);
  EXPECT_EQ(again.to, QPoint(300, 40));
  EXPECT_EQ(plume.X(), 300.0f);
  EXPECT_EQ(plume.Y(), 40.0f);
  // Fractions are kept from move to move, and only the ends drawn are truncated.
  const Plume::Ink first = plume.Move(QPoint(303, 37));  // 3/8 of a pixel each way
  EXPECT_EQ(first.from, QPoint(300, 40));
  EXPECT_EQ(first.to, QPoint(300, 39));
  EXPECT_FLOAT_EQ(plume.X(), 300.375f);
  EXPECT_FLOAT_EQ(plume.Y(), 39.625f);
}
