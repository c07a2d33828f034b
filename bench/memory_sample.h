#pragma once
#include <cstddef>

struct MemorySample {
  size_t workingSet;      // bytes now
  size_t peakWorkingSet;  // bytes, highest so far
};
MemorySample SampleMemory();
