#include "bench_clock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

double Median(std::vector<double> runs) {
  if (runs.empty()) return 0.0;
  std::sort(runs.begin(), runs.end());
  const size_t middle = runs.size() / 2;
  return runs.size() % 2 ? runs[middle] : (runs[middle - 1] + runs[middle]) / 2.0;
}

std::string JoinRuns(const std::vector<double>& runs, int digits) {
  std::string text;
  char number[32];
  for (double run : runs) {
    std::snprintf(number, sizeof number, "%.*f", digits, run);
    if (!text.empty()) text += ',';
    text += number;
  }
  return text;
}
