#include "console/heap_warmup.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace chainadj {
namespace {

constexpr std::uintmax_t kMegabyte = 1 << 20;

TEST(HeapWarmup, TheHeapWarmedGrowsWithTheInputBetweenItsBounds) {
  EXPECT_EQ(warmHeapBytesFor(0, true), 0u);
  // A chain of a few thousand triangles is over before a warm-up would pay.
  EXPECT_EQ(warmHeapBytesFor(kMegabyte, true), 0u);
  EXPECT_EQ(warmHeapBytesFor(2 * kMegabyte, false), 16 * kMegabyte);
  EXPECT_EQ(warmHeapBytesFor(2 * kMegabyte, true), 24 * kMegabyte);
  // The input of 100 000 triangles (6 MB), and anything larger, however large.
  EXPECT_EQ(warmHeapBytesFor(6 * kMegabyte, false), 48 * kMegabyte);
  EXPECT_EQ(warmHeapBytesFor(6 * kMegabyte, true), 72 * kMegabyte);
  EXPECT_EQ(warmHeapBytesFor(32 * kMegabyte, false), kLargestWarmHeapBytes);
  EXPECT_EQ(warmHeapBytesFor(UINTMAX_MAX, true), kLargestWarmHeapBytes);
}

// The run writes its arrays into the block while the other core still maps its pages: what it
// wrote must stay.
TEST(HeapWarmup, WhatIsWrittenWhileThePagesAreMappedIsKept) {
  keepFreedMemoryForReuse();
  std::vector<std::vector<std::uint64_t>> arrays;
  {
    const HeapWarmup warmup(kSmallestWarmHeapBytes * 2);
    for (std::uint64_t k = 0; k < 16; ++k) {
      std::vector<std::uint64_t> values(1 << 17);
      std::iota(values.begin(), values.end(), k << 32);
      arrays.push_back(std::move(values));
    }
  }
  for (std::uint64_t k = 0; k < arrays.size(); ++k) {
    for (std::uint64_t i = 0; i < arrays[k].size(); ++i) {
      ASSERT_EQ(arrays[k][i], (k << 32) + i) << "array " << k;
    }
  }
}

TEST(HeapWarmup, NothingIsWarmedForNoBytes) {
  const HeapWarmup none(0);
  std::vector<int> values(1000, 7);
  EXPECT_EQ(std::accumulate(values.begin(), values.end(), 0), 7000);
}

}  // namespace
}  // namespace chainadj
