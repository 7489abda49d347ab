#include "ImageMemory.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>
#include <malloc.h>
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
  bool white;  // every byte 0xff, as no image has used it yet
};
constexpr size_t kMostSpares = 3;
constexpr size_t kMostSpareBytes = size_t(32) << 20;
struct Spares {
  std::mutex mutex;
  std::vector<Block> blocks;
  size_t preparing = 0;  // the size of the blocks being prepared, 0 when none are
  std::chrono::steady_clock::time_point blockStarted;  // when the helper began its current block
  bool late = false;      // an image gave up waiting for them: the others do not wait
  std::condition_variable prepared;
};
// Never destroyed: an image freed while the program ends still finds it, and
// the blocks stay reachable from it to the end.
Spares& TheSpares() {
  static Spares* const spares = new Spares;
  return *spares;
}

// Blocks of at least `bytes` among the spares: are there any, and which is the
// smallest (of those, the last freed, the likeliest still in the caches).
std::vector<Block>::iterator BestFit(std::vector<Block>& blocks, size_t bytes) {
  auto best = blocks.end();
  for (auto it = blocks.begin(); it != blocks.end(); ++it)
    if (it->bytes >= bytes && (best == blocks.end() || it->bytes <= best->bytes)) best = it;
  return best;
}

// A block in huge pages where the kernel grants them: touching it costs a few
// page faults instead of thousands. But a huge page may have to wait for its
// memory (on a virtual machine, sometimes tens of milliseconds), so only the
// helper asks for them. The main thread takes ordinary pages, all mapped in
// one call rather than faulted in one by one where the kernel can.
void* NewBlock(size_t bytes, bool huge) {
  void* memory = std::aligned_alloc(kHugePage, bytes);
  if (memory) madvise(memory, bytes, huge ? MADV_HUGEPAGE : MADV_POPULATE_WRITE);  // advice only: fine if refused
  return memory;
}

// A huge page the kernel hands out in a fraction of a millisecond as a rule;
// on a virtual machine whose host took the memory back, in tens of them.
constexpr auto kSlowHugePage = std::chrono::milliseconds(2);

// Sets the bytes of a block that asked for huge pages to `value`, a huge page
// at a time. Once one comes slowly, the rest of the block takes ordinary
// pages, and `slow` tells the caller to ask for no more huge pages.
void Touch(char* block, size_t bytes, int value, bool& slow) {
  for (size_t done = 0; done < bytes; done += kHugePage) {
    const size_t n = std::min(kHugePage, bytes - done);
    if (slow) {
      madvise(block + done, bytes - done, MADV_NOHUGEPAGE);
      std::memset(block + done, value, bytes - done);
      return;
    }
    const auto start = std::chrono::steady_clock::now();
    std::memset(block + done, value, n);
    slow = std::chrono::steady_clock::now() - start > kSlowHugePage;
  }
}

// How long a block takes the helper at most when all goes well: an image
// waits for the block being prepared until then, and no longer.
constexpr auto kLongestBlock = std::chrono::milliseconds(3);

// The smallest spare block of at least `bytes`, or a new one. While blocks
// large enough are being prepared, the next one is awaited: it is partly
// touched already, and a new block would compete with it for the kernel; but
// not past the time a block takes, as the helper may be held up.
Block Take(size_t bytes) {
  Spares& spares = TheSpares();
  {
    std::unique_lock lock(spares.mutex);
    for (;;) {
      const auto best = BestFit(spares.blocks, bytes);
      if (best != spares.blocks.end()) {
        const Block block = *best;
        spares.blocks.erase(best);
        return block;
      }
      if (spares.preparing < bytes || spares.late) break;
      if (spares.prepared.wait_until(lock, spares.blockStarted + kLongestBlock) == std::cv_status::timeout) {
        spares.late = true;
        break;
      }
    }
  }
  return Block{NewBlock(bytes, false), bytes, false};
}

void Give(void* info) {
  auto* block = static_cast<Block*>(info);
  Spares& spares = TheSpares();
  {
    const std::lock_guard lock(spares.mutex);
    size_t kept = block->bytes;
    for (const Block& b : spares.blocks) kept += b.bytes;
    if (spares.blocks.size() < kMostSpares && kept <= kMostSpareBytes) {
      spares.blocks.push_back(Block{block->memory, block->bytes, false});
      delete block;
      return;
    }
  }
  std::free(block->memory);
  delete block;
}

size_t BytesFor(QSize size) {
  return size_t(std::max(0, size.width())) * 4 * size_t(std::max(0, size.height()));
}

