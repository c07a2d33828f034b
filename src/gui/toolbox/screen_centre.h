#pragma once
#include <windows.h>

// The outer rectangle of a window of this outer size in the middle of the
// primary screen; a size larger than the screen is cut to it.
RECT ScreenCentred(int width, int height);
