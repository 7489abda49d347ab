// The sequence game whose first model cells vanish, one per second, after each
// full redraw: the ticks, the beeps, the mouse held meanwhile, and rows still
// judged against the pictures that vanished.
#include "CadenzaWindow.h"
#include "FriseFixture.h"
#include "MotifsConfig.h"

using namespace motifs;

class CadenzaTest : public FriseFixture<cadenza::TMyAppCumMenuSuite, cadenza::TMainWindowSuite> {
protected:
  void Tick(int n = 1) { h->StepTimers(1000 * n); }
  // Whether model cell `j` of the current row shows its picture on both surfaces (or is empty).
  bool ModelShown(int j) {
    const CaseMotif& m = F().Models().At(F().CurrentRow(), j);
    const int want = F().Expected(j);
    EXPECT_EQ(CellOn(h->Screen(), m), CellOn(h->Copy(), m)) << j;
    if (Shows(h->Screen(), m, want)) return true;
    EXPECT_TRUE(Shows(h->Screen(), m, kEmpty)) << j;
    return false;
  }
};

TEST_F(CadenzaTest, ItsOwnTitleMarginsAndNoClock) {
  EXPECT_EQ(h->Caption(), "C A D E N Z A");
  // The area as far as the frame shows it.
  EXPECT_LE(W().DrawingArea().width(), 1024 - 36);
  EXPECT_EQ(W().DrawingArea().height(), 768 - 30 - 76);
  EXPECT_EQ(F().GapX(), (W().DrawingArea().width() - 12 * 49) / 13);
  EXPECT_FALSE(W().Config().clock);
  EXPECT_EQ(W().Config().helpFile, "cadenza.HLP");
}

TEST_F(CadenzaTest, OneTickHidesTheFirstModelCellAndTheRowIsStillJudgedByItsPicture) {
  ASSERT_TRUE(ModelShown(0));
  Tick();
  EXPECT_EQ(h->Beeps(), 1);
  EXPECT_FALSE(ModelShown(0));
  EXPECT_TRUE(ModelShown(1));
  EXPECT_TRUE(ModelShown(2));
  EXPECT_TRUE(ModelShown(3));
  Tick(3);
  EXPECT_EQ(h->Beeps(), 1) << "one cell at level 0, then the ticks do nothing";
  // The hidden picture is still the one the cells to fill expect.
  const int hidden = F().Expected(0);
  Drag(BarCellOf(hidden), Fill(0, 0));
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_TRUE(Shows(h->Screen(), F().Fill().At(0, 0), hidden));
  EXPECT_FALSE(ModelShown(0)) << "an accepted drop does not redraw";
  FillRow();
  EXPECT_EQ(OnlyMessage().title, "B  R  A  V  O  !");
  EXPECT_EQ(F().CurrentRow(), 1);
  EXPECT_TRUE(ModelShown(0)) << "a new row shows its whole model first";
  Tick();
  EXPECT_FALSE(ModelShown(0));
  EXPECT_EQ(h->Beeps(), 2);
}

TEST_F(CadenzaTest, WhileCellsVanishTheMouseDoesNothingAndALevelFourGameIsWonWithThemHidden) {
  h->Command(cmd::kLevelChoices[4]);
  EXPECT_EQ(W().Jeu().hideCount, 3);
  for (int row = 0; row < 4; ++row) {
    for (int t = 0; t < 3; ++t) {
      // A press on a model, a drag from the bar: nothing, no message, no error.
      h->Click(Model(row, 5));
      Drag(BarCellOf(F().Expected(0)), Fill(row, 0));
      EXPECT_EQ(h->PendingMessages(), 0u);
      EXPECT_TRUE(Shows(h->Screen(), F().Fill().At(row, 0), kEmpty));
      EXPECT_EQ(h->Screen(), h->Copy());
      Tick();
      EXPECT_FALSE(ModelShown(t));
    }
    EXPECT_EQ(h->Beeps(), 3 * (row + 1));
    EXPECT_TRUE(ModelShown(3));
    FillRow();
    ASSERT_EQ(OnlyMessage().title, row < 3 ? "B  R  A  V  O  !" : "B  R  A  V  O ,  C ' E S T   G A G N E !");
  }
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  Tick(5);
  EXPECT_EQ(h->Beeps(), 12);
}

TEST_F(CadenzaTest, ARefusedDropShowsTheHiddenCellsAndHidesThemAnewWithItsOwnWords) {
  h->Command(cmd::kLevelChoices[2]);
  Tick(2);
  ASSERT_FALSE(ModelShown(0));
  ASSERT_FALSE(ModelShown(1));
  Drag(BarCellOf(F().Expected(0)), Fill(3, 0));
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.line1, "Tu ne peux pas recouvrir cette case, car elle");
  EXPECT_EQ(m.line2, QString::fromUtf8("n'est pas située dans la ligne entourée de rouge !"));
  EXPECT_EQ(h->SecondField(), "1 erreur(s)   ");
  EXPECT_TRUE(ModelShown(0));
  EXPECT_TRUE(ModelShown(1));
  // The mouse waits again until both are hidden.
  h->Click(Model(0, 4));
  EXPECT_EQ(h->PendingMessages(), 0u);
  Tick(2);
  EXPECT_FALSE(ModelShown(0));
  EXPECT_FALSE(ModelShown(1));
  EXPECT_TRUE(ModelShown(2));
  h->Click(Model(0, 4));
  EXPECT_EQ(OnlyMessage().line1, QString::fromUtf8("Ne pas bouger ces motifs du modèle"));
  // The other words of this game.
  Drag(0, QPoint(3, 3));
  EXPECT_EQ(OnlyMessage().line2, QString::fromUtf8("Tu ne peux pas recouvrir qu'une case."));
  Tick(2);
  Drag(0, Model(0, 4));
  EXPECT_EQ(OnlyMessage().line1, "Tu ne peux pas faire ce mouvement,");
  EXPECT_EQ(h->Beeps(), 6);
}

TEST_F(CadenzaTest, RandomPlayWithTheTimerSteppedAtEveryLevel) {
  for (int level = 0; level < 6; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    h->TakeMessages();
    RandomPlayer player(*h, 200 + level);
    player.SetAims(Aims());
    const PlayReport report = player.Play(2000);
    EXPECT_TRUE(report.ok) << report.failure;
  }
}
