// The maze generator checked wall for wall against a plain reading of its rules:
// both builders take the same scripted random stream, and the reference does
// every guarded wall with a full flood fill, pass by pass.
#include "Generator.h"
#include "Grille.h"
#include "Random.h"

#include <gtest/gtest.h>
#include <deque>
#include <random>
#include <string>
#include <vector>

using namespace corrido;

namespace {

struct Reference {
  int rows, columns;
  std::vector<char> left, top;
  std::deque<int> stream;
  int current;
  std::vector<std::string> captions;
  std::vector<int> added;  // walls kept by each named step

  Reference(int r, int c, std::deque<int> s)
      : rows(r), columns(c), left(r * c, 0), top(r * c, 0), stream(std::move(s)), current(r * c - 1) {}

  bool in(int r, int c) const { return r >= 0 && r < rows && c >= 0 && c < columns; }
  bool L(int r, int c) const { return in(r, c) && left[r * columns + c]; }
  bool T(int r, int c) const { return in(r, c) && top[r * columns + c]; }
  void set(bool isLeft, int r, int c, bool on) {
    if (in(r, c)) (isLeft ? left : top)[r * columns + c] = on;
  }
  int rand() {
    const int v = stream.front();
    stream.pop_front();
    return v;
  }
  int randomRow() { return rand() % rows; }
  int randomColumn() { return rand() % columns; }

  int flood() {
    std::vector<int> label(rows * columns, 0);
    label[(rows / 2) * columns + columns / 2] = 1;
    int count = 0;
    for (int pass = 1, again = 1; again; ++pass) {
      again = 0;
      for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
          if (label[r * columns + c] != pass) continue;
          auto enter = [&](bool open, int nr, int nc) {
            if (open && label[nr * columns + nc] == 0) {
              label[nr * columns + nc] = pass + 1;
              ++count;
              again = 1;
            }
          };
          enter(r - 1 >= 0 && !T(r, c), r - 1, c);
          enter(r + 1 < rows && !T(r + 1, c), r + 1, c);
          enter(c + 1 < columns && !L(r, c + 1), r, c + 1);
          enter(c - 1 >= 0 && !L(r, c), r, c - 1);
        }
    }
    return count;
  }
  void guarded(bool isLeft, int r, int c, int tolerance) {
    set(isLeft, r, c, true);
    const int previous = current;
    current = flood();
    if (previous - current > tolerance) {
      set(isLeft, r, c, false);
      current = previous;
    } else {
      ++added.back();
    }
  }
  void plain(bool isLeft, int r, int c) {
    set(isLeft, r, c, true);
    ++added.back();
  }
  bool leftAllowed(int r, int c) const {
    return !L(r, c) && !(L(r, c + 1) && T(r, c) && T(r + 1, c)) && !(L(r, c - 1) && T(r, c - 1) && T(r + 1, c - 1));
  }
  bool topAllowed(int r, int c) const {
    return !T(r, c) && !(L(r - 1, c) && L(r - 1, c + 1) && T(r - 1, c)) && !(L(r, c) && L(r, c + 1) && T(r + 1, c));
  }
  void step(const std::string& name) {
    captions.push_back(name);
    added.push_back(0);
  }

