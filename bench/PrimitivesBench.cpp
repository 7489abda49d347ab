// The drawing layer's primitives over a full 1920 x 1080 screen image, with
// Qt's own fill of the same area as the yardstick.
#include "DC.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {
constexpr int kWidth = 1920, kHeight = 1080;

QImage Screen() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void BM_QPainterFill(benchmark::State& state) {
  QImage image = Screen();
  for (auto _ : state) {
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(128, 0, 0));
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_QPainterFill)->Unit(benchmark::kMicrosecond);

void BM_Rectangle(benchmark::State& state) {
  QImage image = Screen();
  TDC dc(&image);
  dc.SelectObject(TPen(TColor::Black));
  dc.SelectObject(TBrush(TColor(128, 0, 0)));
  dc.SetROP2(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    dc.Rectangle(0, 0, kWidth, kHeight);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_Rectangle)->Arg(R2_COPYPEN)->Arg(R2_XORPEN)->Unit(benchmark::kMicrosecond);

void BM_PatBlt(benchmark::State& state) {
  QImage image = Screen();
  TDC dc(&image);
  dc.SelectObject(TBrush(TColor(0, 128, 0)));
  for (auto _ : state) {
    dc.PatBlt(0, 0, kWidth, kHeight, PATCOPY);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PatBlt)->Unit(benchmark::kMicrosecond);

void BM_BitBlt(benchmark::State& state) {
  QImage image = Screen();
  QImage source = Screen();
  source.fill(QColor(0, 0, 128));
  TDC dc(&image);
  TMemoryDC from(&source);
  for (auto _ : state) {
    dc.BitBlt(0, 0, kWidth, kHeight, from, 0, 0, SRCCOPY);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_BitBlt)->Unit(benchmark::kMicrosecond);

// A thousand one-pixel lines across the screen, in every direction.
void BM_ThousandLines(benchmark::State& state) {
  QImage image = Screen();
  TDC dc(&image);
  dc.SelectObject(TPen(TColor::Black));
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      dc.MoveTo((i * 37) % kWidth, (i * 91) % kHeight);
      dc.LineTo((i * 53 + 400) % kWidth, (i * 17 + 300) % kHeight);
    }
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_ThousandLines)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
