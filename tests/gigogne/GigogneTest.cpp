// The nested windows: the hierarchy at home, the dead ends' texts, the chests'
// count, the limits of moving and sizing, closing, and the restart.
#include "GigogneFixture.h"

#include "Univers.h"

#include <typeinfo>

using namespace gigogne;

namespace {
QString U(const char* text) { return QString::fromUtf8(text); }

// Checks the window `w` against the plan's place `lieu`, and everything inside it.
void ExpectLikePlan(const TChildFrame& w, const Lieu& lieu, int& counted) {
  ++counted;
  EXPECT_EQ(w.Caption(), lieu.caption);
  EXPECT_EQ(w.geometry(), QRect(lieu.home, kHomeSize)) << lieu.caption.toStdString();
  EXPECT_EQ(w.HasSystemMenu(), lieu.genre != Genre::Coffre) << lieu.caption.toStdString();
  EXPECT_FALSE(w.IsClosable());
  const auto* fork = dynamic_cast<const TFourcheWindow*>(&w);
  ASSERT_EQ(fork != nullptr, !lieu.dedans.empty()) << lieu.caption.toStdString();
  if (!fork) {
    EXPECT_EQ(dynamic_cast<const TFeuilleTresorTerminaleWindow*>(&w) != nullptr, lieu.genre == Genre::Coffre);
    return;
  }
  ASSERT_EQ(fork->SubPlaces().size(), lieu.dedans.size());
  for (size_t k = 0; k < lieu.dedans.size(); ++k) {
    const TChildFrame& inside = *fork->SubPlaces()[k];
    EXPECT_EQ(inside.parentWidget(), const_cast<TFourcheWindow*>(fork)->ClientWindow());
    ExpectLikePlan(inside, lieu.dedans[k], counted);
  }
}
}  // namespace

TEST_F(GigogneTest, EveryPlaceStartsAtHomeInsideItsParentWithItsClass) {
  int counted = 0;
  ExpectLikePlan(W().Root(), Plan(), counted);
  EXPECT_EQ(counted, 34);
  EXPECT_EQ(W().World().Places().size(), 34u);
  EXPECT_EQ(W().Root().parentWidget(), &W());
  // One class per place with places inside.
  EXPECT_EQ(typeid(Place("La Terre")), typeid(TLa_terre));
  EXPECT_EQ(typeid(Place("Sur terre")), typeid(TSol));
  EXPECT_EQ(typeid(Place("Europe")), typeid(TEurope));
  EXPECT_EQ(typeid(Place("France")), typeid(TFrance));
  EXPECT_EQ(typeid(Place("Nantes")), typeid(TNantes));
  EXPECT_EQ(typeid(Place("Chateau")), typeid(TChateau));
  EXPECT_EQ(typeid(Place("Trésor")), typeid(TTresor));
  EXPECT_EQ(typeid(Place("Benélux")), typeid(TCulDeSacWindow));
  // Laid across in "La Terre" and "Sur terre", down elsewhere.
  EXPECT_EQ(Place("Europe").pos(), QPoint(408, 3));
  EXPECT_EQ(Place("Italie").pos(), QPoint(3, 150));
  EXPECT_EQ(Tresor().Chests().size(), 4u);
  EXPECT_EQ(h->MessageField(), U("Cherche le trésor ! "));
}

TEST_F(GigogneTest, DeadEndsTeaseWithTheTextTheirDrawChose) {
  // The 22 dead ends draw in the order they are made, down the plan.
  std::deque<int> draws;
  for (int k = 0; k < 22; ++k) draws.push_back(k * 3 + 8);
  Start({.scriptedRandom = draws});
  std::vector<int> indices;
  for (const auto& place : W().World().Places())
    if (auto* end = dynamic_cast<TCulDeSacWindow*>(place.window)) indices.push_back(end->messageIndex);
  ASSERT_EQ(indices.size(), 22u);
  std::vector<int> expected;
  for (int k = 0; k < 22; ++k) expected.push_back((k * 3 + 8) % 8);
  EXPECT_EQ(indices, expected);
  EXPECT_EQ(dynamic_cast<TCulDeSacWindow&>(Place("Mercure")).messageIndex, 0);
  EXPECT_EQ(dynamic_cast<TCulDeSacWindow&>(Place("Venus")).messageIndex, 3);

  TChildFrame& mercure = Place("Mercure");
  Fill(W().Root());
  DragFrame(*h, mercure, TChildFrame::Right | TChildFrame::Bottom, QPoint(300, 40));
  EXPECT_TRUE(Shows(mercure, U("Aïe, vois-tu quelque chose toi ?")));
  EXPECT_EQ(DeadEndText(7), U("Ce n'est pas ici, courage !"));
  EXPECT_EQ(DeadEndText(2), U("Désolé, je ne vois rien ici !"));
}

