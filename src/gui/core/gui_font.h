#pragma once
#include <windows.h>

#include "gui/toolbox/scoped.h"

// The default GUI font at a display scale: the stock font at the system's own
// scale, elsewhere one font per scale (the stock font's LOGFONT with its
// height scaled), shared by its users and freed with the last of them.
HFONT AcquireGuiFont(int dpi);
void ReleaseGuiFont(HFONT font);

using ScopedGuiFont = Scoped<NullEmptyTraits<HFONT, ReleaseGuiFont>>;
