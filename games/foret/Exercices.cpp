#include "Exercices.h"

#include <algorithm>

namespace foret {
namespace {
using Rows = std::vector<std::string>;

// Paths along every fourth row and column, a hut inside a block of trees.
Rows Lattice() {
  Rows rows(13, std::string(18, 'T'));
  for (int r = 0; r < 13; ++r)
    for (int c = 0; c < 18; ++c)
      if (r % 4 == 0 || c % 4 == 0) rows[r][c] = '.';
  rows[0][0] = 'W';
  rows[1][0] = 'P';
  rows[11][15] = 'H';
  return rows;
}

const Rows kExercises[4][3] = {
    {{"TTTTTTTTT", "TWP.L..HT", "TTTTTTTTT", "TTTTTTTTT", "TTTTTTTTT", "TTTTTTTTT"},
     {"TTTTTTWTT", "TTTTTTPTT", "TTTTTT.TT", "TTTTTTLTT", "TTTTTT.TT", "TTTTTTHTT"},
     {"TTTTTTTTT", "TWP..L.TT", "TTTTTT.TT", "TTTTTTLTT", "TTTTTT.TT", "TTTTTTHTT"}},
    {{"H..L....L...", "TTTTTTTTTTT.", "TTTTTTTTTTT.", "TTTTTTTTTTT.", "TTTTTTTTTTTL", "TTTTTTTTTTT.",
      "TTTTTTTTTTT.", "TWP...L.....", "TTTTTTTTTTTT"},
     {"TTTTTT.L.L.H", "TTTTTT.TTTTT", "TTTTTTLTTTTT", "TTTTTT.TTTTT", "T...L..TTTTT", "T.TTTTTTTTTT",
      "TPTTTTTTTTTT", "TWTTTTTTTTTT", "TTTTTTTTTTTT"},
     {"...L...L....", ".TTTTTTTTTTL", ".TTTTTTTTTT.", ".TTTTTTTTTT.", "LTTTTTTTTTT.", ".TTTTTTTTTTL",
      "...L..L.PWT.", "TTTTTTTTTTT.", "TH...L...L.."}},
    {{"WTTTTTTTTTTTTTT", "P..TTTTTTTTTTTT", "TT.TTTTTTTTTTTT", "TT.TTTTTTTTTTTT", "TT..L..TTTTTTTT",
      "TTTTTT.TTTTTTTT", "TTTTTT.TTTTTTTT", "TTTTTT.TTTTTTTT", "TTTTTTLTTTTTTTT", "TTTTTT.....L.HT",
      "TTTTTTTTTTTTTTT"},
     {"TTTTTTTTTTTTTTT", "TTTTTTTTTTTTTTT", "TTTTTTTTTTTTTTT", "TTTTTTTTTTTTTTT", "WP.T...TL..T.L.",
      ".T.T.T.TLT.T.T.", ".T..LT...T.L.TH", "TTTTTTTTTTTTTTT", "TTTTTTTTTTTTTTT", "TTTTTTTTTTTTTTT",
      "TTTTTTTTTTTTTTT"},
     {"...L....L..TTTT", ".TTTTTTTTT.TTTT", ".T..L....T.TTTT", "LT.TTTTT.TLTTTT", ".T.TP..TLT.TTTT",
      ".T.TWT.T.T.TTTT", ".T.TTTLT.T.TTTT", ".TL....T.TLTTTT", ".TTTTTTT.T.TTTT", "..L.....LTHTTTT",
      "TTTTTTTTTTTTTTT"}},
    {{"WTL..T..LT.L.TTTTT", "PT.T.T.T.T.T.TTTTT", "...T.T.T.T.T.TTTTT", "TTTT.T.T.T.T.TTTTT",
      "..L..TLT.T.T.TTTTT", ".TTTTT.T.T.T.TTTTT", "L......T.T.TLTTTTT", "TTTTTTTT.T.T.TTTTT",
      "......L..TLT.TTTTT", ".TTTTTTTTT.T.TTTTT", ".L.........T.TTTTT", "TTTTTTTTTTTT.TTTTT",
      "TTTTTTTTTTTTHTTTTT"},
     {},
     {"WTHT.L.......L....", "PT.T.TTTTTTTTTTTT.", ".TLT.T.....L....T.", ".T.T.T.TTTTTTTTLTL",
      "LT.T.T.TT....LT.T.", ".T.T.TLTT.LTT.T.T.", ".T.TLT.....TT.T.T.", ".T.T.TTTTTTTTLT.T.",
      ".T.T....L.....T.T.", "LT.TTTTTTTTTTTT.T.", ".TL..........L..TL", ".TTTTTTTTTTTTTTTT.",
      "...L....L........."}},
};
}  // namespace

std::vector<std::string> ExerciseRows(int level, int exercise) {
  level = std::clamp(level, 0, 3);
  exercise = std::clamp(exercise, 1, 3);
  if (level == 3 && exercise == 2) return Lattice();
  return kExercises[level][exercise - 1];
}

}  // namespace foret
