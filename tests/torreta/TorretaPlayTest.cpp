// Whole games: won by dragging at every level, mouse mishaps, and long random play.
#include "RandomPlayer.h"
#include "TorretaFixture.h"

#include <map>
#include <queue>
#include <tuple>

using namespace torreta;

namespace {
// A move of the top disc of one playing column onto another.
struct Slide {
  int from, to;
};

// The playing columns, each from its bottom disc up, kinds as digits.
using Stacks = std::vector<std::string>;

size_t Prefix(const std::string& column, const std::string& goal) {
  size_t p = 0;
  while (p < column.size() && p < goal.size() && column[p] == goal[p]) ++p;
  return p;
}

// A way, searched nearest first, to a board where column t holds exactly the
// first `want` discs of the goal, the ones already in place left alone.
bool Stage(Stacks& s, const std::string& goal, int rows, int t, size_t want, std::vector<Slide>& way) {
  const auto cost = [&](const Stacks& x) {
    const size_t p = std::min(Prefix(x[static_cast<size_t>(t)], goal), want);
    const size_t junk = x[static_cast<size_t>(t)].size() - p;
    int depth = 0;  // of the nearest disc of the next kind wanted, elsewhere
    if (p < want) {
      depth = rows;
      for (size_t c = 0; c < x.size(); ++c)
        if (static_cast<int>(c) != t)
          if (const size_t at = x[c].rfind(goal[p]); at != std::string::npos)
            depth = std::min(depth, static_cast<int>(x[c].size() - 1 - at));
    }
    return static_cast<int>(10 * (junk + want - p)) + depth;
  };
  std::map<Stacks, std::pair<Stacks, Slide>> from{{s, {Stacks(), Slide{-1, -1}}}};
  using Entry = std::tuple<int, int, Stacks>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
  open.push({cost(s), 0, s});
  for (int n = 1; !open.empty() && from.size() < 60000;) {
    const Stacks x = std::get<2>(open.top());
    open.pop();
    if (cost(x) == 0) {
      std::vector<Slide> part;
      for (Stacks at = x; !from[at].first.empty(); at = from[at].first) part.insert(part.begin(), from[at].second);
      way.insert(way.end(), part.begin(), part.end());
      s = x;
      return true;
    }
    const size_t keep = std::min(Prefix(x[static_cast<size_t>(t)], goal), want - 1);
    for (size_t a = 0; a < x.size(); ++a) {
      if (x[a].empty() || (static_cast<int>(a) == t && x[a].size() <= keep)) continue;
      for (size_t b = 0; b < x.size(); ++b) {
        if (b == a || static_cast<int>(x[b].size()) >= rows) continue;
        Stacks next = x;
        next[b] += next[a].back();
        next[a].pop_back();
        if (from.emplace(next, std::make_pair(x, Slide{static_cast<int>(a), static_cast<int>(b)})).second)
          open.push({cost(next), n++, next});
      }
    }
  }
  return false;
}

// A way to the win: one column chosen, then the example's discs brought onto
// it one at a time from the bottom up. Empty if none was found.
std::vector<Slide> Solve(const ToSlip& board) {
  Stacks stacks(static_cast<size_t>(board.Example()));
  std::string goal;
  for (int r = board.Rows() - 1; r >= 0; --r) {
    for (int c = 0; c < board.Example(); ++c)
      if (!board.At(r, c).Empty()) stacks[static_cast<size_t>(c)] += char('0' + board.At(r, c).kind);
    if (!board.At(r, board.Example()).Empty()) goal += char('0' + board.At(r, board.Example()).kind);
  }
  for (int t = 0; t < board.Example(); ++t) {
    Stacks s = stacks;
    std::vector<Slide> way;
    bool found = true;
    for (size_t want = 1; want <= goal.size() && found; ++want) found = Stage(s, goal, board.Rows(), t, want, way);
    if (found) return way;
  }
  return {};
}
}  // namespace

