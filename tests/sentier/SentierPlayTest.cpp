// Walking and hunting in a finished world, the won game, the restart and a
// long random play.
#include "Keys.h"
#include "RandomPlayer.h"
#include "SentierFixture.h"

using namespace sentier;
using foret::Kind;

TEST_F(SentierTest, TheMouseWalksToTheEightNeighboursTheKeysToFourAndTreesCountBumps) {
  Play({"TTTTT", "T...T", "T.PTT", "T...T", "TTTTT", "FFFFF", "WWWWW", "TTTTH"});
  EXPECT_EQ(Pressed(), std::vector<int>{cmd::Walk});
  ClickCell(0, 0);  // two cells away
  ClickCell(1, 1);
  EXPECT_EQ(Text()[1], "TP..T");
  EXPECT_EQ(Text()[2], "T..TT");
  ClickCell(1, 1);  // her own cell
  EXPECT_EQ(Text()[1], "TP..T");
  ClickCell(2, 2);
  ClickCell(3, 3);
  EXPECT_EQ(h->PendingMessages(), 0u);
  h->Key(VK_RIGHT);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, QString::fromUtf8("A Ï E  !  !  !"));
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu t'es cogné(e) !"));
  EXPECT_EQ(m.picture, 3);
  EXPECT_EQ(h->SecondField(), "1 choc(s)   ");
  h->Key(VK_LEFT);
  h->Key(VK_LEFT);
  h->Key(VK_UP);
  h->Key(VK_DOWN);
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(Text()[3], "TP..T");
  h->Key(VK_LEFT);
  EXPECT_EQ(OnlyMessage().line1, QString::fromUtf8("Tu t'es cogné(e) !"));
  EXPECT_EQ(h->SecondField(), "2 choc(s)   ");
  EXPECT_EQ(Text()[3], "TP..T");
  ExpectSurfacesShowTheBoard();
}

TEST_F(SentierTest, TheKeysWalkOnlyWithTheBasketAndNotPastTheBorder) {
  for (int command : {0, int{cmd::Path}, int{cmd::Hunt}}) {
    if (command == cmd::Hunt) Play({"P.FFFFF", "WWWWWTH"}, cmd::Hunt);
    else if (command) h->ButtonCommand(command);
    h->Key(VK_RIGHT);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, QString::fromUtf8("A V E C   L E S   T O U C H E S   D U   C L A V I E R,"));
    EXPECT_EQ(m.line1, QString::fromUtf8("Pour récolter des fleurs, il faut d'abord cliquer"));
    EXPECT_EQ(m.line2, QString::fromUtf8("dans la barre des boutons sur la corbeille ! "));
    EXPECT_EQ(m.picture, 3);
  }
  h->ButtonCommand(cmd::Walk);
  h->Key(VK_UP);
  h->Key(VK_LEFT);
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(Text(), (Rows{"P.FFFFF", "WWWWWTH"}));
  h->Key(VK_DOWN);
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, QString::fromUtf8("A Ï E  !"));
  EXPECT_EQ(m.line1, QString::fromUtf8("Le loup t'as mordu(e) !"));
  EXPECT_EQ(m.line2, "Prends un fusil pour le chasser.");
  EXPECT_EQ(Text(), (Rows{"P.FFFFF", "WWWWWTH"}));
  h->Key(VK_RIGHT);
  h->Key(VK_RIGHT);
  EXPECT_EQ(h->SecondField(), "1 fleur(s)   ");
  EXPECT_EQ(Text(), (Rows{"..PFFFF", "WWWWWTH"}));
}

