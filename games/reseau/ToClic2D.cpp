#include "ToClic2D.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace reseau {

ToClic2D::ToClic2D(int maxRows, int maxColumns)
    : maxRows_(maxRows), maxColumns_(maxColumns), nodes_(static_cast<size_t>(maxRows * maxColumns)) {}

void ToClic2D::SetSize(int columns, int rows, int width, int height) {
  n_ = std::clamp(columns, 2, maxColumns_);
  rows_ = std::clamp(rows, 1, maxRows_);
  halfWidth_ = width / 2;
  halfHeight_ = height / 2;
  cw_ = halfWidth_ / n_;
  ch_ = halfHeight_ / (n_ - 1);
}

void ToClic2D::Reset() {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < n_; ++c) {
      CaseNoeud& node = Node(r, c);
      node.hasLower = r + 1 < rows_;
      node.hasRight = c + 1 < n_;
      node.lower = node.right = Absent;
      node.row = r;
      node.column = c;
    }
  row = rows_ / 2;
  column = n_ / 2;
}

void ToClic2D::Place() {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < n_; ++c) {
      Node(r, c).x = OriginX() + c * cw_;
      Node(r, c).y = OriginY() + r * ch_;
    }
}

Touche ToClic2D::HitNode(const CaseNoeud& node, int qx, int qy) const {
  const int x = node.x, y = node.y;
  if (qx < x || qx > x + cw_ || qy < y || qy > y + ch_) return Touche::Rien;
  const bool leftHalf = x < qx && qx < x + cw_ / 2, topHalf = y < qy && qy < y + ch_ / 2;
  if (leftHalf && topHalf) return Touche::Point;
  // A segment that does not exist is no target (lattices too small to keep
  // the quarter-cell shift inside them).
  if (leftHalf) return node.hasLower ? Touche::Bas : Touche::Entre;
  if (topHalf) return node.hasRight ? Touche::Droite : Touche::Entre;
  return Touche::Entre;
}

Touche ToClic2D::HitTest(QPoint p) {
  lastHit = Touche::Rien;
  const int px = p.x(), py = p.y();
  if (px + 5 < OriginX() || py + 5 < OriginY() || px - 5 > RightEdge() || py - 5 > BottomEdge()) return lastHit;
  // A quarter cell's shift puts the dot's own zone around the dot.
  const int qx = px + cw_ / 4, qy = py + ch_ / 4;
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < n_; ++c) {
      const Touche t = HitNode(Node(r, c), qx, qy);
      if (static_cast<int>(t) > 1) {
        row = r;
        column = c;
        lastHit = t;
        return t;
      }
    }
  return lastHit;
}

CaseNoeud* ToClic2D::Step(Direction d) {
  switch (d) {
    case Direction::Left:
      if (column - 1 < 0) return nullptr;
      --column;
      Toggle(Current().right);
      return &Current();
    case Direction::Up:
      if (row - 1 < 0) return nullptr;
      --row;
      Toggle(Current().lower);
      return &Current();
    case Direction::Right: {
      if (column + 1 >= n_) return nullptr;
      CaseNoeud& node = Current();
      Toggle(node.right);
      ++column;
      return &node;
    }
    case Direction::Down: {
      if (row + 1 >= rows_) return nullptr;
      CaseNoeud& node = Current();
      Toggle(node.lower);
      ++row;
      return &node;
    }
  }
  return nullptr;
}

int ToClic2D::CompareWith(const ToClic2D& model, Miroir m) {
  int errors = 0;
  const auto judge = [&errors](int wanted, int& state) {
    if (wanted == Trace && state != Trace) {
      state = Manquant;
      ++errors;
    } else if (wanted == Absent && state != Absent) {
      state = EnTrop;
      ++errors;
    }
  };
  // Lower segments run over rows 0 to rows - 2, right segments over columns 0 to N - 2.
  for (int r = 0; r + 1 < rows_; ++r)
    for (int c = 0; c < n_; ++c)
      judge(model.Node(m.rows ? rows_ - 2 - r : r, m.columns ? n_ - 1 - c : c).lower, Node(r, c).lower);
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c + 1 < n_; ++c)
      judge(model.Node(m.rows ? rows_ - 1 - r : r, m.columns ? n_ - 2 - c : c).right, Node(r, c).right);
  return errors;
}

bool ToClic2D::LoadModel(const char* segments) {
  bool all = true;
  std::istringstream in(segments);
  std::string word;
  while (in >> word) {
    char kind = 0;
    int r = -1, c = -1;
    if (std::sscanf(word.c_str(), "%c%d.%d", &kind, &r, &c) != 3 || r < 0 || c < 0 || r >= rows_ || c >= n_) {
      all = false;
      continue;
    }
    CaseNoeud& node = Node(r, c);
    if (kind == 'H' && node.hasRight) node.right = Trace;
    else if (kind == 'V' && node.hasLower) node.lower = Trace;
    else all = false;
  }
  return all;
}

namespace {
int StateOf(char ch) { return ch == 'm' ? Manquant : ch == 'x' ? EnTrop : ch == ' ' || ch == 'o' ? Absent : Trace; }
char RightChar(int s) { return s == Trace ? '-' : s == Manquant ? 'm' : s == EnTrop ? 'x' : ' '; }
char LowerChar(int s) { return s == Trace ? '|' : s == Manquant ? 'm' : s == EnTrop ? 'x' : ' '; }
}  // namespace

void ToClic2D::Load(const std::vector<std::string>& text) {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < n_; ++c) {
      const auto at = [&text](size_t line, size_t col) {
        return line < text.size() && col < text[line].size() ? text[line][col] : ' ';
      };
      CaseNoeud& node = Node(r, c);
      node.right = node.hasRight ? StateOf(at(2 * r, 2 * c + 1)) : Absent;
      node.lower = node.hasLower ? StateOf(at(2 * r + 1, 2 * c)) : Absent;
    }
}

std::vector<std::string> ToClic2D::Text() const {
  std::vector<std::string> text;
  for (int r = 0; r < rows_; ++r) {
    std::string dots, below;
    for (int c = 0; c < n_; ++c) {
      dots += 'o';
      below += LowerChar(Node(r, c).lower);
      if (c + 1 < n_) {
        dots += RightChar(Node(r, c).right);
        below += ' ';
      }
    }
    text.push_back(dots);
    if (r + 1 < rows_) text.push_back(below);
  }
  return text;
}

}  // namespace reseau
