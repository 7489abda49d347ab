// The flake through its window: presses, refusals that count nothing, drops
// always taken, the verdict with its crosses, and every cell inside the area.
#include "GameHarness.h"
#include "MotifsConfig.h"
#include "NevadoWindow.h"
#include "RandomPlayer.h"

#include <gtest/gtest.h>

using namespace nevado;
using motifs::CaseMotif;
using motifs::kEmpty;

class NevadoTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (h) {
      EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    }
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<nevado::TMyAppCumMenuSuite>(options);
  }
  TMainWindowSuite& W() { return static_cast<TMainWindowSuite&>(h->Window()); }
  Flocon& F() { return W().Game().Board(); }
  static QPoint Centre(const CaseMotif& c) { return {c.left + 24, c.top + 24}; }
  int BarCellOf(int picture) {
    for (int n = 0; n < F().Bar().Count(); ++n)
      if (F().Bar().At(n).picture == picture) return n;
    return -1;
  }
  void Drag(int barCell, QPoint to) {
    const QPoint from = Centre(F().Bar().At(barCell)) + QPoint(6, -4);
    h->Press(from);
    h->Move(to);
    h->Release(to);
  }
  // Fills cell `i` with its model's motif, or with another one.
  void FillCell(int i, bool right) {
    int n = BarCellOf(F().Model(i).picture);
    if (!right) n = (n + 1) % F().Bar().Count();
    Drag(n, Centre(F().Fill(i)));
  }
  bool Shows(const QImage& s, const CaseMotif& c, int picture) {
    return s.copy(c.left, c.top, 49, 49) == W().PictureDC(picture).Image()->copy();
  }
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }
  std::unique_ptr<GameHarness> h;
};

TEST_F(NevadoTest, TheFirstFlakeWithItsDiametersCellsBarAndTexts) {
  EXPECT_EQ(h->Caption(), "N E V A D O");
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("0 glissé   "));
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(Shows(screen, F().Model(i), F().Model(i).picture));
    EXPECT_TRUE(Shows(screen, F().Fill(i), kEmpty));
  }
  for (int n = 0; n < 4; ++n) EXPECT_TRUE(Shows(screen, F().Bar().At(n), F().Bar().At(n).picture));
  // Red across, green down, through the centre, 3 pixels wide.
  const QPoint c = F().Centre();
  EXPECT_EQ(screen.pixel(c + QPoint(-60, 0)), qRgb(255, 0, 0));
  EXPECT_EQ(screen.pixel(c + QPoint(0, 60)), qRgb(0, 255, 0));
  EXPECT_EQ(screen.pixel(c + QPoint(0, 61)), qRgb(0, 255, 0));
  EXPECT_EQ(screen.pixel(c + QPoint(-3, 60)), qRgb(255, 255, 255));
}

TEST_F(NevadoTest, PressesExplainAndRefusedDropsCountNoErrorAndRedraw) {
  h->Press(Centre(F().Model(1)));
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "A T T E N T I O N !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Cette case contient le modèle."));
  EXPECT_EQ(m.line2, QString::fromUtf8("Il ne peut être déplacé."));
  EXPECT_EQ(m.picture, 3);
  h->Release(Centre(F().Model(1)));
  h->Press(Centre(F().Fill(0)));
  EXPECT_EQ(OnlyMessage().line2, QString::fromUtf8("remplis-la avec le motif qui convient."));
  h->Release(Centre(F().Fill(0)));
  FillCell(0, false);
  h->Press(Centre(F().Fill(0)));
  m = OnlyMessage();
  EXPECT_EQ(m.line1, "Pour remplacer ce motif");
  EXPECT_EQ(m.line2, "fais-en glisser un autre dessus.");
  h->Release(Centre(F().Fill(0)));

  const QString seconds[] = {QString::fromUtf8("Les motifs modèles ne peuvent être recouverts."),
                             QString::fromUtf8("Les motifs à déplacer ne peuvent être recouverts."),
                             QString::fromUtf8("Je ne peux recouvrir qu'une case à remplir.")};
  const QPoint targets[] = {Centre(F().Model(0)), Centre(F().Bar().At(3)), F().Centre()};
  for (int k = 0; k < 3; ++k) {
    Drag(2, targets[k]);
    m = OnlyMessage();
    EXPECT_EQ(m.title, "O  H  !  N O N   A L O R S  !");
    EXPECT_EQ(m.line1, "Je ne peux faire ce mouvement.");
    EXPECT_EQ(m.line2, seconds[k]);
    EXPECT_EQ(m.picture, 3);
    EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
    EXPECT_EQ(h->MessageField(), QString::fromUtf8("1 glissé   "));
    EXPECT_EQ(h->Screen(), h->Copy());
    EXPECT_TRUE(Shows(h->Screen(), F().Bar().At(2), F().Bar().At(2).picture));
  }
}