TEST_F(SentierTest, TheHutOpensOnlyToFiveFlowersAndFiveWolvesAndThenTheGameIsWon) {
  Play({"WWWWW..", "PFFFFFH"});
  const char* refusals[] = {"Il te faut chasser les cinq loups", "Il te faut cueillir les cinq fleurs.",
                            "Il te faut chasser les cinq loups."};
  for (int k = 0; k < 3; ++k) {
    Load({"....PH."});
    L().Flowers() = {5, k == 1 ? 4 : k == 2 ? 5 : 0};
    L().Wolves() = {5, k == 1 ? 5 : k == 2 ? 4 : 0};
    h->Answer({AnswerYes});
    h->ButtonCommand(cmd::Walk);
    h->TakeMessages();
    h->Key(VK_RIGHT);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, "A V A N T  D E  R E N T R E R  D A N S  L A  C A B A N E !");
    EXPECT_EQ(m.line1, refusals[k]);
    EXPECT_EQ(m.line2, k == 0 ? "et cueillir les cinq fleurs." : "");
    EXPECT_EQ(m.picture, 3);
    EXPECT_EQ(Text(), Rows{"....PH."});
  }
  // Five wolves shot, five flowers picked: home.
  Play({"WWWWW..", "PFFFFFH"}, cmd::Hunt);
  for (int c = 0; c < 5; ++c) {
    h->ButtonCommand(cmd::Hunt);
    ClickCell(0, c);
    const ShownMessage m = OnlyMessage();
    EXPECT_EQ(m.title, "P  A  N  ! ");
    EXPECT_EQ(m.line1, "Bravo, tu viens de chasser ce loup !");
    EXPECT_EQ(m.picture, 2);
    EXPECT_EQ(h->MessageField(), QStringLiteral("%1 loup(s)   ").arg(c + 1));
    h->ButtonCommand(cmd::Walk);
    ClickCell(1, c + 1);
  }
  EXPECT_EQ(h->SecondField(), "5 fleur(s)   ");
  h->Key(VK_RIGHT);
  const ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "B R A V O  ,  F E L I C I T A T I O N S  !");
  EXPECT_EQ(m.line1, QString::fromUtf8("Tu as gagné, la partie est finie"));
  EXPECT_EQ(m.picture, 2);
  EXPECT_EQ(CurrentMode(), Mode::Won);
  EXPECT_EQ(Phase(), PhaseFinished);
  EXPECT_EQ(h->MessageField(), "Bravo : Dans cabane ");
  EXPECT_EQ(Text(), (Rows{".......", "......P"}));
  EXPECT_TRUE(Pressed().empty());
  ExpectSurfacesShowTheBoard();
}

TEST_F(SentierTest, AShotBreaksAFlowerKillsAWolfOrMissesButOnlyBesideTheGirl) {
  Play(kComplete, cmd::Hunt);
  ClickCell(1, 2);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "P  A  N  !  ");
  EXPECT_EQ(m.line1, QString::fromUtf8("Brute épaisse !"));
  EXPECT_EQ(m.line2, QString::fromUtf8("Ne recommence jamais ça :"));
  EXPECT_EQ(m.line3, QString::fromUtf8("Tu as cassé ma Fleur !"));
  EXPECT_EQ(m.picture, 2);
  ClickCell(3, 4);
  EXPECT_EQ(OnlyMessage().line1, "Bravo, tu viens de chasser ce loup !");
  EXPECT_EQ(h->MessageField(), "1 loup(s)   ");
  for (auto [r, c] : {std::pair{2, 2}, {2, 3}, {2, 4}}) {  // the path, herself, the path
    ClickCell(r, c);
    m = OnlyMessage();
    EXPECT_EQ(m.title, "P  A  N  ! ");
    EXPECT_EQ(m.line1, QString::fromUtf8("Raté, il n'y a pas de loup ici  !"));
  }
  ClickCell(3, 1);  // out of reach
  ClickCell(0, 0);
  EXPECT_EQ(h->PendingMessages(), 0u);
  EXPECT_EQ(Text()[1], "TF.FFF.HT");
  EXPECT_EQ(Text()[3], "TWWW.W.TT");
  ExpectSurfacesShowTheBoard();
}

