#include "memory_sample.h"

#include <windows.h>
#include <psapi.h>

MemorySample SampleMemory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return {counters.WorkingSetSize, counters.PeakWorkingSetSize};
}
