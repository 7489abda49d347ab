// Where a ray of the view ends and which texel it shows, worked out by hand in
// view units (plan units times 2^s), and the rooms' extents and moves.
#include "PlayerYRay.h"
#include "TabpPiece.h"
#include "Textures.h"

#include <gtest/gtest.h>

using namespace dedalo;

namespace {
// Every picture's texel (u, v) has a colour that spells u and v.
QRgb Code(int u, int v) { return qRgb(u & 255, v & 255, ((u >> 8) << 1) | (v >> 8)); }

struct Texel {
  int u, v;
  bool operator==(const Texel&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Texel& t) { return out << "(" << t.u << ", " << t.v << ")"; }

class DedaloRay : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    for (size_t s = 0; s < kTextureFiles.size(); ++s) {
      const TextureFile& file = kTextureFiles[s];
      QImage image(file.width, file.height, QImage::Format_RGB32);
      for (int v = 0; v < file.height; ++v)
        for (int u = 0; u < file.width; ++u) image.setPixel(u, v, Code(u, v));
      textures().SetPicture(static_cast<Surface>(s), image);
    }
  }
  static Textures& textures() {
    static Textures t;
    return t;
  }
  void SetUp() override { Size(7); }
  void Size(int s) {
    view.SetExponent(s);
    rooms.Scale(s);
  }
  Piece& Room(int x, int y) {
    Piece& room = rooms.Add(x, y);
    room.Scale(view.Exponent());
    return room;
  }
  // The surface and texel of ray (i, j).
  std::pair<Surface, Texel> Ray(int i, int j) {
    const PlayerYRay::Hit hit = view.Trace(i, j, player, textures());
    const int b = qBlue(hit.colour);
    return {hit.surface, Texel{qRed(hit.colour) + ((b >> 1) & 1) * 256, qGreen(hit.colour) + (b & 1) * 256}};
  }
  PlayerYRay view;
  TabpPiece rooms;
  Player player;
};
}  // namespace

TEST_F(DedaloRay, FromTheStartEachSurfaceShowsItsTexel) {
  // The start: room (0, 0) spans 0 to 4096 each way, ceiling 2048 and floor -2048;
  // the eye is at (2048, 1024), facing north.
  player.room = &Room(0, 0);
  EXPECT_EQ(player.room->east, 4096);
  EXPECT_EQ(player.room->ceiling, 2048);
  EXPECT_EQ(player.room->floor, -2048);
  // Straight ahead: the north wall 3072 on, at x 2048: column (32 + 224), middle row 64.
  EXPECT_EQ(Ray(0, 0), std::make_pair(NorthWall, Texel{256, 64}));
  // Up by 64: 1536 up at the wall, 48 rows above the middle.
  EXPECT_EQ(Ray(64, 0), std::make_pair(NorthWall, Texel{256, 16}));
  // Down 64, right 32: the east wall is 8192 away along the ray, the north wall 3072;
  // the ray meets it 768 to the right and 1536 down.
  EXPECT_EQ(Ray(-64, 32), std::make_pair(NorthWall, Texel{268, 112}));
  // Right 127: 2048 across is 2048 * (16384 / 127) >> 7 = 2064 forward, at y 3088.
  EXPECT_EQ(Ray(0, 127), std::make_pair(EastWall, Texel{464, 64}));
  // Left 128: the west wall 2048 forward, at y 3072; 32 down makes 512 down.
  EXPECT_EQ(Ray(0, -128), std::make_pair(WestWall, Texel{48, 64}));
  EXPECT_EQ(Ray(-32, -128), std::make_pair(WestWall, Texel{48, 80}));
  // Up 127: the wall would be met 3048 up, above the ceiling; the ceiling is met
  // 2064 forward, at (2048, 3088).
  EXPECT_EQ(Ray(127, 0), std::make_pair(Ceiling, Texel{320, 96}));
  // Down 128: the floor 2048 forward, at (2048, 3072); 64 to the right moves it 1024 east.
  EXPECT_EQ(Ray(-128, 0), std::make_pair(Floor, Texel{320, 416}));
  EXPECT_EQ(Ray(-128, 64), std::make_pair(Floor, Texel{352, 416}));
  // Up and down 100: 2048 up or down at (2048 * (16384 / 100)) >> 7 = 2608 forward,
  // at y 3632, texel row 113 of the ceiling and 512 - 113 of the floor (odd rows).
  EXPECT_EQ(Ray(100, 0), std::make_pair(Ceiling, Texel{320, 113}));
  EXPECT_EQ(Ray(-100, 0), std::make_pair(Floor, Texel{320, 399}));
}