TEST_F(SentierTest, AFinishedGameAnswersEveryPressKeyAndModeButTheLevelCommandsStillWork) {
  Load({"PH"});
  L().Flowers() = {5, 5};
  L().Wolves() = {5, 5};
  h->Answer({AnswerYes});
  h->ButtonCommand(cmd::Walk);
  h->TakeMessages();
  ClickCell(0, 1);
  h->TakeMessages();
  ASSERT_EQ(CurrentMode(), Mode::Won);
  ClickCell(0, 0);
  ShownMessage m = OnlyMessage();
  EXPECT_EQ(m.title, "L A   P A R T I E   E S T   F I N I E  !");
  EXPECT_EQ(m.line1, "Clique dans la barre de boutons");
  EXPECT_EQ(m.line2, "pour en faire une autre.");
  EXPECT_EQ(m.picture, 3);
  h->Click(QPoint(1, 1));  // outside the grid: the same answer
  EXPECT_EQ(OnlyMessage().title, "L A   P A R T I E   E S T   F I N I E  !");
  h->Key(VK_LEFT);
  m = OnlyMessage();
  EXPECT_EQ(m.title, "L A   P A R T I E   E S T   F I N I E !");
  EXPECT_EQ(m.line2, "pour en faire une autre");
  for (int command : {cmd::Girl, cmd::Walk, cmd::Hunt}) {
    h->ButtonCommand(command);
    m = OnlyMessage();
    EXPECT_EQ(m.title, "L A   P A R T I E   E S T   F I N I E  !");
    EXPECT_EQ(m.line2, "pour en faire une autre.");
    EXPECT_TRUE(Pressed().empty());
  }
  EXPECT_EQ(Text(), Rows{".P"});
  h->ButtonCommand(cmd::NextLevel);  // no question once the game is won
  EXPECT_EQ(B().Columns(), 12);
  EXPECT_EQ(CurrentMode(), Mode::None);
  EXPECT_EQ(h->MessageField(), "0 loup(s)   ");
}

TEST_F(SentierTest, ARestartAsksOnlyWhileAWorldIsBuiltOrPlayedIn) {
  h->ButtonCommand(cmd::SameLevel);
  EXPECT_EQ(h->PendingMessages(), 0u) << "mode 0: nothing to lose";
  h->ButtonCommand(cmd::Flowers);
  ClickCell(0, 0);
  h->Answer({AnswerNo});
  h->MenuCommand(cmd::kLevelChoices[2]);
  EXPECT_EQ(OnlyMessage().title, "A  T  T  E  N  T  I  O  N");
  EXPECT_EQ(B().Cell(0, 0).kind, Kind::Flower);
  EXPECT_EQ(CurrentMode(), Mode::Flowers);
  EXPECT_EQ(W().Jeu().level, 2) << "the level is chosen before the question, as in every game";
  Play(kComplete);
  h->Answer({AnswerYes});
  h->Command(cmd::SameLevelMenu);
  EXPECT_EQ(OnlyMessage().line1, "Veux-tu vraiment tout recommencer ?");
  EXPECT_EQ(Text(), (Rows(11, std::string(15, 'T'))));
  EXPECT_EQ(Phase(), PhaseNotStarted);
  EXPECT_TRUE(Pressed().empty());
}

TEST_F(SentierTest, ALongRandomPlayAtEveryLevelBuildsWalksAndHuntsWithoutFault) {
  RandomPlayer player(*h, 20);
  std::vector<int> commands{cmd::SameLevel};
  for (int id = cmd::Girl; id <= cmd::Hunt; id += 10) commands.push_back(id);
  player.SetCommands(commands);
  player.SetKeys({VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_SPACE});
  h->AnswerWith([](const ShownMessage&) { return AnswerYes; });
  for (int level = 0; level < 4; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    const QRect grid(B().Origin(), QSize(29 * B().Columns(), 29 * B().Rows()));
    player.SetAims({grid});
    PlayReport report = player.Play(1000);
    ASSERT_TRUE(report.ok) << report.failure;
    // A complete world of the level's size, so that the walk and the hunt are played too.
    Rows world(B().Rows(), std::string(B().Columns(), '.'));
    world[0].replace(0, 7, "PFFFFFH");
    world[1].replace(0, 5, "WWWWW");
    Load(world);
    report = player.Play(1000);
    ASSERT_TRUE(report.ok) << report.failure;
    h->TakeMessages();
    ASSERT_EQ(h->Screen(), h->Copy()) << "level " << level;
  }
  h.reset();  // the player answers questions its own way
}
