// The shell around a stand-in game: levels, restarts, phases, quitting, mouse
// and keys, repainting and the bars.
#include "ControlBar.h"
#include "DecoratedFrame.h"
#include "GameHarness.h"
#include "Globals.h"
#include "Help.h"
#include "Keys.h"
#include "TestGame.h"

#include <QApplication>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace testgame;

namespace {
const QString kRestartQuestion = QStringLiteral("Veux-tu vraiment tout recommencer ?");

class ShellTest : public ::testing::Test {
protected:
  void SetUp() override { Start({}); }
  void TearDown() override {
    if (!h) return;
    EXPECT_EQ(h->PendingMessages(), 0u) << "a message was shown that the test did not look at";
    EXPECT_EQ(h->UnexpectedQuestions(), 0);
  }
  void Start(const GameHarness::Options& options) {
    h.reset();
    h = GameHarness::Start<testgame::TMyAppCumMenuSuite>(options);
  }
  TMainWindowSuite& W() { return static_cast<TMainWindowSuite&>(h->Window()); }
  std::vector<ShownMessage> Messages() { return h->TakeMessages(); }
  QString Titles() {
    QString all;
    for (const ShownMessage& m : h->TakeMessages()) all += m.title + '|';
    return all;
  }

  std::unique_ptr<GameHarness> h;
};
}  // namespace

TEST_F(ShellTest, DrawingAreaFollowsScreenWidthAndTaskbarTop) {
  // The frame's middle is narrower than the width less the right margin: the
  // area is what it shows.
  EXPECT_LT(W().width(), 1024 - 45);
  EXPECT_EQ(W().DrawingArea(), QRect(0, 0, W().width(), 768 - 30 - 67));
  const int sides = 1024 - W().width();  // frame borders and button bar
  Start({.screenWidth = 1920, .screenHeight = 1080, .taskbarHeight = 40});
  EXPECT_EQ(W().DrawingArea(), QRect(0, 0, W().width(), 1080 - 40 - 67));
  EXPECT_EQ(W().width(), 1920 - sides);
  EXPECT_EQ(h->Screen().size(), W().DrawingArea().size());
  EXPECT_EQ(h->Copy().size(), W().DrawingArea().size());
}

TEST_F(ShellTest, FrameShowsTitleLevelNameAndFirstBoard) {
  EXPECT_EQ(h->Caption(), "T E S T");
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  EXPECT_EQ(h->SecondField(), " ");
  EXPECT_EQ(W().Board().drawings, 1);
  EXPECT_EQ(h->Screen(), h->Copy());
  EXPECT_EQ(h->Screen().pixel(100, 100), qRgb(0, 0, 0));
  EXPECT_EQ(h->Screen().pixel(115, 115), qRgb(192, 192, 192));
}

TEST_F(ShellTest, NextLevelAtTopShowsBravoAndRestartsAtSameLevel) {
  h->Command(585);
  ASSERT_EQ(W().Jeu().level, 5);
  EXPECT_EQ(h->FirstField(), "Champion ");
  const int drawn = W().Board().drawings;
  h->Command(cmd::Next);
  const auto shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "B R A V O,  TU ES RENDU AU SOMMET DE LA GLOIRE !");
  EXPECT_EQ(shown[0].line1, "Il n'y a pas de niveau plus difficile.");
  EXPECT_EQ(shown[0].picture, 3);
  EXPECT_EQ(W().Jeu().level, 5);
  EXPECT_EQ(W().Board().drawings, drawn + 1);
}

TEST_F(ShellTest, PreviousLevelAtBottomShowsSorryAndRestartsAtLevelZero) {
  W().Jeu().score = 7;
  h->Command(cmd::Previous);
  const auto shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "D  E  S  O  L  E ...");
  EXPECT_EQ(shown[0].line1, "Ce niveau est le plus facile que je connaisse !");
  EXPECT_EQ(shown[0].line2, QString::fromUtf8("Je ne peux t'en présenter un plus simple."));
  EXPECT_EQ(W().Jeu().level, 0);
  EXPECT_EQ(W().Jeu().score, 0);
  EXPECT_EQ(W().Board().drawings, 2);
}

