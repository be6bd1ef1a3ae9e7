#include "console/freed_memory.h"

#include <malloc.h>

namespace chainadj {
namespace {

// Above the largest block a chain takes: no block is mapped on its own, and the top of the heap
// is never trimmed.
constexpr int kKeepFreedBytes = 1 << 30;

}  // namespace

void keepFreedMemoryForReuse() {
  mallopt(M_MMAP_THRESHOLD, kKeepFreedBytes);
  mallopt(M_TRIM_THRESHOLD, kKeepFreedBytes);
}

}  // namespace chainadj
