// Whole games: played to a win and to a loss with the arrow keys, and played
// at random for a long time.
#include "Keys.h"
#include "OrugaFixture.h"
#include "RandomPlayer.h"

#include <deque>
#include <map>

using namespace oruga;

namespace {
// The keys that lead the head to the nearest tile for which `goal` holds,
// through grass and sweets only; empty when there is no way.
std::vector<int> PathTo(Grille& g, const std::function<bool(const oruga::Tuile&)>& goal) {
  const oruga::Tuile* head = g.TheHead().tile;
  std::map<const oruga::Tuile*, std::pair<const oruga::Tuile*, int>> from;
  std::deque<const oruga::Tuile*> open{head};
  from[head] = {nullptr, 0};
  static constexpr int kStep[4][3] = {{-1, 0, VK_UP}, {1, 0, VK_DOWN}, {0, 1, VK_RIGHT}, {0, -1, VK_LEFT}};
  while (!open.empty()) {
    const oruga::Tuile* at = open.front();
    open.pop_front();
    if (at != head && goal(*at)) {
      std::vector<int> keys;
      for (const oruga::Tuile* t = at; t != head; t = from[t].first) keys.insert(keys.begin(), from[t].second);
      return keys;
    }
    for (const auto& s : kStep) {
      const int r = at->row + s[0], c = at->column + s[1];
      if (r < 0 || r >= g.Rows() || c < 0 || c >= g.Columns()) continue;
      const oruga::Tuile* n = &g.Tile(r, c);
      if (from.count(n) || (n->kind != Grass && n->kind != Sweet && !goal(*n))) continue;
      from[n] = {at, s[2]};
      open.push_back(n);
    }
  }
  return {};
}
}  // namespace

TEST_F(OrugaTest, GamesArePlayedToAWinAtTheFirstAndLastLevels) {
  for (int level : {0, 5}) {
    h->Command(cmd::kLevelChoices[level]);
    bool won = false;
    for (int guard = 0; guard < 200 && !won; ++guard) {
      const auto keys = PathTo(G(), [](const oruga::Tuile& t) { return t.kind == Sweet; });
      ASSERT_FALSE(keys.empty()) << "no way to a sweet at level " << level;
      for (int key : keys) {
        h->Key(key);
        for (const ShownMessage& m : h->TakeMessages()) {
          ASSERT_EQ(m.title, "B  R  A  V  O  !");
          won = true;
        }
      }
      ExpectScreenMatchesBoard();
    }
    EXPECT_TRUE(won);
    EXPECT_EQ(W().Jeu().phase, PhaseFinished);
  }
}

TEST_F(OrugaTest, GamesArePlayedToALossAtTheFirstAndLastLevels) {
  for (int level : {0, 5}) {
    h->Command(cmd::kLevelChoices[level]);
    const auto keys = PathTo(G(), [](const oruga::Tuile& t) { return t.kind == Tree; });
    ASSERT_FALSE(keys.empty());
    for (int key : keys) h->Key(key);
    auto shown = h->TakeMessages();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().title, "B  O  U  M  !");
    EXPECT_EQ(W().Jeu().phase, PhaseFinished);
    ExpectScreenMatchesBoard();
  }
}

TEST_F(OrugaTest, RandomPlayAtEveryLevelNeitherCrashesNorHangs) {
  RandomPlayer player(*h, 12345);
  std::vector<int> commands{cmd::NextLevel, cmd::SameLevel, cmd::PreviousLevel, cmd::About, cmd::NextLevelMenu};
  commands.insert(commands.end(), std::begin(cmd::kLevelChoices), std::end(cmd::kLevelChoices));
  player.SetCommands(commands);
  player.SetKeys({VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_UP, VK_RIGHT, Qt::Key_Space});
  for (int level = 0; level < 6; ++level) {
    h->Command(cmd::kLevelChoices[level]);
    player.Play(600);
    h->TakeInformationBoxes();
    ASSERT_EQ(h->Screen(), h->Copy()) << "level " << level;
  }
  EXPECT_TRUE(h->FrameVisible());
}
