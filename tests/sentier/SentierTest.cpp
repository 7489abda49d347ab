// The forest builder's window: a new game, the grid's place, the mode buttons
// and the building of the world.
#include "SentierFixture.h"
#include "ControlBar.h"
#include "StatusBar.h"

#include <QFontMetrics>
#include <QToolButton>

using namespace sentier;
using foret::Kind;

TEST_F(SentierTest, TheFirstGameIsAnEmptyForestAtLevelZeroWithTheWelcomeAndLaterGamesCountNoWolf) {
  EXPECT_EQ(h->Caption(), "J E   C R E E   U N   L A B Y R I N T H E");
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  EXPECT_EQ(h->SecondField(), "0 fleur(s)   ");
  EXPECT_EQ(h->MessageField(), "Bienvenue dans sentier ");
  EXPECT_EQ(Text(), (Rows(6, "TTTTTTTTT")));
  EXPECT_EQ(CurrentMode(), Mode::None);
  EXPECT_EQ(Phase(), PhaseNotStarted);
  EXPECT_EQ(B().LastRow(), 3);
  EXPECT_EQ(B().LastColumn(), 4);
  EXPECT_TRUE(Pressed().empty());
  EXPECT_EQ(W().Config().dialogPictures, (std::array<int, 6>{8, 9, 10, 11, 12, 13}));
  ExpectSurfacesShowTheBoard();

  h->ButtonCommand(cmd::Wolves);
  ClickCell(0, 0);
  EXPECT_EQ(h->MessageField(), "1 loup(s)   ");
  h->Answer({AnswerYes});
  h->ButtonCommand(cmd::SameLevel);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  EXPECT_EQ(h->MessageField(), "0 loup(s)   ");
  EXPECT_EQ(Text(), (Rows(6, "TTTTTTTTT")));
  EXPECT_TRUE(Pressed().empty());
}

TEST_F(SentierTest, TheGridIsCentredLessHalfACellAtEachLevelAndEveryPixelOfItIsACell) {
  const int columns[] = {9, 12, 15, 18}, rows[] = {6, 9, 11, 13};
  const char* names[] = {"Débutant ", "Amateur ", "Professionnel ", "Expert "};
  for (int level = 0; level < 4; ++level) {
    SCOPED_TRACE(level);
    h->Answer({AnswerYes});  // a world being built: the level change asks first
    h->Command(cmd::kLevelChoices[level]);
    h->TakeMessages();
    EXPECT_EQ(h->FirstField(), QString::fromUtf8(names[level]));
    ASSERT_EQ(B().Rows(), rows[level]);
    ASSERT_EQ(B().Columns(), columns[level]);
    const QRect area = W().DrawingArea();
    const int x0 = (area.width() - columns[level] * 29 - 29) / 2, y0 = (area.height() - rows[level] * 29 - 29) / 2;
    EXPECT_EQ(B().Origin(), QPoint(x0, y0));
    ExpectSurfacesShowTheBoard();
    h->ButtonCommand(cmd::Girl);
    const int right = x0 + 29 * columns[level] - 1, bottom = y0 + 29 * rows[level] - 1;
    // Each corner pixel places the girl in its corner cell; one pixel out is refused.
    for (auto [p, r, c] : {std::tuple{QPoint(x0, y0), 0, 0}, {QPoint(right, y0), 0, columns[level] - 1},
                           {QPoint(x0, bottom), rows[level] - 1, 0}, {QPoint(right, bottom), rows[level] - 1, columns[level] - 1},
                           {QPoint(x0 + 29, y0 + 28), 0, 1}}) {
      h->Click(p);
      ASSERT_EQ(L().Girl().cell, &B().Cell(r, c)) << p.x() << "," << p.y();
    }
    for (QPoint p : {QPoint(x0 - 1, y0), QPoint(x0, y0 - 1), QPoint(right + 1, bottom), QPoint(right, bottom + 1)}) {
      h->Click(p);
      const ShownMessage m = OnlyMessage();
      EXPECT_EQ(m.title, "A T T E N T I O N ");
      EXPECT_EQ(m.line1, QString::fromUtf8("Il faut cliquer à l'intérieur du jeu."));
      EXPECT_EQ(m.picture, 3);
    }
  }
}