TEST_F(DedaloRay, SouthAndNegativeCoordinatesWrapTheirColumns) {
  player.room = &Room(0, 0);
  player.facing = South;
  // Facing south: the south wall 1024 ahead at x 2048, then 64 to the right (west) is 512 west.
  EXPECT_EQ(Ray(0, 0), std::make_pair(SouthWall, Texel{192, 64}));
  EXPECT_EQ(Ray(0, 64), std::make_pair(SouthWall, Texel{200, 64}));
  EXPECT_EQ(Ray(32, 0), std::make_pair(SouthWall, Texel{192, 56}));  // 256 up
  // In room (0, -1) at (16, -8): the west and east walls at y -1024 show columns
  // -16 mod 512 = 496 and 512 - 496 = 16.
  Piece& below = Room(0, -1);
  player.room = &below;
  player.py = -8;
  player.facing = West;
  EXPECT_EQ(Ray(0, 0), std::make_pair(WestWall, Texel{496, 64}));
  player.facing = East;
  EXPECT_EQ(Ray(0, 0), std::make_pair(EastWall, Texel{16, 64}));
  EXPECT_EQ(Ray(32, 0), std::make_pair(EastWall, Texel{16, 48}));  // 2048 ahead, 512 up
  // 64 to the right of east is 1024 south, at y -2048: column 512 - 480.
  EXPECT_EQ(Ray(0, 64), std::make_pair(EastWall, Texel{32, 64}));
  // Facing north from there the ray crosses into room (0, 0) and ends on its north wall.
  player.facing = North;
  EXPECT_EQ(Ray(0, 0), std::make_pair(NorthWall, Texel{256, 64}));
  // Down 128: the ray crosses into room (0, 0) 1024 down and meets its floor at y 1024, row 512 - 32.
  EXPECT_EQ(Ray(-128, 0), std::make_pair(Floor, Texel{320, 480}));
}

TEST_F(DedaloRay, RaysCrossIntoNeighbouringRoomsAndClampAtTheEdges) {
  player.room = &Room(0, 0);
  Room(0, 1);
  Room(-1, 0);
  Room(0, -1);
  // Up 48: 1152 up at the north edge, then the ceiling of room (0, 1), 896 higher,
  // (896 * (16384 / 48)) >> 7 = 2387 on, at y 6483; down 48, its floor.
  EXPECT_EQ(Ray(48, 0), std::make_pair(Ceiling, Texel{320, 202}));
  EXPECT_EQ(Ray(-48, 0), std::make_pair(Floor, Texel{320, 310}));
  // Left 128: through the west edge at y 3072 into room (-1, 0), then its north
  // wall 1024 on and 1024 further west, at x -1024.
  EXPECT_EQ(Ray(0, -128), std::make_pair(NorthWall, Texel{208, 64}));
  // Facing west from (16, -8): 32 to the right is 512 north, at y -512.
  player.room = rooms.At(0, -1);
  player.py = -8;
  player.facing = West;
  EXPECT_EQ(Ray(0, 32), std::make_pair(WestWall, Texel{504, 64}));
  // One past the last column or row is the last: the east wall at y 0, the floor at y 0.
  player.facing = East;
  player.py = 0;
  player.room = rooms.At(0, 0);
  EXPECT_EQ(Ray(0, 0), std::make_pair(EastWall, Texel{511, 64}));
  player.facing = North;
  player.py = -16;
  player.room = rooms.At(0, -1);
  EXPECT_EQ(Ray(-128, 0), std::make_pair(Floor, Texel{320, 511}));
}

TEST_F(DedaloRay, TheTexelsKeepTheirPlaceAtEverySize) {
  for (int s : {6, 8}) {
    rooms.Clear();
    player = Player{};
    player.room = &Room(0, 0);
    Size(s);
    const int N = 1 << s;
    EXPECT_EQ(player.room->north, 32LL << s);
    EXPECT_EQ(Ray(0, 0), std::make_pair(NorthWall, Texel{256, 64})) << s;
    EXPECT_EQ(Ray(N / 2, 0), std::make_pair(NorthWall, Texel{256, 16})) << s;
    EXPECT_EQ(Ray(-N, 0), std::make_pair(Floor, Texel{320, 416})) << s;
    EXPECT_EQ(Ray(0, -N), std::make_pair(WestWall, Texel{48, 64})) << s;
  }
}

