#include "window_ops.h"

#include <windows.h>
#include <commctrl.h>

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

// Runs fn calls times on another thread while this one serves it; seconds per call.
double PerCall(int calls, const std::function<void(int)>& fn) {
  std::atomic<bool> done{false};
  double seconds = 0.0;
  std::thread worker([&] {
    const double start = Now();
    for (int i = 0; i < calls; ++i) fn(i);
    seconds = Now() - start;
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
  // The progress window as a run opens it: caption only, centred on its owner.
  if (!OpenAppWindow(ProgressWindow, 0, 0, 400, 103, L"Dateien kopieren...", 0x10000002,
                     AppWindowHandle(MainWindow))) {
    return 1;
  }
  NewLabel(FileLabel, 10, 10, 35, 15, L"Datei:");
  NewLabel(CurrentFileText, 40, 10, 350, 20, L"");
  NewProgressBar(ProgressBar, 10, 30, 380, 15, 0, 100, ProgressSmooth);
  NewButton(CancelButton, 155, 60, 90, 25, L"Abbrechen");
  WriteAttribute(ProgressBar, ProgressMaximum, calls * 3);
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
      {"write_text", [](int i) {
         wchar_t name[32];
         wsprintfW(name, L"f%07d.dat", i);
         WriteText(CurrentFileText, name);
       }},
      {"show_window", [](int) { SetAppWindowHidden(ProgressWindow, 0); }},
      {"read_position", [](int) { ReadState(ProgressBar); }},
      {"write_position", [](int i) { WriteState(ProgressBar, i); }},
      {"write_same_position", [](int) { WriteState(ProgressBar, 5); }},
      {"direct_setpos", [](int i) { SendMessageW(GadgetHandle(ProgressBar), PBM_SETPOS, i, 0); }},
      {"direct_settext", [](int i) {
         wchar_t name[32];
         wsprintfW(name, L"g%07d.dat", i);
         SendMessageW(GadgetHandle(CurrentFileText), WM_SETTEXT, 0, (LPARAM)name); }},
  };
  {
    HWND bar = GadgetHandle(ProgressBar);
    double start = Now();
    for (int i = 0; i < calls; ++i) { SendMessageW(bar, PBM_SETPOS, i, 0); }
    std::printf("main_setpos_only\t%.1f\n", (Now() - start) / calls * 1e6);
    start = Now();
    for (int i = 0; i < calls; ++i) { SendMessageW(bar, PBM_SETPOS, i, 0); UpdateWindow(bar); }
    std::printf("main_setpos_paint\t%.1f\n", (Now() - start) / calls * 1e6);
    start = Now();
    for (int i = 0; i < calls; ++i) { InvalidateRect(bar, nullptr, FALSE); }
    std::printf("main_invalidate\t%.1f\n", (Now() - start) / calls * 1e6);
    start = Now();
    for (int i = 0; i < calls; ++i) { InvalidateRect(bar, nullptr, FALSE); UpdateWindow(bar); }
    std::printf("main_invalidate_paint\t%.1f\n", (Now() - start) / calls * 1e6);
  }
  for (const Operation& operation : operations) {
    std::printf("window_op\tname=%s\tcalls=%d\tmicroseconds=%.1f\n", operation.name, calls,
                PerCall(calls, operation.fn) * 1e6);
    std::fflush(stdout);
  }
  DestroyWindow(plain);
  CloseAppWindow(ProgressWindow);
  return 0;
}
