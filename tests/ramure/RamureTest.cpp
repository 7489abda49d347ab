// The hunt in the tree: what shows at start, the places letter for letter,
// the way down to the treasure with the mouse and the keys, and the restart.
#include "../formes/ExpectMessage.h"
#include "Arbre.h"
#include "ControlHands.h"
#include "GameHarness.h"
#include "RamureWindow.h"
#include "RandomPlayer.h"

#include <gtest/gtest.h>

using namespace ramure;

namespace {
QString U(const char* text) { return QString::fromUtf8(text); }

// The way from the root down to the treasure's envelope, as the child opens it.
const QStringList kWay{U("Système solaire"), U("La Terre"), U("Sur terre"), U("Europe"), U("France"),
                       U("Ile-de-France"), U("Paris"), U("Est"), U("20ième Ardssement"),
                       U("Angle rue Ménilmontant/rue des Amandiers"), U("Appartement du directeur"), U("Séjour"),
                       U("Armoire"), U("Dans le tiroir"), U("La boîte"), U("L'enveloppe")};
}  // namespace

class RamureTest : public ::testing::Test {
protected:
  void SetUp() override { h = GameHarness::Start<ramure::TMyAppCumMenuSuite>(); }
  void TearDown() override { EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at"; }
  TMainWindowSuite& W() { return static_cast<TMainWindowSuite&>(h->Window()); }
  std::vector<TTreeView::Row> Rows() { return TreeRows(*h, kTreeId); }
  // Whether the only row is the closed root.
  bool OnlyTheClosedRoot() {
    const auto rows = Rows();
    return rows.size() == 1 && rows[0].text == U("Système solaire") && rows[0].button && !rows[0].open;
  }
  // The texts shown right under the open item at `path`.
  QStringList ChildrenShown(const QStringList& path) {
    QStringList texts;
    const auto rows = Rows();
    bool under = false;
    for (size_t k = 0; k < rows.size(); ++k) {
      if (under && rows[k].depth == path.size()) texts << rows[k].text;
      if (under && rows[k].depth < path.size()) break;
      if (!under && rows[k].depth == path.size() - 1 && rows[k].text == path.back()) under = true;
    }
    return texts;
  }
  ShownMessage OnlyMessage() {
    auto shown = h->TakeMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ShownMessage{} : shown.front();
  }

  std::unique_ptr<GameHarness> h;
};

TEST_F(RamureTest, AtStartOnlyTheClosedRootShowsWithTenPlacesInside) {
  EXPECT_TRUE(OnlyTheClosedRoot());
  TTreeView& tree = W().Tree();
  const QRect area = W().DrawingArea();
  EXPECT_EQ(tree.geometry(), QRect(4, 4, area.width() - 8, area.height() - 8));
  ASSERT_EQ(tree.topLevelItemCount(), 1);
  EXPECT_EQ(tree.topLevelItem(0)->childCount(), 10);
  EXPECT_EQ(tree.ImageOf(tree.topLevelItem(0)), 0);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
}

TEST_F(RamureTest, PlacesHoldWhatTheirBranchesShowLetterForLetter) {
  ASSERT_TRUE(ClickTreeButton(*h, kTreeId, {U("Système solaire")}));
  EXPECT_EQ(ChildrenShown({U("Système solaire")}),
            QStringList({U("Mercure"), U("Vénus"), U("La Terre"), U("Mars"), U("Céres"), U("Jupiter"), U("Saturne"),
                         U("Uranus"), U("Neptune"), U("Pluton")}));
  ASSERT_TRUE(ClickTreeButton(*h, kTreeId, {U("Système solaire"), U("Mercure")}));
  EXPECT_EQ(ChildrenShown({U("Système solaire"), U("Mercure")}), QStringList{U("Vide !")});
  for (const char* bare : {"Uranus", "Neptune", "Pluton"})
    EXPECT_FALSE(ClickTreeButton(*h, kTreeId, {U("Système solaire"), U(bare)})) << bare;
  EXPECT_FALSE(ClickTreeButton(*h, kTreeId, {U("Système solaire"), U("La Terre"), U("Sur terre"), U("Océanie")}));

  // The compass points are under France and under Paris alike; only the east of Paris goes on.
  W().Tree().expandAll();
  const QStringList compass{U("Nord"), U("Sud"), U("Est"), U("Ouest"), U("Centre")};
  const QStringList france = kWay.mid(0, 5), paris = kWay.mid(0, 7);
  EXPECT_EQ(ChildrenShown(france), compass + QStringList{U("Ile-de-France")});
  EXPECT_EQ(ChildrenShown(paris), compass);
  EXPECT_EQ(ChildrenShown(france + QStringList{U("Est")}), QStringList{U("Vide !")});
  EXPECT_EQ(ChildrenShown(kWay.mid(0, 8)).size(), 4);
  EXPECT_EQ(ChildrenShown(kWay.mid(0, 9)).last(), U("Les hauts de Belleville"));
  EXPECT_EQ(ChildrenShown(kWay.mid(0, 15)),
            QStringList({U("Le crayon"), U("Le stylo"), U("L'enveloppe"), U("La punaise"), U("Le trombonne")}));
  EXPECT_EQ(ChildrenShown(kWay), QStringList{U(kTresor)});
  EXPECT_EQ(Rows().size(), 155u);
  EXPECT_EQ(CountLieux(Arbre()), 155);
  EXPECT_EQ(PathTo(Arbre(), U(kTresor)).size(), 17u);  // the leaf, 16 levels below the root
}

TEST_F(RamureTest, TheMouseOpensTheWayDownToTheTreasureAndTheFoldersOpenWithIt) {
  for (int k = 0; k < kWay.size(); ++k) ASSERT_TRUE(ClickTreeButton(*h, kTreeId, kWay.mid(0, k + 1))) << k;
  const auto rows = Rows();
  const auto leaf = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.text == U(kTresor); });
  ASSERT_NE(leaf, rows.end());
  EXPECT_EQ(leaf->depth, 16);
  EXPECT_FALSE(leaf->button);
  TTreeView& tree = W().Tree();
  EXPECT_EQ(tree.ImageOf(tree.Find(kWay)), 1);  // open
  EXPECT_EQ(tree.ImageOf(tree.Find(kWay + QStringList{U(kTresor)})), 0);
  EXPECT_EQ(tree.ImageOf(tree.Find({U("Système solaire"), U("Mars")})), 0);
  // The same box closes the branch again, and its folder with it.
  ASSERT_TRUE(ClickTreeButton(*h, kTreeId, kWay.mid(0, 2)));
  EXPECT_EQ(tree.ImageOf(tree.Find(kWay.mid(0, 2))), 0);
  EXPECT_EQ(Rows().size(), 11u);
  // A double click on a name opens it too.
  ASSERT_TRUE(DoubleClickTreeItem(*h, kTreeId, {U("Système solaire"), U("Jupiter")}));
  EXPECT_EQ(ChildrenShown({U("Système solaire"), U("Jupiter")}), QStringList{U("Vide !")});
  EXPECT_EQ(h->TakeMessages().size(), 0u);
}

