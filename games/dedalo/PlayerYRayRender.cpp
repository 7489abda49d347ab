// The view as the game draws it: the rooms each column crosses found once,
// then the rows shared out among threads, each pixel following its column's
// crossing up or down.
#include "PlayerYRay.h"
#include "RayGeometry.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace dedalo {
using namespace ray;

namespace {

// The view's rows as the threads share them out: runs of rows, each taken by
// one thread, and how many are done.
constexpr int kRunRows = 16;
struct Shares {
  explicit Shares(int count) : runs(count), taken(new std::atomic<bool>[size_t(count)]()) {}
  const int runs;
  std::unique_ptr<std::atomic<bool>[]> taken;
  std::atomic<int> done{0};
};
}  // namespace

void PlayerYRay::FindSteps(int j, const Player& player, Columns& columns) const {
  // TraceWith's walk with the height left out.
  const int s = s_, N = n_, face = player.facing;
  const int fx = kForward[face][0], fy = kForward[face][1];
  const int rx = kRight[face][0], ry = kRight[face][1];
  const int side = j > 0 ? 1 : -1;
  const int sideCompass = j > 0 ? (face + 3) % 4 : (face + 1) % 4;
  const long long sideForward = j != 0 ? (N * N) / std::abs(j) : 0;
  columns.first.push_back(static_cast<int>(columns.steps.size()));
  const long long ex = static_cast<long long>(player.px) << s, ey = static_cast<long long>(player.py) << s;
  long long f = ex * fx + ey * fy, r = ex * rx + ey * ry;
  const Piece* room = player.room;
  if (!room) {
    // No room to walk: every ray ends at the eye, on the floor.
    columns.steps.push_back({LLONG_MIN, LLONG_MAX, 0, Floor, false, true});
    columns.entries.push_back({f, r, 0, 0});
    return;
  }
  for (int guard = 0; room && guard < 4 * kMaxRooms; ++guard) {
    Step step{room->floor, room->ceiling, Far(*room, fx, fy) - f, face, false, false};
    Entry entry{f, r, step.rate, (step.rate * j) >> s};
    if (j != 0) {
      const long long across = side > 0 ? Far(*room, rx, ry) - r : r + Far(*room, -rx, -ry);
      const long long toSide = (across * sideForward) >> s;
      if (toSide <= step.rate) {
        entry.travel = toSide;
        entry.dr = side * across;
        step.rate = across;
        step.end = sideCompass;
        step.side = true;
      }
    }
    f += entry.travel;
    r += entry.dr;
    room = room->link[step.end];
    step.last = room == nullptr;
    columns.steps.push_back(step);
    columns.entries.push_back(entry);
  }
  if (room) {
    // The crossing ran out of steps: the rays that get past the last one end
    // where it leaves them, on the floor.
    columns.steps.back().last = true;
    columns.steps.back().end = Floor;
  }
}

// Inlined in the row loop: a call per pixel cost a tenth of the view, and
// inlined, the texel reads of neighbouring pixels overlap.
template <int S, int Face>
[[gnu::always_inline]] inline QRgb PlayerYRay::TraceColumn(int i, const RaySlopes& slopes, Walk walk, int s,
                                                           const Texels& texels) {
  if constexpr (S != 0) s = S;
  constexpr int fx = kForward[Face][0], fy = kForward[Face][1], rx = kRight[Face][0], ry = kRight[Face][1];
  const Step* step = walk.steps;
  long long z = 0;
  for (;; ++step) {
    const long long zc = z + ((step->rate * (step->side ? slopes.sideUp : i)) >> s);
    if (!(zc < step->ceiling && zc > step->floor)) break;
    z = zc;
    if (step->last) {
      const Entry& at = walk.entries[step - walk.steps];
      const long long f = at.f + at.travel, r = at.r + at.dr;
      return Sample(texels, static_cast<Surface>(step->end), f * fx + r * rx, f * fy + r * ry, z, s);
    }
  }
  // The ray meets the ceiling or the floor before any wall.
  const Entry& at = walk.entries[step - walk.steps];
  const long long rise = i > 0 ? step->ceiling - z : z - step->floor;
  const long long f = at.f + ((rise * slopes.vertForward) >> s), r = at.r + ((rise * slopes.vertSide) >> s);
  const long long X = f * fx + r * rx, Y = f * fy + r * ry;
  return i > 0 ? Sample(texels, Ceiling, X, Y, step->ceiling, s) : Sample(texels, Floor, X, Y, step->floor, s);
}

