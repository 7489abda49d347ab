// Every game, every level, on screens from 640 x 480 to 3840 x 2160: from
// 1024 x 768 up nothing the game draws is cut by the edge of its drawing area and
// its child windows lie inside it (or the room it reserves beside it); below, nothing is laid from a negative origin
// and the grown-up is told once that the screen is small.
#include "DC.h"
#include "DecoratedFrame.h"
#include "GameConfig.h"
#include "GameWindow.h"
#include "RandomPlayer.h"
#include "ChildFrame.h"
#include "SoakGames.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {
struct Screen {
  int width, height;
};
constexpr Screen kScreens[] = {{640, 480}, {800, 600},   {1024, 768},  {1366, 768},
                               {1920, 1080}, {2560, 1440}, {3840, 2160}};

bool Small(const Screen& s) { return s.width < 1024 || s.height < 768; }

int SmallScreenNotices(GameHarness& h) {
  int n = 0;
  for (const ShownMessage& m : h.TakeMessages()) n += (m.line1 + m.line2).contains(QStringLiteral("plus petit"));
  return n;
}

class EveryScreen : public ::testing::TestWithParam<SoakGame> {
protected:
  void TearDown() override { TDC::SetOverflowHookForTesting(nullptr); }
};

TEST_P(EveryScreen, BoardAndWindowsStayInsideTheDrawingArea) {
  const SoakGame& game = GetParam();
  const std::vector<int> levels = game.config().levelCommands;
  const int count = levels.empty() ? 1 : static_cast<int>(levels.size());
  for (const Screen& screen : kScreens)
    for (int level = 0; level < count; ++level) {
      const QString where = QStringLiteral("%1 x %2, level %3").arg(screen.width).arg(screen.height).arg(level);
      QStringList cut;
      TDC::SetOverflowHookForTesting([&](const QImage& image, const QRect& r) {
        // Below the size the games are made for a board may run past the right
        // or bottom edge, never past the top or left one.
        if (Small(screen) && r.left() >= 0 && r.top() >= 0) return;
        if (r.contains(image.rect())) return;  // a clear of the whole picture
        if (cut.size() == 4) cut << QStringLiteral("...");
        if (cut.size() > 4) return;
        cut << QStringLiteral("(%1, %2, %3 x %4) in %5 x %6")
                   .arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height())
                   .arg(image.width()).arg(image.height());
      });
      auto h = game.start({.screenWidth = screen.width, .screenHeight = screen.height, .taskbarHeight = 30});
      const int notices = SmallScreenNotices(*h);
      if (!levels.empty()) h->Command(levels[static_cast<size_t>(level)]);
      EXPECT_EQ(notices, Small(screen) ? 1 : 0) << qPrintable(where);
      if (!Small(screen)) {
        // Nothing in the frame asks for more room than the screen gives it:
        // the status bar stays in sight above the task bar.
        EXPECT_LE(h->Frame().height(), screen.height - 30) << qPrintable(where);
        EXPECT_LE(h->Frame().width(), screen.width) << qPrintable(where);
      }
      // A little play, so that what is drawn only later (views, child windows,
      // ends of games) is checked too.
      RandomPlayer player(*h, 7);
      player.SetAims(game.aims);
      player.Play(300);
      EXPECT_EQ(SmallScreenNotices(*h), 0) << qPrintable(where);
      EXPECT_TRUE(cut.isEmpty()) << qPrintable(where) << ": " << qPrintable(cut.join(QStringLiteral(", ")));
      const QRect area = h->Window().DrawingArea();
      // Child windows may also take the room the game reserves beside the area.
      const QRect room = area.adjusted(0, 0, game.config().reserveRight, game.config().reserveBottom);
      EXPECT_GE(h->Window().width(), area.width()) << qPrintable(where);
      EXPECT_GE(h->Window().height(), area.height()) << qPrintable(where);
      for (const QWidget* child : h->Window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible()) continue;
        if (game.framesMove) {
          // Moved partly out by the child, a window keeps a grip of its caption in reach.
          const QRect caption(child->x(), child->y(), child->width(), TChildFrame::kBorder + TChildFrame::kCaption);
          const QRect reachable = caption.intersected(room);
          EXPECT_FALSE(reachable.isEmpty())
              << qPrintable(where) << ": a window at " << child->x() << "," << child->y();
          continue;
        }
        EXPECT_GE(child->width(), 0) << qPrintable(where);
        EXPECT_GE(child->x(), 0) << qPrintable(where);
        EXPECT_GE(child->y(), 0) << qPrintable(where);
        if (!Small(screen)) {
          EXPECT_TRUE(room.contains(child->geometry())) << qPrintable(where);
        }
      }
    }
}

INSTANTIATE_TEST_SUITE_P(Games, EveryScreen, ::testing::ValuesIn(SoakGames()),
                         [](const auto& info) { return info.param.name; });
}  // namespace