TEST_F(SentierTest, APressBeforeAnyModeAsksWhatToDo) {
  ClickCell(2, 2);
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "H E U , J E   N E   S A I S   P A S   Q U O I   F A I R E  !");
  EXPECT_EQ(m.line1, "Clique dans la barre de boutons pour");
  EXPECT_EQ(m.line2, "me dire ce que je dois faire.");
  EXPECT_EQ(m.picture, 4);
  EXPECT_EQ(Text(), (Rows(6, "TTTTTTTTT")));
  EXPECT_EQ(Phase(), PhaseNotStarted);
}

TEST_F(SentierTest, TheBarHoldsEveryButtonInOrderAndTheFieldsTheirLongestTexts) {
  for (auto [width, height] : {std::pair{1024, 768}, {1920, 1080}}) {
    Start({.screenWidth = width, .screenHeight = height});
    const TControlBar& bar = *h->Frame().ControlBar();
    const int order[] = {cmd::Quit, cmd::NextLevel, cmd::SameLevel, cmd::PreviousLevel, cmd::Girl, cmd::Hut,
                         cmd::Flowers, cmd::Wolves, cmd::Path, cmd::Walk, cmd::Hunt, cmd::Help};
    int previous = -1;
    for (int id : order) {
      const QToolButton* button = bar.Button(id);
      ASSERT_TRUE(button) << id;
      const QPoint at = button->mapTo(&h->Frame(), QPoint(0, 0));
      EXPECT_GT(at.y(), previous) << id;
      EXPECT_TRUE(h->Frame().rect().contains(QRect(at, button->size()))) << id;
      previous = at.y();
    }
    const int s = (W().DrawingArea().height() - 384) / 14;
    for (const QWidget* separator : bar.Separators()) EXPECT_EQ(separator->height(), s);
    EXPECT_EQ(bar.Separators().size(), 13u);
    for (auto [field, text] : {std::pair{h->App().FirstField(), "Professionnel "}, {h->App().SecondField(), "12 choc(s)   "},
                               {h->App().SecondField(), "5 fleur(s)   "}})
      EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(QString::fromUtf8(text)), field->contentsRect().width())
          << text;
  }
}

TEST_F(SentierTest, PlayingAnUnfinishedWorldNamesTheFirstMissingPieceAndLetsEveryButtonUp) {
  struct Check {
    Rows world;
    int from, command;
    const char *line1, *line2, *line3;
  };
  const Check checks[] = {
      {{"TTTTTTTTT"}, 0, cmd::Walk, "Tu veux jouer dans un labyrinthe qui", "n'est pas terminé. Il faut avant tout",
       "que tu places le Capucinen Rouge."},
      {{"HTTTTTTTT"}, cmd::Hut, cmd::Hunt, "Tu veux jouer dans un labyrinthe qui", "n'est pas terminé. Il faut avant tout",
       "que tu places le Capucinen Rouge."},
      {{"TP.FFFFF", "WWWWWTTT"}, cmd::Path, cmd::Walk, "Tu veux jouer dans un labyrinthe qui",
       "n'est pas terminé. Il faut que le Capucinen", "Rouge puisse se réfugier dans la cabane."},
      {{"HP.FFFFT", "WWWWTTTT"}, cmd::Girl, cmd::Walk, "Tu veux jouer dans un labyrinthe qui",
       "n'est pas terminé. Il faut d'abord planter", "cinq fleurs et cacher cinq loups."},
      {{"HP.FFFFT", "WWWWWTTT"}, cmd::Wolves, cmd::Hunt, "Tu veux jouer dans un labyrinthe",
       "qui n'est pas terminé. Il faut d'abord", "que tu aies planté cinq fleurs."},
      {{"HP.FFFFF", "WWWWTTTT"}, cmd::Flowers, cmd::Walk, "Tu veux jouer dans un labyrinthe",
       "qui n'est pas terminé. Il faut d'abord", "que tu aies caché cinq loups."},
  };
  for (const Check& k : checks) {
    SCOPED_TRACE(k.line3);
    Load(k.world);
    if (k.from) h->ButtonCommand(k.from);
    const Mode before = CurrentMode();
    h->ButtonCommand(k.command);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, "A  T  T  E  N  T  I  O  N  ");
    EXPECT_EQ(m.line1, QString::fromUtf8(k.line1));
    EXPECT_EQ(m.line2, QString::fromUtf8(k.line2));
    EXPECT_EQ(m.line3, QString::fromUtf8(k.line3));
    EXPECT_EQ(m.picture, 3);
    EXPECT_EQ(m.kind, MessageOk);
    EXPECT_EQ(CurrentMode(), before);
    EXPECT_TRUE(Pressed().empty());
  }
}