void PlayerYRay::RenderRows(QImage& target, int firstI, int endI, const Player& player, const Texels& texels,
                            const Columns& columns) const {
  // The three sizes the game offers, each with its exponent built in.
  switch (s_) {
    case 6: return RenderRowsFacing<6>(target, firstI, endI, player, texels, columns);
    case 7: return RenderRowsFacing<7>(target, firstI, endI, player, texels, columns);
    case 8: return RenderRowsFacing<8>(target, firstI, endI, player, texels, columns);
    default: return RenderRowsFacing<0>(target, firstI, endI, player, texels, columns);
  }
}

template <int S>
void PlayerYRay::RenderRowsFacing(QImage& target, int firstI, int endI, const Player& player, const Texels& texels,
                                  const Columns& columns) const {
  // Each facing with its forward and right vectors built in.
  switch (player.facing & 3) {
    case 0: return RenderRowsFor<S, 0>(target, firstI, endI, texels, columns);
    case 1: return RenderRowsFor<S, 1>(target, firstI, endI, texels, columns);
    case 2: return RenderRowsFor<S, 2>(target, firstI, endI, texels, columns);
    default: return RenderRowsFor<S, 3>(target, firstI, endI, texels, columns);
  }
}

template <int S, int Face>
void PlayerYRay::RenderRowsFor(QImage& target, int firstI, int endI, const Texels& texels,
                               const Columns& columns) const {
  // The bottom row, two pixels up; in a target too low for the view its top row
  // is the target's first, and the floor runs past the bottom.
  const int s = S ? S : s_, N = S ? (1 << S) : n_, H = target.height(), W = target.width();
  const int bottom = std::max(H - 3, 2 * N - 1);
  QRgb* bits = reinterpret_cast<QRgb*>(target.bits());
  const qsizetype stride = target.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  // The columns j from -N to jEnd - 1 fall inside the target.
  const int jEnd = std::min(N, W - N - 2);
  // The slopes as SlopesOf finds them, without a division per pixel: for a
  // column aj from the middle, the side slope |i| N / aj goes from row to row
  // by adding N / aj and carrying the remainder; along a row, the floor's and
  // ceiling's side slope aj N / |i| goes from column to column by adding N / |i|.
  // Up slopes and their remainders as ints (at most N * N), so that the
  // row-to-row steps below run several columns at once; below the middle
  // row, the up slopes are taken negative once per row.
  std::vector<int> up(N + 1, 0), upLeft(N + 1, 0), down(N + 1, 0);
  std::vector<long long> vert(N + 1, 0);
  const int* const unitQ = columns.unitQ.data();
  const int* const unitR = columns.unitR.data();
  // Copied here rather than read through the caller's pictures and columns:
  // the compiler must assume that each pixel written may have changed those,
  // and reads them again.
  const Texels pictures = texels;
  const Walk* const walks = columns.walks.data() + N;  // by j
  int previous = -1;  // the last row's |i|
  for (int i = firstI; i < endI; ++i) {
    const int ai = std::abs(i);
    int* const q = up.data();
    int* const left = upLeft.data();
    if (previous < 0) {
      for (int aj = 1; aj <= N; ++aj) {
        q[aj] = ai * N / aj;
        left[aj] = ai * N % aj;
      }
    } else if (ai > previous) {
      for (int aj = 1; aj <= N; ++aj) {
        const int r = left[aj] + unitR[aj], carry = r >= aj;
        q[aj] += unitQ[aj] + carry;
        left[aj] = r - (carry ? aj : 0);
      }
    } else {
      for (int aj = 1; aj <= N; ++aj) {
        const int r = left[aj] - unitR[aj], borrow = r < 0;
        q[aj] -= unitQ[aj] + borrow;
        left[aj] = r + (borrow ? aj : 0);
      }
    }
    previous = ai;
    const int row = bottom - (i + N);
    if (row < 0 || row >= H) continue;
    QRgb* const line = bits + row * stride + N + 2;  // by j
    if (ai == 0) {
      std::fill(vert.begin(), vert.end(), 0);  // level rays: no slope across to the floor or ceiling
    } else {
      const long long unit = N / ai, unitLeft = N % ai;
      long long q = 0, left = 0;
      for (int aj = 0; aj <= N; ++aj) {
        vert[aj] = q;
        q += unit;
        left += unitLeft;
        if (left >= ai) left -= ai, ++q;
      }
    }
    const int* sideUp = q;
    if (i < 0) {
      for (int aj = 0; aj <= N; ++aj) down[aj] = -q[aj];
      sideUp = down.data();
    }
    RaySlopes slopes{i != 0 ? static_cast<long long>(N) * N / ai : 0, 0, 0};
    // Left of the middle, the floor and ceiling slopes across are negative.
    for (int j = -N; j < std::min(0, jEnd); ++j) {
      slopes.sideUp = sideUp[-j];
      slopes.vertSide = -vert[-j];
      line[j] = 0xff000000u | TraceColumn<S, Face>(i, slopes, walks[j], s, pictures);
    }
    for (int j = 0; j < jEnd; ++j) {
      slopes.sideUp = sideUp[j];
      slopes.vertSide = vert[j];
      line[j] = 0xff000000u | TraceColumn<S, Face>(i, slopes, walks[j], s, pictures);
    }
  }
}