TEST_F(ShellTest, LevelCommandsMoveThroughTheTableAndNameTheLevel) {
  h->Command(cmd::Next);
  EXPECT_EQ(h->FirstField(), "Amateur ");
  h->Command(570);
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Bientôt pro "));
  h->Command(cmd::Same);
  EXPECT_EQ(W().Jeu().level, 2);
  h->Command(cmd::Previous);
  EXPECT_EQ(h->FirstField(), "Amateur ");
  h->Command(570);  // the current level chosen again restarts at it
  EXPECT_EQ(W().Jeu().level, 2);
  EXPECT_EQ(W().Board().drawings, 6);
  EXPECT_EQ(Titles(), "");
}

TEST_F(ShellTest, RefusedRestartKeepsTheGameButTheLevelIsAlreadyChanged) {
  h->Command(cmd::Start);
  W().Jeu().score = 4;
  const QImage before = h->Screen();
  h->Answer({AnswerNo});
  h->Command(cmd::Next);
  auto shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "A  T  T  E  N  T  I  O  N");
  EXPECT_EQ(shown[0].line1, kRestartQuestion);
  EXPECT_EQ(shown[0].picture, 4);
  EXPECT_EQ(shown[0].kind, MessageYesNo);
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(h->FirstField(), QString::fromUtf8("Débutant "));
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  EXPECT_EQ(W().Jeu().score, 4);
  EXPECT_EQ(W().Jeu().level, 1);
  // The new level takes effect at the next restart carried out.
  h->Answer({AnswerYes});
  h->Command(cmd::Same);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(h->FirstField(), "Amateur ");
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_NE(h->Screen(), before);
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(ShellTest, PhaseRulesForPressesReleasesAndMoves) {
  h->Command(cmd::Same);  // phase 0: no question
  EXPECT_EQ(Titles(), "");
  h->Command(cmd::Finish);
  W().Board().events.clear();
  for (int i = 0; i < 2; ++i) {
    h->Click(QPoint(200, 200));
    const auto shown = Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
    EXPECT_EQ(shown[0].line1, "Pour en refaire une, ");
    EXPECT_EQ(shown[0].line2, "clique dans la barre de boutons.");
    EXPECT_EQ(shown[0].picture, 3);
  }
  h->Click(QPoint(210, 210), Qt::RightButton);
  h->Move(QPoint(220, 230));
  QString seen;
  for (const Event& e : W().Board().events) seen += e.what;
  EXPECT_TRUE(seen.endsWith('M'));
  seen.remove('M');
  EXPECT_EQ(seen, "UURr");  // no left press got through
  h->Command(cmd::Same);  // a finished game restarts without a question
  EXPECT_EQ(Titles(), "");
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
}

TEST_F(ShellTest, QuitAsksByButtonMenuAndCloseBoxAndNoKeepsEverything) {
  h->Command(cmd::Start);
  const QImage before = h->Screen();
  h->Answer({AnswerNo, AnswerNo, AnswerNo});
  h->ButtonCommand(cmd::Quit);
  h->MenuCommand(cmd::QuitMenu);
  h->CloseFrame();
  const auto shown = Messages();
  ASSERT_EQ(shown.size(), 3u);
  for (const ShownMessage& m : shown) {
    EXPECT_EQ(m.title, "A  T  T  E  N  T  I  O  N");
    EXPECT_EQ(m.line1, "Veux-tu vraiment quitter ?");
    EXPECT_EQ(m.picture, 4);
    EXPECT_EQ(m.kind, MessageYesNo);
  }
  EXPECT_TRUE(h->FrameVisible());
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(h->Grab().copy(W().DrawingArea()), before);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  h->Answer({AnswerYes});
  h->CloseFrame();
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_FALSE(h->FrameVisible());
}