size_t Rounded(size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

// An image, a large one in a block of its own; `white` tells whether its
// block came white already.
QImage MakeImage(QSize size, bool* white) {
  *white = false;
  if (BytesFor(size) < kLarge) return QImage(size, QImage::Format_RGB32);
  const size_t stride = size_t(size.width()) * 4;
  const Block block = Take(Rounded(BytesFor(size)));
  *white = block.white;
  if (!block.memory) return QImage(size, QImage::Format_RGB32);
  return QImage(static_cast<uchar*>(block.memory), size.width(), size.height(), static_cast<qsizetype>(stride),
                QImage::Format_RGB32, Give, new Block(block));
}
}  // namespace

void PrepareImageMemory(QSize largest, int images) {
  const size_t bytes = Rounded(BytesFor(largest));
  if (bytes < kLarge) return;
  Spares& spares = TheSpares();
  int wanted = 0;
  {
    const std::lock_guard lock(spares.mutex);
    if (spares.preparing) return;
    int fitting = 0;
    size_t kept = 0;
    for (const Block& b : spares.blocks) {
      fitting += b.bytes >= bytes;
      kept += b.bytes;
    }
    while (fitting + wanted < images && spares.blocks.size() + wanted < kMostSpares &&
           kept + (wanted + 1) * bytes <= kMostSpareBytes)
      ++wanted;
    spares.preparing = wanted ? bytes : 0;
    spares.blockStarted = std::chrono::steady_clock::now();
  }
  // The window system's copy of the window is allocated by Qt on this thread
  // with malloc. Large blocks are kept in the heap rather than given back to
  // the kernel (the limits glibc reaches by itself after the first large block
  // freed), and room for that copy is touched on the helper, then freed into
  // the heap where the copy will find it. Once: afterwards the heap keeps what
  // the program frees.
  static bool roomMade = false;
  char* room = nullptr;
  const size_t roomBytes = bytes + kHugePage;
  if (!roomMade) {
    roomMade = true;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    room = static_cast<char*>(std::malloc(roomBytes));
  }
  if (!wanted && !room) return;
  std::thread([bytes, wanted, room, roomBytes] {
    Spares& spares = TheSpares();
    bool slow = false;  // a huge page took long: ordinary pages from then on
    for (int k = 0; k < wanted; ++k) {
      void* memory = NewBlock(bytes, !slow);
      if (memory) Touch(static_cast<char*>(memory), bytes, 0xff, slow);
      const std::lock_guard lock(spares.mutex);
      if (memory) spares.blocks.push_back(Block{memory, bytes, true});
      if (k + 1 == wanted || !memory) spares.preparing = 0, spares.late = false;
      spares.blockStarted = std::chrono::steady_clock::now();
      spares.prepared.notify_all();
      if (!memory) break;
    }
    if (!room) return;
    // Huge pages for the whole 2 MiB pages inside the room, unless they came slowly.
    const auto start = (reinterpret_cast<std::uintptr_t>(room) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(room) + roomBytes) & ~(kHugePage - 1);
    if (start < end && !slow) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    std::memset(room, 0, roomBytes);
    std::free(room);
  }).detach();
}

namespace {
// The keys of the last images known white: a few are enough, for a screen and
// its copies. A key is never given again, so an old one matches nothing.
struct WhiteKeys {
  std::mutex mutex;
  qint64 keys[8] = {};
  size_t next = 0;
};
WhiteKeys& TheWhiteKeys() {
  static WhiteKeys* const keys = new WhiteKeys;
  return *keys;
}
}  // namespace

bool KnownWhite(const QImage& image) {
  if (image.isNull()) return false;
  WhiteKeys& white = TheWhiteKeys();
  const std::lock_guard lock(white.mutex);
  return std::find(std::begin(white.keys), std::end(white.keys), image.cacheKey()) != std::end(white.keys);
}

void NoteWhite(const QImage& image) {
  if (image.isNull() || KnownWhite(image)) return;
  WhiteKeys& white = TheWhiteKeys();
  const std::lock_guard lock(white.mutex);
  white.keys[white.next] = image.cacheKey();
  white.next = (white.next + 1) % std::size(white.keys);
}

QImage NewImage(QSize size) {
  bool white = false;
  return MakeImage(size, &white);
}

QImage NewWhiteImage(QSize size) {
  bool white = false;
  QImage image = MakeImage(size, &white);
  if (!white) image.fill(Qt::white);
  NoteWhite(image);
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