TEST_F(GigogneTest, ChestsCountWhenEnlargedAndNotWhenMovedOrShrunkBack) {
  OpenTheWayDown(false);
  TChildFrame& argent = Place("Argent");
  EXPECT_EQ(h->MessageField(), U("Cherche le trésor ! "));
  // Moved only: still closed.
  DragFrame(*h, argent, TChildFrame::CaptionBar, QPoint(20, 5));
  EXPECT_EQ(argent.size(), kHomeSize);
  EXPECT_EQ(Tresor().OpenChests(), 0);
  DragFrame(*h, argent, TChildFrame::CaptionBar, QPoint(-20, -5));

  DragFrame(*h, argent, TChildFrame::Right | TChildFrame::Bottom, QPoint(300, 10));
  EXPECT_EQ(Tresor().OpenChests(), 1);
  EXPECT_EQ(h->MessageField(), U("Tu as ouvert un coffre. "));
  EXPECT_TRUE(Shows(argent, U("Bravo, tu as trouvé un bout du trésor, continue")));

  // Shrunk back to exactly its caption: closed again, the status says so.
  DragFrame(*h, argent, TChildFrame::Right | TChildFrame::Bottom, QPoint(-300, -10));
  EXPECT_EQ(argent.size(), kHomeSize);
  EXPECT_EQ(h->MessageField(), U("Pas de coffre ouvert. "));

  OpenTheChests();
  EXPECT_EQ(Tresor().OpenChests(), 4);
  EXPECT_EQ(h->MessageField(), U("Tu as ouvert tous les coffres "));
  EXPECT_TRUE(Shows(argent, U("BRAVO, TU AS TROUVE TOUT LE TRESOR DU VIEUX PIRATE !!")));
  // One shrunk back: the chests still open all show the new count at once.
  TChildFrame& poivre = Place("Poivre");
  poivre.raise();
  DragFrame(*h, poivre, TChildFrame::Right | TChildFrame::Bottom,
               QPoint(kHomeSize.width() - poivre.width(), kHomeSize.height() - poivre.height()));
  EXPECT_EQ(poivre.size(), kHomeSize);
  EXPECT_EQ(h->MessageField(), U("Tu as ouvert trois coffres "));
  EXPECT_TRUE(Shows(argent, U("Oh ! incroyable, étonnant, il reste encore un coffre.")));
}

TEST_F(GigogneTest, NoWindowShrinksBelowItsCaptionNorLeavesItsCaptionOutOfReach) {
  TChildFrame& root = W().Root();
  DragFrame(*h, root, TChildFrame::Right | TChildFrame::Bottom, QPoint(-100, -100));
  EXPECT_EQ(root.size(), kHomeSize);
  Fill(root);
  TChildFrame& mercure = Place("Mercure");
  DragFrame(*h, mercure, TChildFrame::Left | TChildFrame::Top, QPoint(200, 200));
  EXPECT_EQ(mercure.size(), kHomeSize);
  // Carried far out of its parent, each stops with its caption's grip still inside.
  for (TChildFrame* w : {&mercure, &root}) {
    for (const QPoint by : {QPoint(-3000, -3000), QPoint(5000, 5000)}) {
      DragFrame(*h, *w, TChildFrame::CaptionBar, by);
      const QRect parent = w->parentWidget()->rect();
      const QPoint grip = w->mapTo(w->parentWidget(), w->mapFrom(&W(), GripPoint(*h, *w, TChildFrame::CaptionBar)));
      EXPECT_TRUE(parent.contains(grip)) << w->Caption().toStdString();
      EXPECT_EQ(w->size(), w == &root ? root.size() : kHomeSize);
    }
  }
}