TEST_F(ShellTest, MousePointsAreClampedAndADragOutsideKeepsItsRelease) {
  const QRect area = W().DrawingArea();
  W().Board().events.clear();
  h->Press(QPoint(area.width() - 5, 40));
  h->Move(QPoint(area.width() + 300, area.height() + 200));  // beyond the area, still in the window
  h->Move(QPoint(area.width() + 900, -20));                   // outside the window
  h->Release(QPoint(-30, area.height() + 2000));
  std::vector<Event> e;
  for (const Event& event : W().Board().events)
    if (e.empty() || event.what != 'M' || event.at != e.back().at) e.push_back(event);
  while (!e.empty() && e.front().what == 'M') e.erase(e.begin());
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(e[0].what, 'D');
  EXPECT_EQ(e[0].at, QPoint(area.width() - 5, 40));
  EXPECT_EQ(e[1].at, QPoint(area.width(), area.height()));
  EXPECT_EQ(e[2].at, QPoint(area.width(), 0));
  EXPECT_EQ(e[3].what, 'M');
  EXPECT_EQ(e[4].what, 'U');
  EXPECT_EQ(e[4].at, QPoint(0, area.height()));
  EXPECT_EQ(W().ButtonPoints().previous, QPoint(area.width() - 5, 40));
}

TEST_F(ShellTest, DoubleClickShowsTheNoticeOnceAndItsSecondPressNeverReachesTheGame) {
  W().Board().events.clear();
  h->DoubleClick(QPoint(60, 70));
  const auto shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "A T T E N T I O N !");
  EXPECT_EQ(shown[0].line1, "Tu as fait un double clic");
  EXPECT_EQ(shown[0].line2, QString::fromUtf8("qui n'est pas traité dans ce programme !"));
  EXPECT_EQ(shown[0].picture, 1);
  QString seen;
  for (const Event& e : W().Board().events) seen += e.what;
  seen.remove('M');
  EXPECT_EQ(seen, "DUU");
}

TEST_F(ShellTest, KeyReleaseWithoutItsPressDoesNotReachTheGame) {
  h->KeyRelease(VK_RETURN);  // as after the Enter that closed a dialog
  EXPECT_TRUE(W().keysUp.empty());
  h->Key(VK_LEFT);
  h->KeyPress(VK_UP);
  h->KeyRelease(VK_UP);
  h->KeyRelease(VK_UP);
  EXPECT_EQ(W().keysUp, (std::vector<int>{VK_LEFT, VK_UP}));
}

// The arrows, as the board screen receives them, in the order they came.
std::vector<Direction> Arrows(const std::vector<Event>& events) {
  std::vector<Direction> arrows;
  for (const Event& e : events)
    if (e.what == 'A') arrows.push_back(e.arrow);
  return arrows;
}

TEST_F(ShellTest, EachArrowKeyReachesTheBoardScreenAsItsDirectionAndOtherKeysDoNot) {
  W().Board().events.clear();
  for (int key : std::initializer_list<int>{VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN, VK_SPACE, Qt::Key_A}) h->Key(key);
  EXPECT_EQ(Arrows(W().Board().events),
            (std::vector<Direction>{Direction::Left, Direction::Up, Direction::Right, Direction::Down}));
  EXPECT_EQ(Messages().size(), 0u);
}

TEST_F(ShellTest, AFinishedGameAnswersEachPressAndEachArrowWithItsNoticeOnceAndPassesNeither) {
  h->Command(cmd::Finish);
  W().Board().events.clear();
  h->Key(VK_RIGHT);
  h->Press(QPoint(150, 160));
  h->Key(VK_DOWN);
  const auto shown = Messages();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].title, "F I N I");  // the game's own wording for a key
  EXPECT_EQ(shown[1].title, "C E T T E   P A R T I E   E S T   T E R M I N E E !");
  EXPECT_EQ(shown[2].title, "F I N I");
  EXPECT_TRUE(Arrows(W().Board().events).empty());
  for (const Event& e : W().Board().events) EXPECT_NE(e.what, 'D');
  h->Release(QPoint(150, 160));  // a release still goes through
  ASSERT_FALSE(W().Board().events.empty());
  EXPECT_EQ(W().Board().events.back().what, 'U');
  EXPECT_EQ(W().Board().events.back().at, QPoint(150, 160));
}

