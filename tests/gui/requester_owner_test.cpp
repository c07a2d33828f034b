#include <windows.h>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "gui/requesters/requester_owner.h"

namespace {

HWND FakeWindow(DWORD thread, int i) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(thread) * 100000 + i + 1);
}

TEST(DisabledWindowList, EachThreadTakesBackExactlyItsOwnEntries) {
  DisabledWindowList list;
  constexpr int Threads = 4;
  constexpr int PerThread = 2000;
  std::vector<std::vector<HWND>> taken(Threads);
  std::vector<std::thread> threads;
  // Additions and removals of several threads interleave, as when the worker
  // and the main thread both have a requester open.
  for (int t = 0; t < Threads; ++t) {
    threads.emplace_back([&list, &taken, t] {
      const DWORD id = static_cast<DWORD>(t + 1);
      for (int round = 0; round < 5; ++round) {
        for (int i = 0; i < PerThread; ++i) list.Add(id, FakeWindow(id, i));
        taken[t] = list.TakeThread(id);
        if (taken[t].size() != static_cast<size_t>(PerThread)) return;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < Threads; ++t) {
    const DWORD id = static_cast<DWORD>(t + 1);
    ASSERT_EQ(taken[t].size(), static_cast<size_t>(PerThread)) << "thread " << id;
    for (int i = 0; i < PerThread; ++i) {
      ASSERT_EQ(taken[t][i], FakeWindow(id, i)) << "thread " << id << " entry " << i;
    }
  }
  EXPECT_EQ(list.Count(), 0u);
}

TEST(DisabledWindowList, TakingLeavesOtherThreadsEntries) {
  DisabledWindowList list;
  list.Add(1, FakeWindow(1, 0));
  list.Add(2, FakeWindow(2, 0));
  list.Add(1, FakeWindow(1, 1));
  const std::vector<HWND> first = list.TakeThread(1);
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0], FakeWindow(1, 0));
  EXPECT_EQ(first[1], FakeWindow(1, 1));
  EXPECT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.TakeThread(2).size(), 1u);
}

}  // namespace