  void build(int shapes) {
    step("Début");
    for (int round = 0; round < 200; ++round) {
      for (int i = 0; i < 48; ++i) {
        const int r = randomRow(), c = randomColumn();
        if (L(r, c) || L(r - 1, c) || T(r, c) || T(r, c - 1)) continue;
        plain(rand() % 2 == 1, r, c);
      }
      {
        const int r = randomRow(), c = randomColumn();
        if (L(r + 1, c) && L(r - 1, c)) guarded(true, r, c, 2);
      }
      for (int i = 0; i < 2; ++i) {
        const int r = randomRow(), c = randomColumn();
        if (T(r, c + 1) && T(r, c - 1)) guarded(false, r, c, 2);
      }
    }
    current = flood();
    step("Post base");
    const char* names[10] = {"Prolonge Vertical", "Prolonge Horizontal", "Lettre Z", "Anti Z", "Chiffre 4",
                             "Anti 4", "Vertical 369", "Horizontal 369", "Vertical 147", "Horizontal 147"};
    for (int shape = 0; shape < shapes; ++shape) {
      step(names[shape]);
      switch (shape) {
        case 0:
          for (int c = 0; c < columns; ++c)
            for (int r = 1; r <= rows - 2; ++r)
              if (L(r, c) && !L(r - 1, c) && !L(r + 1, c) && !T(r, c - 1) && !T(r, c) && !T(r + 1, c - 1) &&
                  !T(r + 1, c))
                plain(true, r - 1, c);
          break;
        case 1:
          for (int c = 1; c <= columns - 2; ++c)
            for (int r = 0; r < rows; ++r)
              if (T(r, c) && !T(r, c - 1) && !T(r, c + 1) && !L(r, c) && !L(r - 1, c) && !L(r, c + 1) &&
                  !L(r - 1, c + 1))
                plain(false, r, c - 1);
          break;
        case 2: case 3: case 4: case 5:
          for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r) {
              if (shape == 2 && T(r, c) && T(r + 1, c + 1) && !L(r, c + 1) && !T(r + 1, c) && !T(r, c + 1))
                guarded(true, r, c + 1, 2);
              if (shape == 3 && !T(r, c) && !T(r + 1, c + 1) && !L(r, c + 1) && T(r + 1, c) && T(r, c + 1))
                guarded(true, r, c + 1, 2);
              if (shape == 4 && L(r, c) && L(r + 1, c + 1) && !T(r + 1, c) && !L(r, c + 1) && !L(r + 1, c))
                guarded(false, r + 1, c, 2);
              if (shape == 5 && L(r, c + 1) && L(r + 1, c) && !L(r + 1, c + 1) && !L(r, c) && !T(r + 1, c))
                guarded(false, r + 1, c, 2);
            }
          break;
        default: {
          const bool isLeft = shape == 6 || shape == 8;
          const int firstColumn = shape == 6 ? 3 : shape == 7 ? 0 : 1;
          const int firstRow = shape == 6 ? 0 : shape == 7 ? 3 : 1;
          for (int c = firstColumn; c < columns; c += 3)
            for (int r = firstRow; r < rows; r += 3)
              if (isLeft ? leftAllowed(r, c) : topAllowed(r, c)) guarded(isLeft, r, c, 0);
        }
      }
    }
    step("LE LABYRINTHE EST CONSTRUIT");
  }
};

std::deque<int> Stream(unsigned seed) {
  std::mt19937 gen(seed);
  std::deque<int> values;
  for (int i = 0; i < 200 * (48 * 2 + 2 + 4) + 1000; ++i) values.push_back(static_cast<int>(gen() % 100000));
  return values;
}

std::string Mismatch(const Reference& ref, const Grille& g) {
  for (int r = 0; r < ref.rows; ++r)
    for (int c = 0; c < ref.columns; ++c)
      if (g.Cell(r, c).leftWall != ref.L(r, c) || g.Cell(r, c).topWall != ref.T(r, c))
        return "first difference at " + std::to_string(r) + "," + std::to_string(c);
  return {};
}

}  // namespace

TEST(MazeReference, EveryLevelBuildsTheReferenceMazeWallForWall) {
  // The shapes each level adds, cumulative, as the level table gives them.
  const int shapes[7] = {0, 2, 4, 6, 7, 8, 10};
  const int half[7] = {28, 22, 17, 13, 10, 8, 7};
  std::vector<int> everAdded(13, 0);
  for (int level = 0; level < 7; ++level) {
    EXPECT_EQ(ShapeCount(level), shapes[level]);
    for (unsigned seed : {1u, 2u}) {
      for (bool plainGuard : {false, true}) {
        const int s = 2 * half[level];
        // A board of 9 to 12 rows and 13 to 16 columns, by level and seed.
        const int rows = 9 + (level + seed) % 4, columns = 13 + (level * 3 + seed) % 4;
        Grille g;
        g.SetPlainGuard(plainGuard);
        g.Reset(columns * s + s / 2, (rows + 1) * s + s - 1, s, half[level]);
        ASSERT_EQ(g.Rows(), rows);
        ASSERT_EQ(g.Columns(), columns);
        Random::Script(Stream(seed * 10 + level));
        std::vector<std::string> captions;
        Generate(g, level, [&](const QString& text) { captions.push_back(text.toStdString()); });
        Random::Script({});

        Reference ref(rows, columns, Stream(seed * 10 + level));
        ref.build(shapes[level]);
        EXPECT_EQ(captions, ref.captions) << "level " << level;
        EXPECT_EQ(Mismatch(ref, g), "") << "level " << level << " seed " << seed << " plain " << plainGuard;
        EXPECT_EQ(g.FloodFillByPasses(), ref.flood()) << "level " << level;
        for (size_t i = 0; i < ref.added.size(); ++i) everAdded[i] += ref.added[i];
      }
    }
  }
  // Every step laid walls somewhere, so none of them went unchecked.
  for (int i = 0; i < 12; ++i) {
    if (i != 1) {
      EXPECT_GT(everAdded[i], 0) << "step " << i;
    }
  }
}