TEST_F(ShellTest, APressAndAMoveReachTheBoardScreenWithTheirPointAndButtons) {
  W().Board().events.clear();
  h->Press(QPoint(321, 123), Qt::RightButton);
  h->Release(QPoint(321, 123), Qt::RightButton);
  h->Press(QPoint(17, 18));
  h->Move(QPoint(40, 50));
  h->Release(QPoint(41, 52));
  std::vector<Event> e;
  for (const Event& event : W().Board().events)
    if (event.what != 'M' || event.at == QPoint(40, 50)) e.push_back(event);
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(e[0].what, 'R');
  EXPECT_EQ(e[0].at, QPoint(321, 123));
  EXPECT_EQ(e[1].what, 'r');
  EXPECT_EQ(e[2].what, 'D');
  EXPECT_EQ(e[2].at, QPoint(17, 18));
  EXPECT_EQ(e[3].what, 'M');
  EXPECT_EQ(e[3].flags & MK_LBUTTON, unsigned(MK_LBUTTON));
  EXPECT_EQ(e[4].what, 'U');
  EXPECT_EQ(e[4].at, QPoint(41, 52));
}

TEST_F(ShellTest, RepaintShowsExactlyWhatWasDrawnIncludingMarksOnTheWindowAlone) {
  TClientDC dc(W());
  dc.SetROP2(R2_XORPEN);
  dc.SelectObject(TPen(TColor::LtRed));
  dc.MoveTo(300, 300);
  dc.LineTo(400, 350);
  const QImage shown = h->Screen();
  EXPECT_NE(shown, h->Copy());
  EXPECT_EQ(h->Grab().copy(W().DrawingArea()), shown);
  h->Frame().showMinimized();
  QApplication::processEvents();
  h->Frame().showMaximized();
  QApplication::processEvents();
  EXPECT_EQ(h->Grab().copy(W().DrawingArea()), shown);
  // Repainting from the off-screen copy takes the mark away.
  W().Invalidate();
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(ShellTest, SeparatorsFollowTheDrawingAreaHeight) {
  auto heights = [&] {
    std::vector<int> all;
    for (QWidget* s : h->Frame().ControlBar()->Separators()) all.push_back(s->height());
    return all;
  };
  const int small = (W().DrawingArea().height() - 9 * 32) / 14;
  EXPECT_EQ(heights(), std::vector<int>(9, small));
  Start({.screenWidth = 1920, .screenHeight = 1080});
  const int tall = (W().DrawingArea().height() - 9 * 32) / 14;
  EXPECT_GT(tall, small);
  EXPECT_EQ(heights(), std::vector<int>(9, tall));
}

TEST_F(ShellTest, StatusSettersFormatAndCutLongTexts) {
  W().SetSecondField(3, " erreur(s)");
  EXPECT_EQ(h->SecondField(), "3  erreur(s)   ");
  W().SetMessageField(4, 12);
  EXPECT_EQ(h->MessageField(), "4  12");
  W().SetFirstField("Niveau", 2);
  EXPECT_EQ(h->FirstField(), "Niveau 2   ");
  W().SetSecondField(-5);
  EXPECT_EQ(h->SecondField(), " -5   ");
  const std::string longText(300, 'x');
  W().SetMessageField(longText.c_str());
  EXPECT_EQ(h->MessageField(), QString(79, 'x'));
}

TEST_F(ShellTest, CommandsFromMenuItemsAndButtonsReachTheirHandlers) {
  h->MenuCommand(565);
  EXPECT_EQ(W().Jeu().level, 1);
  h->ButtonCommand(cmd::Next);
  EXPECT_EQ(W().Jeu().level, 2);
  h->MenuCommand(cmd::PreviousMenu);
  EXPECT_EQ(W().Jeu().level, 1);
  h->MenuCommand(cmd::HelpMenu);
  EXPECT_EQ(HelpViewer::ShownPage(), "Tavreno.HLP");
  h->Command(cmd::About);
  const auto boxes = h->TakeInformationBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].startsWith("J E U X   E D U C A T I F S   K. Z. U.\n"));
  EXPECT_EQ(W().Jeu().level, 1);
  // Quitting closes the help viewer.
  h->Answer({AnswerYes});
  h->Command(cmd::Quit);
  Messages();
  EXPECT_EQ(HelpViewer::ShownPage(), "");
}

