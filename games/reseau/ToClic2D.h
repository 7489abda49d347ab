#pragma once
#include "Direction.h"

#include <QPoint>
#include <string>
#include <vector>

namespace reseau {

// What a unit segment of the lattice holds. Missing and extra are set by a
// comparison with the model.
enum Etat { Absent = 0, Trace = 1, Manquant = 2, EnTrop = 3 };

// Where a point falls on the lattice: on no node, between the parts of a node,
// on a dot, on a node's lower segment or on its right segment.
enum class Touche { Rien = 0, Entre = 1, Point = 2, Bas = 3, Droite = 4 };

// A node of the lattice: its place, and the two segments it starts, the one
// down to the node below and the one across to the node on its right.
struct CaseNoeud {
  bool hasLower = false, hasRight = false;
  int lower = Absent, right = Absent;
  int x = 0, y = 0, row = 0, column = 0;
};

// How a copy lies against the model: mirrored left to right, top to bottom,
// both (a half turn) or neither (a plain copy).
struct Miroir {
  bool columns = false;
  bool rows = false;
};

// A lattice of dots with the segments between neighbours: N columns and a
// number of rows the game chooses, laid in one rectangle of the board. Holds
// the keyboard's current node, and counts a copy's differences from a model.
class ToClic2D {
public:
  ToClic2D(int maxRows, int maxColumns);
  virtual ~ToClic2D() = default;

  // The first dot's place. The base class lies one cell in from the corner.
  virtual int OriginX() const { return cw_; }
  virtual int OriginY() const { return ch_; }
  // Both segments of every used node absent, the flags set, the current node
  // in the middle.
  virtual void Reset();

  // The lattice's shape: `columns` dots across, `rows` down, cells sized from
  // half of a `width` x `height` board.
  void SetSize(int columns, int rows, int width, int height);
  // Every used node at its place.
  void Place();

  // Finds the node under `p`; a dot or segment found becomes the current node.
  Touche HitTest(QPoint p);
  // An arrow key: steps the current node and toggles the segment walked along;
  // the node whose segment changed, or nullptr at the border.
  CaseNoeud* Step(Direction d);
  static void Toggle(int& state) { state = state == Absent ? Trace : Absent; }

  // Marks and counts every segment of this copy that differs from the model's
  // segment mirrored by `m`: missing where the model has one, extra where not.
  int CompareWith(const ToClic2D& model, Miroir m);

  // Draws a model given as "H0.1 V1.2 ...": H r.c is the right segment of the
  // node in row r, column c, V r.c its lower segment. False if one is not in
  // the lattice (those are left out).
  bool LoadModel(const char* segments);
  // Sets the segments from text, for tests: rows of dots 'o' with their right
  // segments between them, each followed by a row of lower segments under the
  // dots; ' ' absent, '-' or '|' drawn, 'm' missing, 'x' extra.
  void Load(const std::vector<std::string>& text);
  std::vector<std::string> Text() const;

  int Columns() const { return n_; }
  int RowCount() const { return rows_; }
  int CellWidth() const { return cw_; }
  int CellHeight() const { return ch_; }
  int HalfWidth() const { return halfWidth_; }
  int HalfHeight() const { return halfHeight_; }
  int RightEdge() const { return OriginX() + (n_ - 1) * cw_; }
  int BottomEdge() const { return OriginY() + (rows_ - 1) * ch_; }
  CaseNoeud& Node(int r, int c) { return nodes_[r * maxColumns_ + c]; }
  const CaseNoeud& Node(int r, int c) const { return nodes_[r * maxColumns_ + c]; }
  CaseNoeud& Current() { return Node(row, column); }

  int row = 0, column = 0;  // the current node
  Touche lastHit = Touche::Rien;

private:
  Touche HitNode(const CaseNoeud& node, int qx, int qy) const;

  int maxRows_, maxColumns_;
  std::vector<CaseNoeud> nodes_;
  int n_ = 2, rows_ = 1, cw_ = 1, ch_ = 1, halfWidth_ = 0, halfHeight_ = 0;
};

}  // namespace reseau
