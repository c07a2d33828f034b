// The top of the layer: starts and ends the parts, lowest first.
#include "gui/layer.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "gui/core/layer_instance.h"
#include "gui/core/owner_call.h"
#include "gui/core/properties.h"
#include "gui/gadgets/gadget_part.h"
#include "gui/toolbox/scoped_shell.h"
#include "gui/windows/window_part.h"

namespace {
// COM of the thread that started the layer, until the layer ends.
std::optional<ComApartment> com;
}  // namespace

bool InitGuiLayer(HINSTANCE instance) {
  SetLayerInstance(instance);
  InitOwnerCalls();
  InitProperties();
  InitWindowPart();
  InitGadgetPart();
  InitCommonControls();
  com.emplace();
  return true;
}

void ShutDownGuiLayer() {
  ShutDownWindowPart();
  ShutDownGadgetPart();
  com.reset();
}