TEST_F(ShellTest, ManyGameWindowsInOneProcess) {
  for (int i = 0; i < 3; ++i) {
    Start({.seed = static_cast<unsigned>(i + 2)});
    EXPECT_EQ(gApp, &h->App());
    h->Click(QPoint(10, 10));
  }
  h.reset();
  EXPECT_EQ(gApp, nullptr);
}

TEST_F(ShellTest, SteppedTimersTickOnlyWhenStepped) {
  struct Ticking : TWindow {
    int ticks = 0;
    void EvTimer(int) override { ++ticks; }
  } window;
  window.SetTimer(1, 1000);
  h->StepTimers(999);
  EXPECT_EQ(window.ticks, 0);
  h->StepTimers(2001);
  EXPECT_EQ(window.ticks, 3);
  window.KillTimer(1);
  h->StepTimers(5000);
  EXPECT_EQ(window.ticks, 3);
}

namespace {
class OneLevelTest : public ::testing::Test {
protected:
  void SetUp() override { h = GameHarness::Start<testgame::TOneLevelApp>(); }
  void TearDown() override { EXPECT_EQ(h->PendingMessages(), 0u); }
  TOneLevelWindow& W() { return static_cast<TOneLevelWindow&>(h->Window()); }
  std::unique_ptr<GameHarness> h;
};
}  // namespace

TEST_F(OneLevelTest, RestartSaysNotStartedAsksInProgressAndGoesOnWhenFinished) {
  h->Command(cmd::Same);
  auto shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "I N U T I L E   D E   T O U T   R E C O M M E N C E R");
  EXPECT_EQ(shown[0].line1, QString::fromUtf8("La partie n'est pas commencée !"));
  EXPECT_EQ(shown[0].picture, 2);
  EXPECT_EQ(W().Board().drawings, 1);

  h->Command(cmd::Start);
  h->Answer({AnswerNo});
  h->MenuCommand(cmd::SameMenu);
  shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].line1, kRestartQuestion);
  EXPECT_EQ(W().Jeu().phase, PhaseInProgress);
  EXPECT_EQ(W().Board().drawings, 1);
  h->Answer({AnswerYes});
  h->Command(cmd::Same);
  EXPECT_EQ(h->TakeMessages().size(), 1u);
  EXPECT_EQ(W().Jeu().phase, PhaseNotStarted);
  EXPECT_EQ(W().Board().drawings, 2);

  h->Command(cmd::Finish);
  h->Command(cmd::Same);
  EXPECT_TRUE(h->TakeMessages().empty());
  EXPECT_EQ(W().Board().drawings, 3);
}

TEST_F(OneLevelTest, DoubleClickIsDroppedWithoutNoticeAndQuitAsksItsOwnQuestion) {
  W().Board().events.clear();
  h->DoubleClick(QPoint(60, 70));
  QString seen;
  for (const Event& e : W().Board().events) seen += e.what;
  seen.remove('M');
  EXPECT_EQ(seen, "DUU");
  h->Answer({AnswerNo});
  h->CloseFrame();
  const auto shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].line1, "Faut-il vraiment quitter ?");
  EXPECT_TRUE(h->FrameVisible());
}
