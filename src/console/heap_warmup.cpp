#include "console/heap_warmup.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace chainadj {
namespace {

// Above the largest block a chain takes.
constexpr int kKeepFreedBytes = 1 << 30;

struct PageRange {
  void* start = nullptr;
  std::size_t length = 0;
};

// The whole pages inside [block, block + bytes).
PageRange wholePagesOf(void* block, std::size_t bytes) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t first = (begin + page - 1) / page * page;
  const std::uintptr_t end = (begin + bytes) / page * page;
  if (end <= first) return {};
  return {reinterpret_cast<void*>(first), end - first};
}

}  // namespace

void keepFreedMemoryForReuse() {
  mallopt(M_MMAP_THRESHOLD, kKeepFreedBytes);
  mallopt(M_TRIM_THRESHOLD, kKeepFreedBytes);
}

std::size_t warmHeapBytesFor(std::uintmax_t inputBytes, bool withResults) {
  const std::uintmax_t perInputByte =
      kRunHeapBytesPerInputByte + (withResults ? kResultsHeapBytesPerInputByte : 0);
  const std::uintmax_t bytes = std::min(inputBytes, std::uintmax_t{kLargestWarmHeapBytes}) *
                               perInputByte;
  if (bytes < kSmallestWarmHeapBytes) return 0;
  return static_cast<std::size_t>(std::min<std::uintmax_t>(bytes, kLargestWarmHeapBytes));
}

HeapWarmup::HeapWarmup(std::size_t bytes) {
  if (bytes == 0) return;
  // The freed block stays at the top of the heap: the console keeps freed memory (its trim and
  // mmap thresholds are above this size), and the run's allocations are carved from it.
  void* block = std::malloc(bytes);
  if (block == nullptr) return;
  const PageRange pages = wholePagesOf(block, bytes);
  std::free(block);
  if (pages.length == 0) return;
  // Both are hints: a system without huge pages, or a kernel older than 5.14 without
  // MADV_POPULATE_WRITE, refuses them and the run takes its pages as it writes them.
  madvise(pages.start, pages.length, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
  mapping_ = std::thread([pages] { madvise(pages.start, pages.length, MADV_POPULATE_WRITE); });
#endif
}

HeapWarmup::~HeapWarmup() {
  if (mapping_.joinable()) mapping_.join();
}

}  // namespace chainadj
