#include "ImageMemory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kLarge = size_t(1) << 20;
}  // namespace

QImage NewWhiteImage(QSize size) {
  const size_t stride = size_t(std::max(0, size.width())) * 4;
  const size_t bytes = stride * size_t(std::max(0, size.height()));
  if (bytes < kLarge) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }
  const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* memory = std::aligned_alloc(kHugePage, rounded);
  if (!memory) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }
  madvise(memory, rounded, MADV_HUGEPAGE);  // advice only: fine if refused
  std::memset(memory, 0xff, bytes);
  return QImage(static_cast<uchar*>(memory), size.width(), size.height(), static_cast<qsizetype>(stride),
                QImage::Format_RGB32, [](void* p) { std::free(p); }, memory);
}