TEST(DedaloPlan, RoomsScaleAndLinkOnAllFourSides) {
  TabpPiece rooms;
  Piece& origin = rooms.Add(0, 0);
  Piece& west = rooms.Add(-1, 0);
  Piece& north = rooms.Add(0, 1);
  Piece& east = rooms.Add(1, 0);
  Piece& south = rooms.Add(0, -1);
  Piece& corner = rooms.Add(-1, 1);  // beside west and north at once
  EXPECT_EQ(corner.number, 5);
  EXPECT_EQ(origin.link, (std::array<Piece*, 4>{&east, &north, &west, &south}));
  EXPECT_EQ(corner.link, (std::array<Piece*, 4>{&north, nullptr, nullptr, &west}));
  EXPECT_EQ(west.link, (std::array<Piece*, 4>{&origin, &corner, nullptr, nullptr}));
  EXPECT_EQ(north.link[West], &corner);
  EXPECT_EQ(south.link[North], &origin);
  EXPECT_EQ(east.link[West], &origin);
  EXPECT_TRUE(rooms.CanAdd(1, 1));    // beside north and east
  EXPECT_FALSE(rooms.CanAdd(2, 2));   // a corner of nothing
  EXPECT_FALSE(rooms.CanAdd(-2, -1)); // touches west only at a corner
  EXPECT_TRUE(rooms.CanAdd(-2, 1));
  rooms.Scale(7);
  EXPECT_EQ(corner.west, -4096);
  EXPECT_EQ(corner.east, 0);
  EXPECT_EQ(corner.south, 4096);
  EXPECT_EQ(corner.north, 8192);
  EXPECT_EQ(corner.ceiling, 2048);
  EXPECT_EQ(corner.floor, -2048);
  rooms.Scale(6);
  EXPECT_EQ(south.south, -2048);
  EXPECT_EQ(south.north, 0);
}

TEST(DedaloPlan, MovesGoTheCompassWayOfTheFacing) {
  // Rows: facing east, north, west, south; columns: forward, back, step right, step left.
  const int table[4][4] = {{East, West, South, North},
                           {North, South, East, West},
                           {West, East, North, South},
                           {South, North, West, East}};
  for (int facing = 0; facing < 4; ++facing)
    for (Move move : {Forward, Back, StepRight, StepLeft})
      EXPECT_EQ(MoveDirection(facing, move), table[facing][move]) << facing << " " << move;
}

TEST_F(DedaloRay, TheViewFillsItsSquareTwoPixelsInFromTheLeftAndTheBottom) {
  // At the small size, in a target 130 high: rows 0 to 127, columns 2 to 129.
  player.room = &Room(0, 0);
  Size(6);
  QImage target(140, 130, QImage::Format_RGB32);
  const QRgb paper = qRgb(1, 2, 3);
  target.fill(paper);
  view.Render(target, player, textures());
  auto colour = [&](int i, int j) { return 0xff000000u | view.Trace(i, j, player, textures()).colour; };
  EXPECT_EQ(target.pixel(2, 0), colour(63, -64));
  EXPECT_EQ(target.pixel(129, 127), colour(-64, 63));
  EXPECT_EQ(target.pixel(66, 63), colour(0, 0));
  EXPECT_EQ(view.Area(target.size()), QRect(2, 0, 128, 128));
  EXPECT_EQ(target.pixel(1, 0), paper);
  EXPECT_EQ(target.pixel(130, 0), paper);
  EXPECT_EQ(target.pixel(2, 128), paper);
  EXPECT_EQ(target.pixel(129, 129), paper);

  // In a target lower than the view its top row stays the first.
  QImage low(140, 100, QImage::Format_RGB32);
  low.fill(paper);
  view.Render(low, player, textures());
  EXPECT_EQ(low.pixel(2, 0), colour(63, -64));
  EXPECT_EQ(low.pixel(66, 63), colour(0, 0));
  EXPECT_EQ(low.pixel(129, 99), colour(-36, 63));
}

