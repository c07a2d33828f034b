#pragma once

// "Keep the current value" in window bounds and gadget placing; "no position"
// when a window is opened.
constexpr int KeepValue = -65535;
