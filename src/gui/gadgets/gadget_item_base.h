#pragma once
#include <windows.h>

#include <string>

#include "gui/gadgets/gadget_kind.h"

// What a list box and a drop-down list share: items with one selection, the
// same operations through each control's own messages.

struct ItemMessages {
  UINT getSelection, setSelection, insert, reset, initStorage;
  std::wstring (*itemText)(HWND control, LRESULT index);
};

class ItemGadgetBase : public GadgetKind {
 public:
  explicit ItemGadgetBase(const ItemMessages& messages) : messages_(messages) {}
  // The selected item's text, "" when none is selected.
  std::wstring ReadText(GadgetRecord& g) const override;
  // The selected item's index, -1 for none.
  int ReadState(GadgetRecord& g) const override;
  void WriteState(GadgetRecord& g, int value) const override;
  void InsertItem(GadgetRecord& g, int position, const wchar_t* text) const override;
  void ClearItems(GadgetRecord& g) const override;
  UINT InitStorageMessage() const override { return messages_.initStorage; }

 private:
  const ItemMessages messages_;
};
