// Both lattice games: hit zones at their edges on two screens, the models of
// every exercise, and long random play leaving the board as drawn afresh.
#include "Keys.h"
#include "LatticeFixture.h"
#include "RandomPlayer.h"

#include <random>
#include <set>

using namespace reseau;

namespace {
// Every lattice's border dots and segments are hit 5 pixels outside its edge, not 6.
void ExpectEdges(const ToClic2D& lattice) {
  ToClic2D& l = const_cast<ToClic2D&>(lattice);
  const int x0 = l.OriginX(), y0 = l.OriginY(), right = l.RightEdge(), bottom = l.BottomEdge();
  const int cw = l.CellWidth(), ch = l.CellHeight(), last = l.RowCount() - 1, end = l.Columns() - 1;
  struct Case { QPoint in, out; Touche touche; int row, column; };
  const Case cases[] = {
      {{x0 - 5, y0}, {x0 - 6, y0}, Touche::Point, 0, 0},
      {{x0 - 5, y0 + ch / 2}, {x0 - 6, y0 + ch / 2}, Touche::Bas, 0, 0},
      {{x0 + cw / 2, y0 - 5}, {x0 + cw / 2, y0 - 6}, Touche::Droite, 0, 0},
      {{right + 5, y0}, {right + 6, y0}, Touche::Point, 0, end},
      {{right + 5, y0 + ch / 2}, {right + 6, y0 + ch / 2}, Touche::Bas, 0, end},
      {{x0, bottom + 5}, {x0, bottom + 6}, Touche::Point, last, 0},
      {{x0 + cw / 2, bottom + 5}, {x0 + cw / 2, bottom + 6}, Touche::Droite, last, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(l.HitTest(c.in), c.touche) << c.in.x() << "," << c.in.y();
    EXPECT_EQ(l.row * 100 + l.column, c.row * 100 + c.column) << c.in.x() << "," << c.in.y();
    EXPECT_EQ(l.HitTest(c.out), Touche::Rien) << c.out.x() << "," << c.out.y();
  }
}

// "H0.1 V1.2 ..." as the set of segments drawn in `l`, in the same words.
std::set<std::string> Drawn(const ToClic2D& l) {
  std::set<std::string> drawn;
  for (int r = 0; r < l.RowCount(); ++r)
    for (int c = 0; c < l.Columns(); ++c) {
      const std::string at = std::to_string(r) + "." + std::to_string(c);
      if (l.Node(r, c).right == Trace) drawn.insert("H" + at);
      if (l.Node(r, c).lower == Trace) drawn.insert("V" + at);
    }
  return drawn;
}
std::set<std::string> Words(const char* s) {
  std::istringstream in(s);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Each exercise of each level, chosen by its command, puts exactly `models` in the model lattice.
template <class Fixture>
void ExpectModels(Fixture& t, const char* const (&models)[4][3]) {
  for (int level = 0; level < 4; ++level) {
    t.h->Command(cmd::kLevelChoices[level]);
    for (int k = 0; k < 3; ++k) {
      t.h->Command(cmd::kExercises[k].button);
      EXPECT_EQ(Drawn(t.W().Model()), Words(models[level][k])) << level << "." << k + 1;
    }
  }
}

// Random clicks on dots and segments of every lattice, arrow keys and
// comparisons; after each burst the board is checked against a fresh one.
template <class Fixture>
void PlayAndCheck(Fixture& t, unsigned seed) {
  std::mt19937 rng(seed);
  const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const int keys[4] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
  t.h->AnswerWith([](const ShownMessage&) { return AnswerYes; });
  for (int burst = 0; burst < 12; ++burst) {
    if (burst % 4 == 0) t.h->Command(cmd::kLevelChoices[pick(4)]);
    for (int e = 0; e < 25; ++e) {
      const size_t i = static_cast<size_t>(pick(static_cast<int>(t.W().CopyCount())));
      const ToClic2D& l = t.W().Copy(i);
      const int r = pick(l.RowCount()), c = pick(l.Columns());
      switch (pick(6)) {
        case 0: t.h->Click(Fixture::Dot(l, r, c)); break;
        case 1: if (r + 1 < l.RowCount()) t.h->Click(Fixture::Lower(l, r, c)); break;
        case 2: if (c + 1 < l.Columns()) t.h->Click(Fixture::Right(l, r, c)); break;
        case 3: if (pick(4) == 0) t.Compare(); break;
        default: t.h->Key(keys[pick(4)]); break;
      }
    }
    t.h->TakeMessages();
    ASSERT_NO_FATAL_FAILURE(t.ExpectFreshBoard()) << "seed " << seed << " burst " << burst;
  }
}
}  // namespace

template <class App>
class BothGames : public LatticeTest<App> {};
using Games = ::testing::Types<mirador::TMyAppCumMenuSuite, trazado::TMyAppCumMenuSuite>;
TYPED_TEST_SUITE(BothGames, Games);

TYPED_TEST(BothGames, EveryLatticeIsHitFivePixelsOutsideItsEdgesNotSix) {
  for (QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
    this->Start({.screenWidth = screen.width(), .screenHeight = screen.height()});
    for (int level : {0, 3}) {
      SCOPED_TRACE(testing::Message() << screen.width() << " level " << level);
      this->h->Command(cmd::kLevelChoices[level]);
      for (const ToClic2D* l : this->W().Lattices()) ExpectEdges(*l);
    }
  }
}

TYPED_TEST(BothGames, RandomDrawingLeavesBothSurfacesAsAFreshBoardWithOneRing) {
  ASSERT_NO_FATAL_FAILURE(PlayAndCheck(*this, 1));
  this->Start({.screenWidth = 1920, .screenHeight = 1080});
  ASSERT_NO_FATAL_FAILURE(PlayAndCheck(*this, 2));
}

TYPED_TEST(BothGames, RandomPlayerAtEveryLevel) {
  for (int level = 0; level < 4; ++level) {
    this->h->Answer({AnswerYes});
    this->h->Command(cmd::kLevelChoices[level]);
    RandomPlayer player(*this->h, 40 + level);
    player.SetKeys({VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN});
    player.SetCommands({cmd::Compare, cmd::kExercises[0].button, cmd::kExercises[2].menu});
    const PlayReport report = player.Play(1500);
    EXPECT_TRUE(report.ok) << report.failure;
  }
  this->h->TakeMessages();
}

TEST_F(MiradorTest, EveryExerciseLoadsExactlyItsModel) {
  const char* models[4][3] = {
      {"H0.0 H0.1 V0.2", "H0.0 V0.1 H1.1", "H0.0 V0.0 V0.2 H1.0 H1.1"},
      {"H0.2 V0.2 V0.3 V1.0 H1.1 V1.1 H2.0", "H0.0 V0.0 H0.2 V0.2 V0.3 H1.0 V1.0 H1.1 V1.2 V1.3 H2.0 H2.2",
       "H0.0 V0.0 V0.1 H1.0 H1.1 V1.2 H2.1 H2.2"},
      {"H0.1 V0.1 H0.2 V0.3 H1.0 V1.0 V1.2 H1.3 V1.4 H2.0 H2.1 V2.2 H2.3 V2.3 H3.2",
       "H0.1 V0.1 H0.2 V0.3 H1.1 V1.1 V1.2 V2.1 H3.0 H3.1",
       "H0.2 V0.2 V0.3 V0.4 H1.1 V1.1 V1.3 V1.4 H2.0 V2.0 V2.3 V2.4 H3.0 H3.1 H3.2 H3.3"},
      {"H0.0 V0.0 H0.1 H0.2 H0.3 H0.4 V0.5 V1.0 H1.1 V1.1 H1.2 H1.3 V1.4 V1.5 V2.0 V2.1 H2.2 V2.2 V2.3 V2.4 V2.5 "
       "V3.0 H3.1 V3.3 V3.4 V3.5 H4.0 H4.1 H4.2 H4.4",
       "H0.0 V0.0 H0.1 H0.2 V0.3 H0.4 V0.5 V1.0 H1.1 V1.1 H1.2 V1.5 V2.0 H2.1 H2.2 H2.3 V2.4 V2.5 V3.0 H3.2 V3.2 "
       "H3.3 V3.5 H4.0 H4.2 H4.3 H4.4",
       "H0.3 V0.3 H0.4 V0.5 H1.2 V1.2 H1.4 V1.4 H2.1 V2.1 H2.3 V2.3 H3.0 V3.0 H3.2 V3.2 H4.0 H4.1"}};
  ExpectModels(*this, models);
}

TEST_F(TrazadoTest, EveryExerciseLoadsExactlyItsModel) {
  const char* models[4][3] = {
      {"V0.0 H1.0", "V0.0 V0.1 H1.0", "H0.0 V0.0 H1.0"},
      {"H0.0 V0.0 H0.1 H1.0 V1.1 H2.0 V2.0 H2.1 V2.2 H3.0 H3.1", "H0.0 V0.0 V0.1 V1.0 V1.1 V2.0 H2.1 V2.2 H3.0 H3.1",
       "H0.0 V0.0 V0.1 H1.0 H1.1 V1.1 V1.2 H2.0 V2.0 H2.1 V2.1 H3.0"},
      {"H0.0 V0.0 H0.1 H0.2 V0.3 V1.0 H1.1 V1.1 H1.2 V2.0 H2.1 V2.2 V3.0 H3.1 V3.1 V4.0 V4.1 H5.0",
       "H0.1 V0.1 V0.2 H1.0 V1.0 H1.2 V1.3 H2.0 V2.1 H2.2 V2.2 H3.1 H4.0 V4.0 H4.1 H4.2 V4.3 H5.0 H5.1 H5.2",
       "H0.0 V0.0 H0.1 H0.2 V0.3 V1.0 H1.1 V1.1 V1.2 V1.3 V2.0 V2.1 V2.3 V3.0 H3.1 H3.2 V4.0 H4.1 H4.2 V4.3 H5.0 "
       "H5.1 H5.2"},
      {"H0.1 V0.1 H0.2 V0.3 H1.0 V1.1 H1.3 V1.3 H2.1 H2.2 V2.2 V2.4 H3.0 V3.0 H3.1 V3.1 H3.2 H3.3 V3.3 V4.1 V4.3 "
       "H5.1 V5.1 H5.2 V5.3 V6.1 V6.3 H7.0 H7.3",
       "H0.0 V0.0 H0.1 H0.2 H0.3 V0.4 V1.0 H1.1 V1.1 H1.2 V1.3 V1.4 V2.0 V2.1 V2.2 V2.3 V2.4 V3.0 V3.1 H3.2 V3.4 "
       "V4.0 H4.1 H4.2 H4.3 V5.0 H5.1 V5.1 H5.2 H5.3 V5.4 V6.0 H6.1 H6.2 V6.4 H7.0 H7.1 H7.2 H7.3",
       "V0.2 H1.1 H1.2 V1.2 H2.1 H2.2 V2.2 V2.4 V3.0 H3.1 V3.1 V3.2 V3.4 H4.0 H4.1 H4.3 V4.3 V4.4 H5.2 V5.2 V5.4 "
       "V6.0 H6.1 V6.1 V6.4 H7.0 H7.1 H7.2 H7.3"}};
  ExpectModels(*this, models);
}

// Every exercise of every level drawn by the child in each copy, once by
// clicking the segments and once by choosing a dot and walking from it with
// the arrow keys, is judged without error.
TYPED_TEST(BothGames, EveryExerciseCanBeDrawnRightWithTheMouseAndWithTheKeys) {
  auto& t = *this;
  t.h->AnswerWith([](const ShownMessage&) { return AnswerYes; });
  for (int level = 0; level < 4; ++level)
    for (int k = 0; k < 3; ++k)
      for (bool keys : {false, true}) {
        SCOPED_TRACE(testing::Message() << "level " << level << " exercise " << k + 1 << (keys ? " keys" : " mouse"));
        t.h->Command(cmd::kLevelChoices[level]);
        t.h->Command(cmd::kExercises[k].button);
        for (size_t i = 0; i < t.W().CopyCount(); ++i) {
          const ToClic2D& copy = t.W().Copy(i);
          const Miroir m = t.W().Game().copies[i].miroir;
          const Text wanted = Flipped(t.W().Model().Text(), m.columns, m.rows);
          for (int r = 0; r < copy.RowCount(); ++r)
            for (int c = 0; c < copy.Columns(); ++c) {
              if (c + 1 < copy.Columns() && wanted[2 * r][2 * c + 1] == '-') {
                if (keys) t.h->Click(t.Dot(copy, r, c)), t.h->Key(VK_RIGHT);
                else t.h->Click(t.Right(copy, r, c));
              }
              if (r + 1 < copy.RowCount() && wanted[2 * r + 1][2 * c] == '|') {
                if (keys) t.h->Click(t.Dot(copy, r, c)), t.h->Key(VK_DOWN);
                else t.h->Click(t.Lower(copy, r, c));
              }
            }
        }
        t.h->TakeMessages();
        t.Compare();
        const auto shown = t.h->TakeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].line1, QString::fromUtf8("Il n'y a pas d'erreur."));
      }
}