TEST_F(TorretaTest, EveryLevelIsWonByDraggingTheDiscsWithTheMouse) {
  for (int level = 0; level < 5; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    // The search is greedy and misses the way on a few boards of the top levels
    // (the way there is long): a new board is asked for then, as the child may.
    std::vector<Slide> way = Solve(B());
    for (int board = 1; board < 5 && way.empty(); ++board) {
      h->Command(cmd::SameLevel);
      way = Solve(B());
    }
    ASSERT_FALSE(way.empty()) << "no way found at level " << level;
    // Another column may come to match the example on the way: the game is won there.
    for (size_t i = 0; i < way.size() && Jeu().phase != PhaseFinished; ++i) {
      ASSERT_EQ(h->PendingMessages(), 0u) << "level " << level << ", move " << i;
      int top = 0;
      while (B().At(top, way[i].from).Empty()) ++top;
      Drag(top, way[i].from, 0, way[i].to);
    }
    EXPECT_EQ(OnlyMessage().title, "B  R  A  V  O ,  C ' E S T   G A G N E !") << "level " << level;
    EXPECT_EQ(Jeu().phase, PhaseFinished);
    EXPECT_TRUE(B().Solved());
    EXPECT_EQ(Jeu().errors, 0);
    EXPECT_EQ(h->Screen(), h->Copy());
  }
}

TEST_F(TorretaTest, ADoubleClickOnADiscDragsOnceAtMostAndShowsTheNoticeOnce) {
  B().Load({"...|.", ".12|1", "345|5"}, W().DrawingArea().width(), W().DrawingArea().height());
  W().TheEcran()->DrawAll();
  h->DoubleClick(Centre(1, 1));
  const auto shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].title, "O  U  I ,  H  E  U  !   B E N   A L O R S  !");  // the first click's drop on its own slot
  EXPECT_EQ(shown[1].title, "A T T E N T I O N !");
  EXPECT_EQ(h->SecondField(), "1  erreur(s)   ");
  EXPECT_EQ(W().Mouse().mode, AtRest);
  EXPECT_EQ(h->Screen(), h->Copy());
}

TEST_F(TorretaTest, ADragWhoseReleaseNeverCameEndsAsOutsideEveryColumn) {
  Load({"...|.", ".12|1", "345|5"});
  const QImage before = h->Screen();
  // The next press arrives while the disc is still held.
  h->Press(Centre(1, 1));
  h->Move(QPoint(300, 40));
  h->Press(Centre(0, 0));
  EXPECT_EQ(W().Mouse().mode, AtRest);
  h->Release(Centre(0, 0));
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(h->Copy(), before);
  // A move comes without the button held.
  h->Press(Centre(1, 2));
  h->Move(QPoint(300, 40));
  W().TheEcran()->MouseMove(QPoint(310, 45), 0);
  EXPECT_EQ(W().Mouse().mode, AtRest);
  EXPECT_EQ(h->Screen(), before);
  h->Release(Centre(0, 0));
  EXPECT_EQ(h->Screen(), before);
  EXPECT_EQ(B().Text(), (std::vector<std::string>{"...|.", ".12|1", "345|5"}));
  EXPECT_EQ(h->SecondField(), "0 erreur(s)   ");
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(TorretaTest, RandomPlayWithDragsAtEveryLevelNeitherCrashesNorHangs) {
  RandomPlayer player(*h, 2024);
  std::vector<int> commands{cmd::NextLevel, cmd::SameLevel, cmd::PreviousLevel, cmd::About, cmd::NextLevelMenu};
  commands.insert(commands.end(), std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices));
  player.SetCommands(commands);
  for (int level = 0; level < 5; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    h->TakeMessages();
    // Half of the points on the columns, where the discs are.
    const CaseDisque& first = B().At(0, 0);
    player.SetAims({QRect(first.left, first.top, B().BandLeft() - first.left + 100, 30 * B().Rows())});
    const PlayReport report = player.Play(800);
    ASSERT_TRUE(report.ok) << report.failure;
    h->TakeInformationBoxes();
    ASSERT_EQ(h->Screen(), h->Copy()) << "level " << level;
  }
}
