#pragma once
#include <QPoint>
#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

namespace dedalo {

// Compass directions, counter-clockwise from east; also the player's facings.
enum Compass { East = 0, North = 1, West = 2, South = 3 };

constexpr int kCell = 32;        // plan units per cell
constexpr int kStep = 8;         // plan units per step
constexpr int kMaxRooms = 500;

// The cell that holds a plan coordinate: cells on the positive side own their
// lower edge, cells on the negative side their upper one.
int CellIndex(int c);

// One room of the maze, in cell (x, y); its extents in view units follow the
// view's scale. Rooms side by side are always linked both ways.
struct Piece {
  int x = 0, y = 0;
  int number = 0;
  std::array<Piece*, 4> link{};  // by compass direction
  // Extents in view units.
  long long west = 0, east = 0, south = 0, north = 0, ceiling = 0, floor = 0;
  void Scale(int exponent);
};

// The table of rooms in creation order, with a look-up by cell.
class TabpPiece {
public:
  void Clear();
  Piece* At(int x, int y) const;
  int Count() const { return static_cast<int>(rooms_.size()); }
  Piece& operator[](int i) const { return *rooms_[i]; }
  // Adds a room at (x, y) and links it with its neighbours.
  Piece& Add(int x, int y);
  // A room may be added where no room is, beside at least one room, while the table has room.
  bool CanAdd(int x, int y) const;
  void Scale(int exponent);

private:
  static long long Key(int x, int y) { return (static_cast<long long>(x) << 32) ^ static_cast<unsigned>(y); }
  std::vector<std::unique_ptr<Piece>> rooms_;
  std::unordered_map<long long, Piece*> byCell_;
};

// The player: where it stands in plan units, where it faces, the room it is in.
struct Player {
  int px = 16, py = 8;
  int facing = North;
  Piece* room = nullptr;
};

// The compass direction of a move relative to the facing.
enum Move { Forward, Back, StepRight, StepLeft };
int MoveDirection(int facing, Move move);

}  // namespace dedalo
