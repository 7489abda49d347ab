#include "ClientDC.h"

#include "ImageMemory.h"
#include "Window.h"

#include <algorithm>
#include <cstring>

namespace {
TClientDC* g_live = nullptr;

// At most this many areas are kept, and no more pixels than half the screen:
// a context that redraws the whole window updates it as it goes.
constexpr size_t kMostAreas = 64;

constexpr int kChunk = 16;  // pixels compared at a time before looking closer

// The first and last pixels where two rows of `n` pixels differ, or -1.
int FirstDifference(const QRgb* a, const QRgb* b, int n) {
  int i = 0;
  while (i + kChunk <= n && std::memcmp(a + i, b + i, kChunk * sizeof(QRgb)) == 0) i += kChunk;
  for (; i < n; ++i)
    if (a[i] != b[i]) return i;
  return -1;
}
int LastDifference(const QRgb* a, const QRgb* b, int n) {
  int i = n;
  while (i - kChunk >= 0 && std::memcmp(a + i - kChunk, b + i - kChunk, kChunk * sizeof(QRgb)) == 0) i -= kChunk;
  for (--i; i >= 0; --i)
    if (a[i] != b[i]) return i;
  return -1;
}
}  // namespace

TClientDC::TClientDC(TWindow& window, Sending sending)
    : TDC(&window.Screen()),
      window_(window),
      size_(window.Screen().size()),
      asDrawn_(sending == Sending::AsDrawn || !window.isVisible()) {
  next_ = g_live;
  g_live = this;
}

TClientDC::~TClientDC() {
  Push();
  for (TClientDC** at = &g_live; *at; at = &(*at)->next_)
    if (*at == this) {
      *at = next_;
      break;
    }
}

void TClientDC::PushAll() {
  for (TClientDC* dc = g_live; dc; dc = dc->next_) dc->Push();
}

bool TClientDC::Kept(const QRect& area) const {
  return std::any_of(before_.begin(), before_.end(), [&](const Before& b) { return b.area.contains(area); });
}

void TClientDC::Touching(const QRect& area) {
  if (area.isEmpty() || asDrawn_ || Kept(area)) return;
  const qint64 pixels = qint64(area.width()) * area.height();
  if (before_.size() >= kMostAreas || keptPixels_ + pixels > qint64(size_.width()) * size_.height() / 2) {
    asDrawn_ = true;
    return;
  }
  before_.push_back({area, CopyOf(*Image(), area)});
  keptPixels_ += pixels;
}

void TClientDC::Changed(const QRect& area) {
  if (!Kept(area)) window_.update(area);
}

void TClientDC::Push() {
  const QImage& screen = *Image();
  if (screen.size() != size_) {
    // The screen was made anew under the context: all of it, then.
    window_.update();
    before_.clear();
    keptPixels_ = 0;
    size_ = screen.size();
    return;
  }
  // Rows read through pointers taken once per area: a scan line asked of the
  // image each row costs a check that its data is its own.
  const QRgb* const screenBits = reinterpret_cast<const QRgb*>(screen.constBits());
  const qsizetype screenStride = screen.bytesPerLine() / qsizetype(sizeof(QRgb));
  for (Before& b : before_) {
    const int w = b.area.width();
    QRgb* const keptBits = reinterpret_cast<QRgb*>(b.pixels.bits());
    const qsizetype keptStride = b.pixels.bytesPerLine() / qsizetype(sizeof(QRgb));
    // Changed rows running on, updated together: from row `top`, the columns
    // left to right (inclusive); none while top < 0.
    int top = -1, left = 0, right = 0;
    const auto send = [&](int end) {
      if (top >= 0) window_.update(QRect(left, top, right - left + 1, end - top));
      top = -1;
    };
    for (int y = b.area.top(); y <= b.area.bottom(); ++y) {
      const QRgb* now = screenBits + y * screenStride + b.area.left();
      QRgb* was = keptBits + (y - b.area.top()) * keptStride;
      const int first = FirstDifference(now, was, w);
      if (first < 0) {
        send(y);
        continue;
      }
      const int last = LastDifference(now, was, w);
      std::memcpy(was + first, now + first, sizeof(QRgb) * (last - first + 1));
      const int x0 = b.area.left() + first, x1 = b.area.left() + last;
      if (top < 0) {
        top = y;
        left = x0;
        right = x1;
      } else {
        left = std::min(left, x0);
        right = std::max(right, x1);
      }
    }
    send(b.area.bottom() + 1);
  }
}
