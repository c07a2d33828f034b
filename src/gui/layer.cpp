// The top of the layer: starts and ends the parts, lowest first.
#include "gui/layer.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "gui/core/layer_instance.h"
#include "gui/core/owner_call.h"
#include "gui/core/properties.h"
#include "gui/gadgets/gadget_part.h"
#include "gui/windows/window_record.h"

namespace {
bool comStarted = false;
}  // namespace

bool InitGuiLayer(HINSTANCE instance) {
  SetLayerInstance(instance);
  InitOwnerCalls();
  InitProperties();
  InitWindowPart();
  InitGadgetPart();
  InitCommonControls();
  comStarted = SUCCEEDED(CoInitialize(nullptr));
  return true;
}

void ShutDownGuiLayer() {
  ShutDownWindowPart();
  ShutDownGadgetPart();
  if (comStarted) {
    CoUninitialize();
    comStarted = false;
  }
}