TEST_F(SentierTest, ACompleteWorldIsConfirmedOnceAndThenCannotBeRebuilt) {
  Load(kComplete);
  h->ButtonCommand(cmd::Path);
  EXPECT_EQ(Pressed(), std::vector<int>{cmd::Path});
  h->Answer({AnswerNo});
  h->ButtonCommand(cmd::Walk);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "A  T  T  E  N  T  I  O  N");
  EXPECT_EQ(m.line1, QString::fromUtf8("Le labyrinthe est-il bien terminé ?"));
  EXPECT_EQ(m.picture, 4);
  EXPECT_EQ(m.kind, MessageYesNo);
  EXPECT_EQ(CurrentMode(), Mode::Path);
  EXPECT_TRUE(Pressed().empty());

  h->Answer({AnswerYes});
  h->MenuCommand(cmd::Hunt);
  EXPECT_EQ(OnlyMessage().kind, MessageYesNo);
  EXPECT_EQ(CurrentMode(), Mode::Hunt);
  EXPECT_EQ(Pressed(), std::vector<int>{cmd::Hunt}) << "the menu presses the mode's button too";
  EXPECT_EQ(h->MessageField(), "Chasser le loup ");
  EXPECT_EQ(Phase(), PhaseInProgress);
  h->ButtonCommand(cmd::Walk);
  EXPECT_EQ(h->PendingMessages(), 0u) << "from one play mode to the other, no question";
  EXPECT_EQ(h->MessageField(), QString::fromUtf8("Cheminer dans la forêt "));

  const std::pair<int, const char*> cheats[] = {
      {cmd::Girl, "Déplacer le Capucinen Rouge est interdit."}, {cmd::Hut, "Déplacer la cabane est interdit."},
      {cmd::Flowers, "Modifier le labyrinthe est interdit."}, {cmd::Wolves, "Modifier le labyrinthe est interdit."},
      {cmd::Path, "Modifier le labyrinthe est interdit."}};
  for (auto [command, line3] : cheats) {
    h->ButtonCommand(command);
    m = OnlyMessage();
    EXPECT_EQ(m.title, "A  T  T  E  N  T  I  O  N  ");
    EXPECT_EQ(m.line1, "Tu veux tricher !");
    EXPECT_EQ(m.line2, QString::fromUtf8(command <= cmd::Hut ? "La construction du labyrinthe est terminée."
                                                             : "La construction est terminée."));
    EXPECT_EQ(m.line3, QString::fromUtf8(line3));
    EXPECT_EQ(m.picture, 3);
    EXPECT_EQ(CurrentMode(), Mode::Walk);
    EXPECT_TRUE(Pressed().empty());
  }
  EXPECT_EQ(Text(), kComplete);
}