TEST_F(GigogneTest, PlacesCannotBeClosedByTheirMenuNorTheirBox) {
  Fill(W().Root());
  TChildFrame& terre = Place("La Terre");
  h->AnswerPopups({TChildFrame::kCloseCommand});
  h->Click(terre.mapTo(&W(), terre.SystemMenuBox().center()));
  const auto popups = h->TakePopups();
  ASSERT_EQ(popups.size(), 1u);
  ASSERT_EQ(popups[0].items.size(), 1u);
  EXPECT_EQ(popups[0].items[0].text, U("&Fermer"));
  h->DoubleClick(terre.mapTo(&W(), terre.SystemMenuBox().center()));
  h->TakePopups();
  EXPECT_FALSE(terre.close());
  EXPECT_TRUE(terre.isVisible());
  for (const auto& place : W().World().Places()) EXPECT_TRUE(place.window->isVisibleTo(&W()));
}

TEST_F(GigogneTest, RestartIsNeededOnlyOnceTheRootLeftHomeAndPutsEveryWindowBack) {
  h->ButtonCommand(cmd::Start);
  ExpectMessage(OnlyMessage(), "I N U T I L E   D E   T O U T   R E C O M M E N C E R",
                "La partie n'est pas commencée !", "", 2);
  // Moved without being enlarged, the root is put back too, after the question.
  DragFrame(*h, W().Root(), TChildFrame::CaptionBar, QPoint(40, 30));
  h->Answer({AnswerYes});
  h->MenuCommand(cmd::StartMenu);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  EXPECT_EQ(W().Root().pos(), QPoint(0, 0));

  OpenTheWayDown(false);
  OpenTheChests();
  std::vector<QRect> before;
  for (const auto& place : W().World().Places()) before.push_back(place.window->geometry());
  h->Answer({AnswerNo});
  h->Command(cmd::Start);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  for (size_t k = 0; k < before.size(); ++k) EXPECT_EQ(W().World().Places()[k].window->geometry(), before[k]);
  EXPECT_EQ(h->MessageField(), U("Tu as ouvert tous les coffres "));

  h->Answer({AnswerYes});
  h->Command(cmd::Start);
  ExpectMessage(OnlyMessage(), "A  T  T  E  N  T  I  O  N", "Veux-tu vraiment tout recommencer ?", "", 4, MessageYesNo);
  int counted = 0;
  ExpectLikePlan(W().Root(), Plan(), counted);
  EXPECT_EQ(h->MessageField(), U("Cherche le trésor ! "));
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
}

TEST_F(GigogneTest, BarsAndTextsAreTheHuntsOwn) {
  const GameConfig& c = TMainWindowSuite::Config();
  EXPECT_EQ(c.restartPicture, U("BITMAPEncore"));
  ASSERT_EQ(c.textMenu.size(), 3u);
  EXPECT_EQ(c.textMenu[1].text, U(" Recommencer au départ"));
  EXPECT_EQ(c.quitQuestion, U("Faut-il vraiment quitter ?"));
  EXPECT_EQ(ChestStatus(3), U("Tu as ouvert trois coffres"));
  EXPECT_EQ(ChestText(0), U("Bravo, tu es arrivé(e) au trésor : Ouvre les coffres"));
  // A count past either end of a table reads its nearest entry, never beyond.
  EXPECT_EQ(ChestText(5), U("BRAVO, TU AS TROUVE TOUT LE TRESOR DU VIEUX PIRATE !!"));
  EXPECT_EQ(ChestStatus(9), U("Tu as ouvert tous les coffres"));
  EXPECT_EQ(DeadEndText(8), U("Ce n'est pas ici, courage !"));
  EXPECT_EQ(DeadEndText(-1), U("Aïe, vois-tu quelque chose toi ?"));
  EXPECT_EQ(OpenChests({kHomeSize, QSize(131, 27), kHomeSize, QSize(130, 28)}), 2);
  EXPECT_EQ(h->Caption(), U("RECHERCHE D'UN TRESOR DANS UN UNIVERS DE FENETRES"));
}
