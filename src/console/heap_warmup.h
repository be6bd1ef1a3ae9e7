// The heap of a long chain, made ready before the run needs it.
//
// A chain of 100 000 triangles uses some 80 MB of heap. Every fresh 4 KB page of it costs a page
// fault when it is first written, and on a virtual machine a fault takes some microseconds: the
// 20 000 faults of such a run were a quarter of its time. The warm-up takes a block of the size
// the input promises from the heap and gives it back at once, so that the run's arrays are carved
// from it; asks for it to be backed by huge pages (2 MB, one fault each); and maps its pages on
// another core while this one reads the input. Mapping a page does not change what is in it, so
// the run may use the block while its pages are still being mapped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <thread>

namespace chainadj {

// The arrays of a long chain (some tens of MB) stay in the heap once freed and are reused from
// there: giving them back to the system and taking fresh pages again costs a page fault per 4 KB.
// Called once, before anything is allocated; the warm-up relies on it.
void keepFreedMemoryForReuse();

// Heap bytes a run needs per byte of its input (a data file, or the typed answers), and the more
// its results files need: a chain of 100 000 triangles is some 6 MB of input, its run takes some
// 48 MB of heap and the report and CSV another 24 MB.
inline constexpr std::size_t kRunHeapBytesPerInputByte = 8;
inline constexpr std::size_t kResultsHeapBytesPerInputByte = 4;
// Below this a run is over before a warm-up would pay (a chain of some 20 000 triangles).
inline constexpr std::size_t kSmallestWarmHeapBytes = std::size_t{16} << 20;
// The largest chain needs no more.
inline constexpr std::size_t kLargestWarmHeapBytes = std::size_t{96} << 20;

// The heap expected for an input of `inputBytes`, with results files or without: 0 when it is too
// small to warm, at most kLargestWarmHeapBytes.
std::size_t warmHeapBytesFor(std::uintmax_t inputBytes, bool withResults);

class HeapWarmup {
 public:
  // Nothing for 0 bytes.
  explicit HeapWarmup(std::size_t bytes);
  // Waits for the mapping to finish.
  ~HeapWarmup();
  HeapWarmup(const HeapWarmup&) = delete;
  HeapWarmup& operator=(const HeapWarmup&) = delete;

 private:
  std::thread mapping_;
};

}  // namespace chainadj
