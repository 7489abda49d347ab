#pragma once
#include "TabpPiece.h"
#include "Textures.h"

#include <QImage>
#include <vector>

namespace dedalo {

// The 3-D view: one ray per pixel from the player's eye through the rooms,
// in integer arithmetic, coloured from the texture of the surface it ends on.
class PlayerYRay {
public:
  void SetExponent(int s);
  // Threads the view's rows are shared among; 0, the default, takes one per core.
  void SetThreads(int threads) { threads_ = threads; }
  int Exponent() const { return s_; }
  int Half() const { return n_; }  // the view is 2N pixels square

  // Draws the view into `target`, whose height is the working area's: the view
  // sits at the bottom left, two pixels in from the edges (in a target lower
  // than the view, from the top).
  void Render(QImage& target, const Player& player, const Textures& textures) const;
  // The pixels Render writes in a target of `size`.
  QRect Area(QSize size) const;

  // Where ray (i, j) ends: the surface and the texel's colour.
  struct Hit {
    Surface surface;
    long long x, y, z;
    QRgb colour;
  };
  Hit Trace(int i, int j, const Player& player, const Textures& textures) const;

private:
  // The six pictures as raw rows, read once per view rather than once per texel.
  struct Texels {
    const QRgb* bits[6];
    qsizetype stride[6];
    int width[6], height[6];
  };
  static Texels TexelsOf(const Textures& textures);
  // A ray's slopes: forward and up per unit across to the side walls, forward
  // and across per unit up to the ceiling or down to the floor.
  struct Slopes {
    long long sideForward, sideUp, vertForward, vertSide;
  };
  Slopes SlopesOf(int i, int j) const;
  Hit TraceWith(int i, int j, const Slopes& slopes, const Player& player, const Texels& texels) const;
  // One room a column's rays cross. Seen from above, every ray of a column
  // crosses the same rooms at the same places; the rays differ only in height.
  // So the crossing is found once per column, and each ray only follows it up
  // or down until it meets a floor, a ceiling or the wall at its end.
  struct Step {
    long long floor, ceiling;  // the room's
    long long rate;            // how far the rays rise or fall in it, per unit of slope
    int end;                   // the surface the rays that pass the last step meet: the wall they leave by
    bool side;                 // by the side wall rather than the far one (rate is across, else ahead)
    bool last;                 // the crossing ends here (no room beyond, or it ran out of steps)
  };
  // Where the rays enter a step's room, forward and across, and how far
  // forward and across to where they leave it: read only where a ray stops,
  // so kept apart from the steps every ray walks through.
  struct Entry {
    long long f, r, travel, dr;
  };
  // A column's steps and their entries, side by side.
  struct Walk {
    const Step* steps;
    const Entry* entries;
  };
  // What every row shares, found once per view: per column, its steps
  // (steps[first[c]] to steps[first[c + 1]]); and for each distance aj from
  // the middle, N / aj as quotient and remainder.
  struct Columns {
    std::vector<int> unitQ, unitR;
    std::vector<Step> steps;
    std::vector<Entry> entries;  // one per step
    std::vector<int> first;
    std::vector<Walk> walks;     // one per column, once every step is found
  };
  void FindSteps(int j, const Player& player, Columns& columns) const;
  // The slopes of ray (i, j) that its walk along the column's steps needs:
  // up per unit across to the side walls, forward and across per unit up to
  // the ceiling or down to the floor.
  struct RaySlopes {
    long long vertForward, sideUp, vertSide;
  };
  // S is the exponent when known at compile time (its shifts then cost less),
  // 0 when passed; Face the player's facing.
  template <int S, int Face>
  static QRgb TraceColumn(int i, const RaySlopes& slopes, Walk walk, int s, const Texels& texels);
  void RenderRows(QImage& target, int firstI, int endI, const Player& player, const Texels& texels,
                  const Columns& columns) const;
  template <int S>
  void RenderRowsFacing(QImage& target, int firstI, int endI, const Player& player, const Texels& texels,
                        const Columns& columns) const;
  template <int S, int Face>
  void RenderRowsFor(QImage& target, int firstI, int endI, const Texels& texels, const Columns& columns) const;

  int s_ = 7;
  int n_ = 128;
  int threads_ = 0;
};

}  // namespace dedalo