TEST_F(SentierTest, TheGirlAndTheHutMoveOnTreesLeavingATreeBehind) {
  h->ButtonCommand(cmd::Girl);
  EXPECT_EQ(h->MessageField(), "Placer Capucinen Rouge ");
  EXPECT_EQ(Phase(), PhaseInProgress);
  ClickCell(1, 1);
  ClickCell(4, 6);
  h->ButtonCommand(cmd::Hut);
  EXPECT_EQ(Pressed(), std::vector<int>{cmd::Hut});
  EXPECT_EQ(h->MessageField(), "Construire une cabane ");
  ClickCell(0, 0);
  ClickCell(0, 8);
  EXPECT_EQ(Text(), (Rows{"TTTTTTTTH", "TTTTTTTTT", "TTTTTTTTT", "TTTTTTTTT", "TTTTTTPTT", "TTTTTTTTT"}));
  EXPECT_EQ(h->PendingMessages(), 0u);
  ExpectSurfacesShowTheBoard();

  ClickCell(4, 6);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "A T T E N T I O N  !");
  EXPECT_EQ(m.line1, "Ici ce n'est pas un arbre");
  EXPECT_EQ(m.line2, QString::fromUtf8("Tu ne peux placer la cabane que dans la forêt."));
  EXPECT_EQ(m.picture, 1);
  h->ButtonCommand(cmd::Girl);
  ClickCell(0, 8);
  m = OnlyMessage();
  EXPECT_EQ(m.line1, "Ici il n'y a pas d'arbre, tu ne peux placer");
  EXPECT_EQ(m.line2, QString::fromUtf8("le Capucinen Rouge que dans la forêt."));
  EXPECT_EQ(m.picture, 1);
  EXPECT_EQ(L().Girl().cell, &B().Cell(4, 6));
}

TEST_F(SentierTest, FlowersAndWolvesAreSownUpToFiveAndTakenBackAndThePathIsToggled) {
  struct Piece {
    int command;
    Kind kind;
    StatusField field;
    const char* unit;
    const char *fullLine1, *fullLine2, *refusal;
  };
  const Piece pieces[] = {
      {cmd::Flowers, Kind::Flower, StatusField::Second, "fleur(s)", "Je ne peux ajouter une fleur supplémentaire ...",
       "... tu as déja planté toutes les fleurs.", "Ici ce n'est ni un arbre, ni une fleur."},
      {cmd::Wolves, Kind::Wolf, StatusField::Message, "loup(s)", "Tu ne peux ajouter un loup supplémentaire ...",
       "... tu as déja choisi tous les loups.", "Ici ce n'est ni un arbre, ni un loup."},
  };
  for (const Piece& p : pieces) {
    SCOPED_TRACE(p.unit);
    Load({"TTTTTTTTT", "P.HTTTTTT"});
    h->ButtonCommand(p.command);
    auto field = [&] { return p.field == StatusField::Second ? h->SecondField() : h->MessageField(); };
    for (int c = 0; c < 5; ++c) ClickCell(0, c);
    EXPECT_EQ(field(), QStringLiteral("5 %1   ").arg(p.unit));
    ClickCell(0, 5);
    ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, "D E S O L E  !");
    EXPECT_EQ(m.line1, QString::fromUtf8(p.fullLine1));
    EXPECT_EQ(m.line2, QString::fromUtf8(p.fullLine2));
    EXPECT_EQ(m.picture, 3);
    ClickCell(0, 2);
    EXPECT_EQ(field(), QStringLiteral("4 %1   ").arg(p.unit));
    EXPECT_EQ(B().Cell(0, 2).kind, Kind::Forest);
    ClickCell(0, 5);
    EXPECT_EQ(B().Cell(0, 5).kind, p.kind);
    for (int c : {0, 1, 2}) {
      ClickCell(1, c);
      m = OnlyMessage();
      EXPECT_EQ(m.title, "A T T E N T I O N  !");
      EXPECT_EQ(m.line1, QString::fromUtf8(p.refusal));
      EXPECT_EQ(m.picture, 1);
    }
    ExpectSurfacesShowTheBoard();
  }
  Load({"P.HFW"});
  h->ButtonCommand(cmd::Path);
  EXPECT_EQ(h->MessageField(), "Tracer le chemin ");
  ClickCell(0, 1);
  ClickCell(0, 1);
  ClickCell(0, 1);
  EXPECT_EQ(Text(), Rows{"PTHFW"});
  for (int c : {0, 2, 3, 4}) {
    ClickCell(0, c);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.line1, QString::fromUtf8("Ici ce n'est ni un arbre, ni un chemin."));
    EXPECT_EQ(m.line2, QString::fromUtf8("Clique sur un arbre pour mettre un chemin,"));
    EXPECT_EQ(m.line3, QString::fromUtf8("et sur un chemin pour planter un arbre."));
  }
  ExpectSurfacesShowTheBoard();
}
