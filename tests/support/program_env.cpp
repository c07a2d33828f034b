#include "support/program_env.h"

#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "app/main_window.h"
#include "app/main_window_table.h"
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
  for (const GadgetRow& row : MainGadgetRows) {
    if (initialGadgets.size() <= static_cast<size_t>(row.gadget)) {
      initialGadgets.resize(row.gadget + 1u);
    }
    initialGadgets[static_cast<size_t>(row.gadget)] = {GadgetRect(row.gadget), ReadText(row.gadget),
                                                       ReadState(row.gadget)};
  }
}

const std::vector<GadgetSnapshot>& InitialGadgets() { return initialGadgets; }

void RestoreStartSettings() {
  SetSource(L"");
  for (const GadgetRow& row : MainGadgetRows) {
    if (row.startValue != NoStartValue) WriteState(row.gadget, row.startValue);
  }
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
