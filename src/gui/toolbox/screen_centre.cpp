#include "gui/toolbox/screen_centre.h"

RECT ScreenCentred(int width, int height) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (width > screenWidth) width = screenWidth;
  if (height > screenHeight) height = screenHeight;
  const int x = (screenWidth - width) / 2, y = (screenHeight - height) / 2;
  return {x, y, x + width, y + height};
}
