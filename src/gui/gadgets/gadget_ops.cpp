#include <algorithm>
#include <cstdint>
#include <limits>

#include "gui/core/layer_dpi.h"
#include "gui/core/owner_call.h"
#include "gui/gadgets.h"
#include "gui/gadgets/gadget_kind.h"
#include "gui/toolbox/display_scale.h"

namespace {

// Runs fn on the gadget's record in the thread that owns the control; another
// thread waits for it. Nothing happens for a number that is no gadget.
template <typename F>
void WithGadget(int gadget, F&& fn) {
  const GadgetRecord* found = LookupGadget(gadget);
  if (!found) return;
  RunOnOwner(found->handle, found->ownerThread, [gadget, &fn] {
    if (GadgetRecord* record = LookupGadget(gadget)) fn(*record);
  });
}

}  // namespace

void WriteText(int gadget, const wchar_t* text) {
  if (!text) text = L"";
  WithGadget(gadget, [text](GadgetRecord& g) { g.kind->WriteText(g, text); });
}

std::wstring ReadText(int gadget) {
  std::wstring text;
  WithGadget(gadget, [&text](GadgetRecord& g) { text = g.kind->ReadText(g); });
  return text;
}

void WriteState(int gadget, int value) {
  WithGadget(gadget, [value](GadgetRecord& g) { g.kind->WriteState(g, value); });
}

int ReadState(int gadget) {
  int state = 0;
  WithGadget(gadget, [&state](GadgetRecord& g) { state = g.kind->ReadState(g); });
  return state;
}

void InsertItem(int gadget, int position, const wchar_t* text) {
  if (!text) text = L"";
  WithGadget(gadget, [position, text](GadgetRecord& g) { g.kind->InsertItem(g, position, text); });
}

void ClearItems(int gadget) {
  WithGadget(gadget, [](GadgetRecord& g) { g.kind->ClearItems(g); });
}

void WriteAttribute(int gadget, int attribute, int value) {
  WithGadget(gadget,
             [attribute, value](GadgetRecord& g) { g.kind->WriteAttribute(g, attribute, value); });
}

int ReadAttribute(int gadget, int attribute) {
  int value = 0;
  WithGadget(gadget,
             [attribute, &value](GadgetRecord& g) { value = g.kind->ReadAttribute(g, attribute); });
  return value;
}

// Positions and sizes are given and read at 96 DPI; the gadget's window
// says what that is in pixels.
void PlaceGadget(int gadget, int x, int y, int width, int height) {
  WithGadget(gadget, [=](GadgetRecord& g) {
    const int dpi = LayerDpiOf(g.handle);
    g.kind->Place(g, ScaleOrKeep(x, dpi), ScaleOrKeep(y, dpi), ScaleOrKeep(width, dpi),
                  ScaleOrKeep(height, dpi));
  });
}

int GadgetOuterWidth(int gadget) {
  int width = 0;
  WithGadget(gadget, [&width](GadgetRecord& g) {
    width = UnscaleForDpi(g.kind->OuterWidth(g), LayerDpiOf(g.handle));
  });
  return width;
}

HWND GadgetHandle(int gadget) {
  const GadgetRecord* record = LookupGadget(gadget);
  return record ? record->handle : nullptr;
}

void BeginItemFill(int gadget, int expectedItems) {
  WithGadget(gadget, [expectedItems](GadgetRecord& g) {
    SendMessageW(g.handle, WM_SETREDRAW, FALSE, 0);
    const UINT initStorage = g.kind->InitStorageMessage();
    if (initStorage && expectedItems > 0) {
      // Room for the entries and about 64 bytes of text each; counted in 64
      // bits, since a 32-bit LPARAM overflows above 33,554,431 items.
      const int64_t bytes = std::min<int64_t>(static_cast<int64_t>(expectedItems) * 64,
                                              std::numeric_limits<LPARAM>::max());
      SendMessageW(g.handle, initStorage, static_cast<WPARAM>(expectedItems),
                   static_cast<LPARAM>(bytes));
    }
  });
}

void EndItemFill(int gadget) {
  WithGadget(gadget, [](GadgetRecord& g) {
    SendMessageW(g.handle, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(g.handle, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  });
}