void PlayerYRay::Render(QImage& target, const Player& player, const Textures& textures) const {
  const Texels texels = TexelsOf(textures);
  (void)target.bits();  // the target made its own before the threads share it
  const int N = n_;
  Columns columns;
  columns.unitQ.resize(N + 1);
  columns.unitR.resize(N + 1);
  for (int aj = 1; aj <= N; ++aj) {
    columns.unitQ[aj] = N / aj;
    columns.unitR[aj] = N % aj;
  }
  columns.first.reserve(2 * N + 1);
  for (int j = -N; j < N; ++j) FindSteps(j, player, columns);
  columns.first.push_back(static_cast<int>(columns.steps.size()));
  columns.walks.reserve(2 * N);
  for (int c = 0; c < 2 * N; ++c)
    columns.walks.push_back({columns.steps.data() + columns.first[c], columns.entries.data() + columns.first[c]});
  const int threads = std::clamp(threads_ > 0 ? threads_ : static_cast<int>(std::thread::hardware_concurrency()), 1, 16);
  if (threads == 1) {
    RenderRows(target, -N, N, player, texels, columns);
    return;
  }
  // Every pixel is traced on its own, so rows shared out among threads give
  // the same picture. The rows go in runs of kRunRows; each thread starts at
  // its share's first run and takes runs one after another while no other
  // has taken them, then helps with whatever is left anywhere, so that a
  // thread slow to start (on a busy machine) leaves its work to the others,
  // and each mostly reads one of the floor and ceiling pictures. The helpers
  // come from the application's pool, whose threads outlive each view.
  const int runs = (2 * N + kRunRows - 1) / kRunRows;
  const auto shares = std::make_shared<Shares>(runs);
  const auto trace = [&](int run) {
    RenderRows(target, -N + run * kRunRows, std::min(-N + (run + 1) * kRunRows, N), player, texels, columns);
  };
  // A helper that starts after the view is done finds every run taken and
  // touches nothing but `shares`, which it holds.
  const auto work = [shares, &trace](int first) {
    const auto take = [&](int run) {
      if (shares->taken[run].exchange(true)) return false;
      trace(run);
      if (shares->done.fetch_add(1) + 1 == shares->runs) shares->done.notify_all();
      return true;
    };
    for (int run = first; run < shares->runs && take(run); ++run) {
    }
    for (int run = 0; run < shares->runs; ++run) take(run);
  };
  QThreadPool* pool = QThreadPool::globalInstance();
  for (int t = 1; t < threads; ++t) pool->tryStart([work, first = t * runs / threads] { work(first); });
  work(0);
  for (int done = shares->done.load(); done < runs; done = shares->done.load()) shares->done.wait(done);
}

}  // namespace dedalo