TEST_F(RamureTest, TheKeysOpenTheWayDownToTheTreasure) {
  ASSERT_TRUE(ClickTreeItem(*h, kTreeId, {U("Système solaire")}));
  h->Key(Qt::Key_Right);
  for (int k = 1; k < kWay.size(); ++k) {
    const TTreeView::Item* parent = W().Tree().Find(kWay.mid(0, k));
    int index = 0;
    while (parent->child(index)->text(0) != kWay[k]) ++index;
    for (int down = 0; down <= index; ++down) h->Key(Qt::Key_Down);
    h->Key(k % 2 ? Qt::Key_Right : Qt::Key_Plus);
  }
  EXPECT_EQ(ChildrenShown(kWay), QStringList{U(kTresor)});
  h->Key(Qt::Key_Minus);
  EXPECT_TRUE(ChildrenShown(kWay).isEmpty());
}

TEST_F(RamureTest, RestartAsksEveryTimeAndNoLeavesTheOpenBranchesOpen) {
  for (int k = 0; k < 4; ++k) ClickTreeButton(*h, kTreeId, kWay.mid(0, k + 1));
  const size_t open = Rows().size();
  h->Answer({AnswerNo});
  h->ButtonCommand(cmd::Start);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_EQ(Rows().size(), open);

  h->Answer({AnswerYes});
  h->MenuCommand(cmd::StartMenu);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_TRUE(OnlyTheClosedRoot());
  EXPECT_EQ(W().Tree().topLevelItemCount(), 1);

  // Even with nothing opened since, the restart asks again.
  h->Answer({AnswerYes});
  h->Command(cmd::Start);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_TRUE(OnlyTheClosedRoot());
  EXPECT_EQ(h->UnexpectedQuestions(), 0);
}

TEST_F(RamureTest, BarsCarryTheThreeButtonsAndTheShortTextList) {
  const GameConfig& c = TMainWindowSuite::Config();
  ASSERT_EQ(c.buttons.size(), 3u);
  for (const BarButton& b : c.buttons) EXPECT_EQ(b.separatorsAfter, 0);
  EXPECT_EQ(c.buttons[1].picture, U("lightning"));
  ASSERT_EQ(c.textMenu.size(), 3u);
  EXPECT_EQ(c.textMenu[0].text, U("&Quitter"));
  EXPECT_EQ(c.textMenu[1].text, U(" Recommencer cet arbre "));
  EXPECT_EQ(c.textMenu[2].id, 570);
  EXPECT_EQ(c.restartPicture, U("BITMAPExecuter"));
  EXPECT_EQ(h->Caption(), U("C H A S S E   A U   T R E S O R   D A N S   U N   A R B R E"));
}

TEST_F(RamureTest, ThousandsOfRandomEventsLeaveTheTreeWhole) {
  RandomPlayer player(*h, 7);
  player.SetHostile(true);
  h->AnswerWith([](const ShownMessage&) { return AnswerNo; });
  const PlayReport report = player.Play(2500);
  EXPECT_TRUE(report.ok) << report.failure;
  h->TakeMessages();
  ASSERT_EQ(W().Tree().topLevelItemCount(), 1);
  W().Tree().expandAll();
  EXPECT_EQ(Rows().size(), 155u);
}