TEST_F(DedaloRay, DownALongCorridorTheNearlyLevelRowsMeetCeilingAndFloorInANarrowTarget) {
  // Forty rooms straight north at the small size: rows one above and below the
  // middle climb 1024 in 65536 forward, 32 rooms on, and meet the ceiling and
  // the floor there. The target is narrower than the view: its columns stop at
  // the target's edge, and nothing is written past it.
  Size(6);
  for (int y = 0; y < 40; ++y) Room(0, y);
  player.room = &rooms[0];
  player.facing = 1;
  ASSERT_EQ(Ray(1, 0).first, Ceiling);
  ASSERT_EQ(Ray(-1, 0).first, Floor);
  EXPECT_EQ(view.Trace(1, 0, player, textures()).z, rooms[0].ceiling);
  EXPECT_EQ(view.Trace(-1, 0, player, textures()).z, rooms[0].floor);
  QImage target(100, 140, QImage::Format_RGB32);
  const QRgb paper = qRgb(1, 2, 3);
  target.fill(paper);
  view.Render(target, player, textures());
  const int N = view.Half();
  for (int i = -N; i < N; ++i) {
    const int y = 137 - (i + N);  // the bottom row three up from the target's edge
    EXPECT_EQ(target.pixel(0, y), paper) << i;
    EXPECT_EQ(target.pixel(1, y), paper) << i;
    if (std::abs(i) > 2 && i != N - 1) continue;
    for (int j = -N; j < 98 - N; ++j)
      ASSERT_EQ(target.pixel(j + N + 2, y), 0xff000000u | view.Trace(i, j, player, textures()).colour)
          << "ray " << i << "," << j;
  }
}

TEST_F(DedaloRay, APlayerInNoRoomSeesTheFloorUnderTheEyeEverywhere) {
  // No room to walk through: every ray ends at once, on the floor's texel under
  // the eye, and the view is drawn whole without reading past its crossings.
  Size(6);
  player.room = nullptr;
  player.px = 40;
  player.py = 24;
  QImage target(140, 130, QImage::Format_RGB32);
  target.fill(Qt::white);
  view.Render(target, player, textures());
  const PlayerYRay::Hit eye = view.Trace(5, -7, player, textures());
  EXPECT_EQ(eye.surface, Floor);
  EXPECT_EQ(eye.x, 40 << 6);
  EXPECT_EQ(eye.y, 24 << 6);
  for (const QPoint at : {QPoint(2, 0), QPoint(66, 63), QPoint(129, 127), QPoint(100, 10)})
    EXPECT_EQ(target.pixel(at), 0xff000000u | eye.colour) << at.x() << "," << at.y();
}

TEST_F(DedaloRay, TheViewSharedAmongThreadsIsTheOneThreadViewAndEachRayTracedAlone) {
  // A maze of 500 rooms grown at random from the start room: corridors and halls.
  Piece& start = Room(0, 0);
  unsigned state = 99;
  while (rooms.Count() < 500) {
    state = state * 1103515245u + 12345u;
    const Piece& from = rooms[static_cast<int>((state >> 8) % rooms.Count())];
    static constexpr int kDelta[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    const int d = (state >> 20) % 4;
    if (rooms.CanAdd(from.x + kDelta[d][0], from.y + kDelta[d][1])) rooms.Add(from.x + kDelta[d][0], from.y + kDelta[d][1]);
  }
  for (const int s : {6, 7, 8}) {
    Size(s);
    for (int facing = 0; facing < 4; ++facing) {
      player.facing = facing;
      // From the start room at its middle, and from a room deep in the maze
      // off the middle of its cell.
      Piece& deep = rooms[300 + 37 * facing];
      player.room = facing % 2 == 0 ? &start : &deep;
      player.px = facing % 2 == 0 ? 16 : kCell * deep.x + 8;
      player.py = facing % 2 == 0 ? 8 : kCell * deep.y + 24;
      QImage one(600, 530, QImage::Format_RGB32), shared(600, 530, QImage::Format_RGB32);
      one.fill(Qt::white);
      shared.fill(Qt::white);
      view.SetThreads(1);
      view.Render(one, player, textures());
      for (const int threads : {2, 3, 7}) {
        view.SetThreads(threads);
        view.Render(shared, player, textures());
        ASSERT_EQ(shared, one) << "size " << s << ", facing " << facing << ", " << threads << " threads";
      }
      // And each ray as traced alone, its slopes found by plain divisions
      // (at the small size all, at the others every fifth row and column, the
      // middle ones and the edges included).
      const int N = view.Half();
      const QRect area = view.Area(one.size());
      for (int i = -N; i < N; ++i)
        for (int j = -N; j < N; ++j) {
          if (s > 6 &&
              ((i % 5 != 0 && i != -N && i != N - 1) || (j % 5 != 0 && j != -N && j != N - 1 && std::abs(j) != 1)))
            continue;
          const QPoint at(area.left() + j + N, area.bottom() - (i + N));
          ASSERT_EQ(one.pixel(at), 0xff000000u | view.Trace(i, j, player, textures()).colour)
              << "size " << s << ", facing " << facing << ", ray " << i << "," << j;
        }
    }
  }
}
