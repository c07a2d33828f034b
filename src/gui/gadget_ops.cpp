#include <algorithm>
#include <cstdint>
#include <limits>

#include "gui/event_codes.h"
#include "gui/gadget_internal.h"
#include "gui/gadgets.h"
#include "gui/owner_call.h"

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

std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, &text[0], length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

}  // namespace

void WriteText(int gadget, const wchar_t* text) {
  if (!text) text = L"";
  WithGadget(gadget, [text](GadgetRecord& g) {
    if (g.kind->writeText) {
      g.kind->writeText(g, text);
    } else {
      SetWindowTextW(g.handle, text);
    }
  });
}

std::wstring ReadText(int gadget) {
  std::wstring text;
  WithGadget(gadget, [&text](GadgetRecord& g) {
    text = g.kind->readText ? g.kind->readText(g) : WindowText(g.handle);
  });
  return text;
}

void WriteState(int gadget, int value) {
  WithGadget(gadget, [value](GadgetRecord& g) {
    if (g.kind->writeState) g.kind->writeState(g, value);
  });
}

int ReadState(int gadget) {
  int state = 0;
  WithGadget(gadget, [&state](GadgetRecord& g) {
    if (g.kind->readState) state = g.kind->readState(g);
  });
  return state;
}

void InsertItem(int gadget, int position, const wchar_t* text) {
  if (!text) text = L"";
  WithGadget(gadget, [position, text](GadgetRecord& g) {
    if (g.kind->insertItem) g.kind->insertItem(g, position, text);
  });
}

void ClearItems(int gadget) {
  WithGadget(gadget, [](GadgetRecord& g) {
    if (g.kind->clearItems) g.kind->clearItems(g);
  });
}

void WriteAttribute(int gadget, int attribute, int value) {
  WithGadget(gadget, [attribute, value](GadgetRecord& g) {
    if (g.kind->writeAttribute) g.kind->writeAttribute(g, attribute, value);
  });
}

void PlaceGadget(int gadget, int x, int y, int width, int height) {
  WithGadget(gadget, [=](GadgetRecord& g) {
    if (g.kind->place) {
      g.kind->place(g, x, y, width, height);
    } else {
      PlaceGenerically(g, x, y, width, height);
    }
  });
}

int GadgetOuterWidth(int gadget) {
  int width = 0;
  WithGadget(gadget, [&width](GadgetRecord& g) {
    if (g.kind->outerWidth) {
      width = g.kind->outerWidth(g);
    } else {
      RECT r;
      if (GetWindowRect(g.handle, &r)) width = r.right - r.left;
    }
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
    if (g.kind->initStorageMessage && expectedItems > 0) {
      // Room for the entries and about 64 bytes of text each; counted in 64
      // bits, since a 32-bit LPARAM overflows above 33,554,431 items.
      const int64_t bytes = std::min<int64_t>(static_cast<int64_t>(expectedItems) * 64,
                                              std::numeric_limits<LPARAM>::max());
      SendMessageW(g.handle, g.kind->initStorageMessage, static_cast<WPARAM>(expectedItems),
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
