#include "gui/core/gui_font.h"

#include <vector>

#include "gui/toolbox/display_scale.h"
#include "gui/toolbox/scoped.h"

namespace {

struct ScaledFont {
  int dpi;
  HFONT font;
  int users;
};

// Windows of both threads and the requesters take fonts from here.
CriticalSection fontsLock;
std::vector<ScaledFont> fonts;

HFONT StockFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HFONT CreateScaledFont(int dpi) {
  LOGFONTW font = {};
  if (!GetObjectW(StockFont(), sizeof font, &font)) return nullptr;
  // The stock font is made for the system's scale.
  const int systemDpi = SystemDpi();
  font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
  font.lfWidth = MulDiv(font.lfWidth, dpi, systemDpi);
  return CreateFontIndirectW(&font);
}

}  // namespace

HFONT AcquireGuiFont(int dpi) {
  if (dpi == SystemDpi()) return StockFont();
  const CriticalSectionLock hold(fontsLock);
  for (ScaledFont& f : fonts) {
    if (f.dpi == dpi) {
      ++f.users;
      return f.font;
    }
  }
  const HFONT font = CreateScaledFont(dpi);
  if (!font) return StockFont();
  fonts.push_back({dpi, font, 1});
  return font;
}

void ReleaseGuiFont(HFONT font) {
  if (!font || font == StockFont()) return;
  const CriticalSectionLock hold(fontsLock);
  for (size_t i = 0; i < fonts.size(); ++i) {
    if (fonts[i].font != font) continue;
    if (--fonts[i].users == 0) {
      DeleteObject(font);
      fonts.erase(fonts.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return;
  }
}
