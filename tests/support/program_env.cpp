#include "support/program_env.h"

#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "app/main_window.h"
#include "app/program_state.h"
#include "app/start_up.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui/toolbox/scoped.h"
#include "support/read.h"

namespace {
std::vector<GadgetSnapshot> initialGadgets;
}

void StartProgramOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  StartUp(GetModuleHandleW(nullptr));
  for (int g = SourceFrame; g <= RunButton; ++g) {
    initialGadgets.push_back({GadgetRect(g), ReadText(g), ReadState(g)});
  }
}

const std::vector<GadgetSnapshot>& InitialGadgets() { return initialGadgets; }

void RestoreStartSettings() {
  SetSource(L"");
  WriteState(BySizeOption, 1);
  WriteState(PackageSizeSpin, 700);
  WriteState(PackageCountSpin, 10);
  WriteState(SizeUnitCombo, 2);
  WriteState(CopyOption, 1);
}

bool RunLoopUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    RunEventLoopOnce(10);
  }
  return true;
}

void RunLoopFor(DWORD ms) {
  RunLoopUntil([] { return false; }, ms);
}

void PostGadgetClick(int gadget) {
  // Posted, so the button's notification arrives inside the event wait, the
  // way a real click does.
  PostMessageW(GadgetHandle(gadget), BM_CLICK, 0, 0);
  RunLoopFor(60);
}

void SelectListLine(int gadget, int index) {
  HWND list = GadgetHandle(gadget);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  RunLoopFor(60);
}

std::vector<std::wstring> ListLines(int gadget) { return ListLines(GadgetHandle(gadget)); }

RECT GadgetRect(int gadget) { return ControlRect(GadgetHandle(gadget)); }

void MakeFileOfSize(const std::wstring& path, long long size) {
  const ScopedFileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(file.Valid()) << GetLastError();
  LARGE_INTEGER end;
  end.QuadPart = size;
  SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN);
  SetEndOfFile(file.Get());
}

void SetSource(const std::wstring& folder) { WriteText(SourcePathField, folder.c_str()); }

void UseCount(int count) {
  WriteState(ByCountOption, 1);
  WriteState(PackageCountSpin, count);
}

void UseSize(int value, int unitIndex) {
  WriteState(BySizeOption, 1);
  WriteState(PackageSizeSpin, value);
  WriteState(SizeUnitCombo, unitIndex);
}
