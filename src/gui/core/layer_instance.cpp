#include "gui/core/layer_instance.h"

namespace {
HINSTANCE layerInstance = nullptr;
}  // namespace

void SetLayerInstance(HINSTANCE instance) { layerInstance = instance; }
HINSTANCE LayerInstance() { return layerInstance; }
