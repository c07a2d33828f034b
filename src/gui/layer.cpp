#include "gui/layer.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "gui/layer_internal.h"
#include "gui/owner_call.h"
#include "gui/window_internal.h"

namespace {
HINSTANCE g_instance = nullptr;
bool g_comStarted = false;
}  // namespace

bool InitGuiLayer(HINSTANCE instance) {
  g_instance = instance;
  InitOwnerCalls();
  InitWindowPart();
  InitGadgetPart();
  InitCommonControls();
  g_comStarted = SUCCEEDED(CoInitialize(nullptr));
  return true;
}

void ShutDownGuiLayer() {
  ShutDownWindowPart();
  ShutDownGadgetPart();
  if (g_comStarted) {
    CoUninitialize();
    g_comStarted = false;
  }
}

HINSTANCE LayerInstance() { return g_instance; }
