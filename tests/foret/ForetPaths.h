#pragma once
#include "Balade.h"
#include "Direction.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The shortest way of arrow keys from the child to the hut over path and
// letters cells, or nothing where the hut cannot be reached.
inline std::optional<std::vector<Direction>> WayHome(foret::Balade& balade) {
  using foret::Kind;
  foret::ToClic2D& board = balade.Board();
  foret::CaseForet* start = balade.Child();
  if (!start) return std::nullopt;
  std::map<foret::CaseForet*, std::pair<foret::CaseForet*, Direction>> from;
  std::deque<foret::CaseForet*> queue{start};
  from[start] = {nullptr, Direction::Up};
  while (!queue.empty()) {
    foret::CaseForet* cell = queue.front();
    queue.pop_front();
    if (cell->kind == Kind::Hut) {
      std::vector<Direction> way;
      for (foret::CaseForet* c = cell; from[c].first; c = from[c].first) way.insert(way.begin(), from[c].second);
      return way;
    }
    for (Direction d : {Direction::Up, Direction::Down, Direction::Right, Direction::Left}) {
      foret::CaseForet* next = board.Beside(*cell, d);
      if (!next || from.count(next)) continue;
      if (next->kind == Kind::Path || next->kind == Kind::Letters || next->kind == Kind::Hut) {
        from[next] = {cell, d};
        queue.push_back(next);
      }
    }
  }
  return std::nullopt;
}

// The board as text, in the letters ToClic2D::Load reads ('h' the child at home).
inline std::vector<std::string> BoardText(const foret::ToClic2D& board) {
  using foret::Kind;
  std::vector<std::string> rows;
  for (int r = 0; r < board.Rows(); ++r) {
    std::string row;
    for (int c = 0; c < board.Columns(); ++c) {
      switch (board.Cell(r, c).kind) {
        case Kind::Forest: row += 'T'; break;
        case Kind::Hut: row += 'H'; break;
        case Kind::Letters: row += 'L'; break;
        case Kind::Wolf: row += 'W'; break;
        case Kind::Child: row += 'P'; break;
        case Kind::ChildAtHome: row += 'h'; break;
        case Kind::Path: row += '.'; break;
        case Kind::Flower: row += 'F'; break;
      }
    }
    rows.push_back(row);
  }
  return rows;
}
