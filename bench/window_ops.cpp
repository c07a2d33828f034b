#include "window_ops.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include "app/main_window.h"
#include "bench_clock.h"
#include "gui/app_window.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "run/progress_window.h"

namespace {

// Runs fn calls times on another thread while this one serves it; seconds per
// call. After each call the thread spins for gap seconds (as a copy would
// take time), so that whatever the call left for later (a paint) gets done
// and counted; the spin itself is not counted.
double PerCall(int calls, double gap, const std::function<void(int)>& fn) {
  std::atomic<bool> done{false};
  double seconds = 0.0;
  std::thread worker([&] {
    const double start = Now();
    for (int i = 0; i < calls; ++i) {
      fn(i);
      const double until = Now() + gap;
      while (Now() < until) {
      }
    }
    seconds = Now() - start - calls * gap;
    done = true;
  });
  while (!done) WaitAppEvent(10);
  worker.join();
  return seconds / calls;
}

LRESULT CALLBACK Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == WM_APP ? 0 : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int TimeWindowOperations(int calls) {
  // The progress window a run opens.
  if (!OpenProgressWindow(TransferCopy, AppWindowHandle(MainWindow))) return 1;
  WriteAttribute(ProgressBar, ProgressMaximum, calls * 2);
  SetAppWindowHidden(ProgressWindow, 0);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Answer;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"BenchAnswer";
  RegisterClassW(&windowClass);
  HWND plain = CreateWindowExW(0, L"BenchAnswer", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);

  struct Operation {
    const char* name;
    std::function<void(int)> fn;
  };
  const Operation operations[] = {
      {"plain_message", [plain](int) { SendMessageW(plain, WM_APP, 0, 0); }},
      {"write_text",
       [](int i) {
         wchar_t name[32];
         wsprintfW(name, L"f%07d.dat", i);
         WriteText(CurrentFileText, name);
       }},
      {"show_window", [](int) { SetAppWindowHidden(ProgressWindow, 0); }},
      {"read_position", [](int) { ReadState(ProgressBar); }},
      {"write_position", [](int i) { WriteState(ProgressBar, i); }},
      {"all_four",
       [](int i) {
         wchar_t name[32];
         wsprintfW(name, L"h%07d.dat", i);
         WriteText(CurrentFileText, name);
         SetAppWindowHidden(ProgressWindow, 0);
         WriteState(ProgressBar, ReadState(ProgressBar) + 1);
       }},
  };
  // 2 ms between calls, about what a small file's copy takes under Wine.
  for (const Operation& operation : operations) {
    std::printf("window_op\tname=%s\tcalls=%d\tmicroseconds=%.1f\n", operation.name, calls,
                PerCall(calls, 0.002, operation.fn) * 1e6);
    std::fflush(stdout);
  }
  DestroyWindow(plain);
  CloseAppWindow(ProgressWindow);
  return 0;
}
