#include "Generator.h"

#include "Random.h"

namespace corrido {
namespace {
using Wall = Grille::Wall;

void Scatter(Grille& g) {
  for (int round = 0; round < 200; ++round) {
    for (int i = 0; i < 48; ++i) {
      const int r = Random::Draw(g.Rows()), c = Random::Draw(g.Columns());
      if (g.L(r, c) || g.L(r - 1, c) || g.T(r, c) || g.T(r, c - 1)) continue;
      const Wall wall = Random::Next() % 2 == 1 ? Wall::Left : Wall::Top;
      wall == Wall::Left ? g.SetL(r, c, true) : g.SetT(r, c, true);
      g.Unguarded(wall, r, c);
    }
    {
      const int r = Random::Draw(g.Rows()), c = Random::Draw(g.Columns());
      if (g.L(r + 1, c) && g.L(r - 1, c)) g.Guarded(Wall::Left, r, c, 2);
    }
    for (int i = 0; i < 2; ++i) {
      const int r = Random::Draw(g.Rows()), c = Random::Draw(g.Columns());
      if (g.T(r, c + 1) && g.T(r, c - 1)) g.Guarded(Wall::Top, r, c, 2);
    }
  }
}

void ProlongVertical(Grille& g) {
  for (int c = 0; c < g.Columns(); ++c)
    for (int r = 1; r <= g.Rows() - 2; ++r)
      if (g.L(r, c) && !g.L(r - 1, c) && !g.L(r + 1, c) && !g.T(r, c - 1) && !g.T(r, c) && !g.T(r + 1, c - 1) &&
          !g.T(r + 1, c)) {
        g.SetL(r - 1, c, true);
        g.Unguarded(Wall::Left, r - 1, c);
      }
}

void ProlongHorizontal(Grille& g) {
  for (int c = 1; c <= g.Columns() - 2; ++c)
    for (int r = 0; r < g.Rows(); ++r)
      if (g.T(r, c) && !g.T(r, c - 1) && !g.T(r, c + 1) && !g.L(r, c) && !g.L(r - 1, c) && !g.L(r, c + 1) &&
          !g.L(r - 1, c + 1)) {
        g.SetT(r, c - 1, true);
        g.Unguarded(Wall::Top, r, c - 1);
      }
}

// The four small shapes, each scanned column by column.
void EveryCell(Grille& g, const std::function<void(int r, int c)>& visit) {
  for (int c = 0; c < g.Columns(); ++c)
    for (int r = 0; r < g.Rows(); ++r) visit(r, c);
}

void LetterZ(Grille& g) {
  EveryCell(g, [&](int r, int c) {
    if (g.T(r, c) && g.T(r + 1, c + 1) && !g.L(r, c + 1) && !g.T(r + 1, c) && !g.T(r, c + 1))
      g.Guarded(Wall::Left, r, c + 1, 2);
  });
}

void AntiZ(Grille& g) {
  EveryCell(g, [&](int r, int c) {
    if (!g.T(r, c) && !g.T(r + 1, c + 1) && !g.L(r, c + 1) && g.T(r + 1, c) && g.T(r, c + 1))
      g.Guarded(Wall::Left, r, c + 1, 2);
  });
}

void Figure4(Grille& g) {
  EveryCell(g, [&](int r, int c) {
    if (g.L(r, c) && g.L(r + 1, c + 1) && !g.T(r + 1, c) && !g.L(r, c + 1) && !g.L(r + 1, c))
      g.Guarded(Wall::Top, r + 1, c, 2);
  });
}

void Anti4(Grille& g) {
  EveryCell(g, [&](int r, int c) {
    if (g.L(r, c + 1) && g.L(r + 1, c) && !g.L(r + 1, c + 1) && !g.L(r, c) && !g.T(r + 1, c))
      g.Guarded(Wall::Top, r + 1, c, 2);
  });
}

// Walls on a lattice of every third cell, kept only if nothing is cut off.
void Lattice(Grille& g, Wall wall, int firstColumn, int firstRow) {
  for (int c = firstColumn; c < g.Columns(); c += 3)
    for (int r = firstRow; r < g.Rows(); r += 3) {
      const bool allowed = wall == Wall::Left ? g.LeftWallAllowed(r, c) : g.TopWallAllowed(r, c);
      if (allowed) g.Guarded(wall, r, c, 0);
    }
}

struct Shape {
  const char* name;
  std::function<void(Grille&)> build;
};

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes{
      {"Prolonge Vertical", ProlongVertical},
      {"Prolonge Horizontal", ProlongHorizontal},
      {"Lettre Z", LetterZ},
      {"Anti Z", AntiZ},
      {"Chiffre 4", Figure4},
      {"Anti 4", Anti4},
      {"Vertical 369", [](Grille& g) { Lattice(g, Wall::Left, 3, 0); }},
      {"Horizontal 369", [](Grille& g) { Lattice(g, Wall::Top, 0, 3); }},
      {"Vertical 147", [](Grille& g) { Lattice(g, Wall::Left, 1, 1); }},
      {"Horizontal 147", [](Grille& g) { Lattice(g, Wall::Top, 1, 1); }},
  };
  return shapes;
}
}  // namespace

int ShapeCount(int level) {
  static constexpr int kCounts[7] = {0, 2, 4, 6, 7, 8, 10};
  return kCounts[level < 0 ? 0 : level > 6 ? 6 : level];
}

void Generate(Grille& grille, int level, const std::function<void(const QString&)>& caption) {
  auto say = [&](const QString& text) {
    if (caption) caption(text);
  };
  say(QStringLiteral("Début"));
  Scatter(grille);
  grille.FloodFill();
  say(QStringLiteral("Post base"));
  for (int i = 0; i < ShapeCount(level); ++i) {
    say(QString::fromLatin1(Shapes()[i].name));
    Shapes()[i].build(grille);
  }
  say(QStringLiteral("LE LABYRINTHE EST CONSTRUIT"));
}

}  // namespace corrido
