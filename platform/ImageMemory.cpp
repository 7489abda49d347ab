#include "ImageMemory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>
#include <sys/mman.h>

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kLarge = size_t(1) << 20;

// Large blocks freed are kept for the next large image: a block the kernel
// hands out afresh is cleared first, about a third of a millisecond for each
// 2 MiB, and the snapshots of a screen come and go at every move of a game.
struct Block {
  void* memory;
  size_t bytes;
};
constexpr size_t kMostSpares = 3;
constexpr size_t kMostSpareBytes = size_t(32) << 20;
struct Spares {
  std::mutex mutex;
  std::vector<Block> blocks;
};
// Never destroyed: an image freed while the program ends still finds it, and
// the blocks stay reachable from it to the end.
Spares& TheSpares() {
  static Spares* const spares = new Spares;
  return *spares;
}

// The smallest spare block of at least `bytes`, or a new one.
void* Take(size_t bytes, size_t& got) {
  Spares& spares = TheSpares();
  {
    const std::lock_guard lock(spares.mutex);
    // Of those that fit, the smallest, and of those the last freed (the
    // likeliest still in the processor's caches).
    auto best = spares.blocks.end();
    for (auto it = spares.blocks.begin(); it != spares.blocks.end(); ++it)
      if (it->bytes >= bytes && (best == spares.blocks.end() || it->bytes <= best->bytes)) best = it;
    if (best != spares.blocks.end()) {
      const Block block = *best;
      spares.blocks.erase(best);
      got = block.bytes;
      return block.memory;
    }
  }
  void* memory = std::aligned_alloc(kHugePage, bytes);
  if (memory) madvise(memory, bytes, MADV_HUGEPAGE);  // advice only: fine if refused
  got = bytes;
  return memory;
}

void Give(void* info) {
  auto* block = static_cast<Block*>(info);
  Spares& spares = TheSpares();
  {
    const std::lock_guard lock(spares.mutex);
    size_t kept = block->bytes;
    for (const Block& b : spares.blocks) kept += b.bytes;
    if (spares.blocks.size() < kMostSpares && kept <= kMostSpareBytes) {
      spares.blocks.push_back(*block);
      delete block;
      return;
    }
  }
  std::free(block->memory);
  delete block;
}
}  // namespace

QImage NewImage(QSize size) {
  const size_t stride = size_t(std::max(0, size.width())) * 4;
  const size_t bytes = stride * size_t(std::max(0, size.height()));
  if (bytes < kLarge) return QImage(size, QImage::Format_RGB32);
  const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  size_t got = 0;
  void* memory = Take(rounded, got);
  if (!memory) return QImage(size, QImage::Format_RGB32);
  return QImage(static_cast<uchar*>(memory), size.width(), size.height(), static_cast<qsizetype>(stride),
                QImage::Format_RGB32, Give, new Block{memory, got});
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
