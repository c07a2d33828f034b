#include "gui/core/layer_instance.h"

namespace {
HINSTANCE g_instance = nullptr;
}  // namespace

void SetLayerInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE LayerInstance() { return g_instance; }