TEST_F(NevadoTest, AWrongFlakeIsCrossedOnlyWhereItIsWrongOnceEveryCellHoldsAMotif) {
  h->Command(motifs::cmd::kLevelChoices[2]);
  FillCell(0, false);
  FillCell(1, true);
  FillCell(2, false);
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  FillCell(2, true);  // replaced: another slide
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("4 glissés   "));
  FillCell(3, true);
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "T U   A S   B I E N   C O M P L E T E   L E   N E V A D O ... ");
  EXPECT_EQ(m.line1, "... mais tous les motifs ne sont pas");
  EXPECT_EQ(m.line3, QString::fromUtf8("de contrôle pour faire une autre partie."));
  EXPECT_EQ(m.picture, 3);
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  const QImage screen = h->Screen();
  EXPECT_EQ(screen, h->Copy());
  const CaseMotif& wrong = F().Fill(0);
  EXPECT_EQ(screen.pixel(Centre(wrong)), qRgb(0, 0, 0));
  EXPECT_EQ(screen.pixel(wrong.left - 2, wrong.top - 2), qRgb(0, 0, 0));
  EXPECT_EQ(screen.pixel(wrong.left + 50, wrong.top + 50), qRgb(0, 0, 0));
  for (int i = 1; i < 4; ++i) EXPECT_TRUE(Shows(screen, F().Fill(i), F().Model(i).picture)) << i;
  h->Click(Centre(F().Bar().At(0)));
  EXPECT_EQ(OnlyMessage().title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
}

TEST_F(NevadoTest, ARightFlakeWinsAtTheLastCell) {
  h->Command(motifs::cmd::kLevelChoices[5]);
  for (int i = 6; i >= 0; --i) FillCell(i, true);
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "B  R  A  V  O ,  C ' E S T   G A G N E !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu as bien complété le nevado !"));
  EXPECT_EQ(m.picture, 2);
  EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("7 glissés   "));
}

TEST_F(NevadoTest, EveryCellLiesInsideTheDrawingAreaOnEveryScreenAndTaskBar) {
  const QSize screens[] = {{800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
  for (QSize s : screens)
    for (int taskbar : {30, 48}) {
      Start({.screenWidth = s.width(), .screenHeight = s.height(), .taskbarHeight = taskbar});
      h->TakeMessages();
      const QRect area(QPoint(0, 0), W().DrawingArea().size());
      for (int level = 0; level < 6; ++level) {
        h->Command(motifs::cmd::kLevelChoices[level]);
        std::vector<const CaseMotif*> cells;
        for (int n = 0; n < F().Bar().Count(); ++n) cells.push_back(&F().Bar().At(n));
        for (int i = 0; i < F().Count(); ++i) cells.push_back(&F().Model(i)), cells.push_back(&F().Fill(i));
        for (const CaseMotif* c : cells)
          ASSERT_TRUE(area.contains(QRect(c->left, c->top, 49, 49)))
              << s.width() << "x" << s.height() << " bar " << taskbar << " level " << level << " at " << c->left
              << "," << c->top;
        // No two cells overlap.
        for (size_t a = 0; a < cells.size(); ++a)
          for (size_t b = a + 1; b < cells.size(); ++b)
            ASSERT_FALSE(QRect(cells[a]->left, cells[a]->top, 49, 49)
                             .intersects(QRect(cells[b]->left, cells[b]->top, 49, 49)))
                << s.width() << "x" << s.height() << " level " << level;
      }
    }
}

TEST_F(NevadoTest, RandomPlayAtEveryLevel) {
  const int w = W().DrawingArea().width(), ht = W().DrawingArea().height();
  for (int level = 0; level < 6; ++level) {
    h->Command(motifs::cmd::kLevelChoices[level]);
    h->TakeMessages();
    RandomPlayer player(*h, 300 + level);
    player.SetAims({QRect(0, 0, 60, ht), QRect(w - 60, 0, 60, ht), QRect(w / 2 - 270, ht / 2 - 270, 540, 540)});
    const PlayReport report = player.Play(2000);
    EXPECT_TRUE(report.ok) << report.failure;
  }
}
