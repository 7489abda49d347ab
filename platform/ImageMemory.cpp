#include "ImageMemory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kLarge = size_t(1) << 20;
}  // namespace

QImage NewImage(QSize size) {
  const size_t stride = size_t(std::max(0, size.width())) * 4;
  const size_t bytes = stride * size_t(std::max(0, size.height()));
  if (bytes < kLarge) return QImage(size, QImage::Format_RGB32);
  const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* memory = std::aligned_alloc(kHugePage, rounded);
  if (!memory) return QImage(size, QImage::Format_RGB32);
  madvise(memory, rounded, MADV_HUGEPAGE);  // advice only: fine if refused
  return QImage(static_cast<uchar*>(memory), size.width(), size.height(), static_cast<qsizetype>(stride),
                QImage::Format_RGB32, [](void* p) { std::free(p); }, memory);
}

QImage NewWhiteImage(QSize size) {
  QImage image = NewImage(size);
  image.fill(Qt::white);
  return image;
}

QImage CopyOf(const QImage& source, const QRect& area) {
  if (source.format() != QImage::Format_RGB32 || area.isEmpty() || !source.rect().contains(area))
    return source.copy(area);
  QImage copy = NewImage(area.size());
  const size_t row = size_t(area.width()) * 4;
  for (int y = 0; y < area.height(); ++y)
    std::memcpy(copy.scanLine(y), source.constScanLine(area.top() + y) + size_t(area.left()) * 4, row);
  return copy;
}
