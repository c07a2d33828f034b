#include "gui/gadgets/gadget_item_base.h"

// "No selection" reads the same from both controls.
static_assert(LB_ERR == CB_ERR, "no selection");

std::wstring ItemGadgetBase::ReadText(GadgetRecord& g) const {
  const LRESULT index = SendMessageW(g.handle, messages_.getSelection, 0, 0);
  return index == LB_ERR ? std::wstring() : messages_.itemText(g.handle, index);
}

int ItemGadgetBase::ReadState(GadgetRecord& g) const {
  return static_cast<int>(SendMessageW(g.handle, messages_.getSelection, 0, 0));
}

void ItemGadgetBase::WriteState(GadgetRecord& g, int value) const {
  SendMessageW(g.handle, messages_.setSelection, static_cast<WPARAM>(value), 0);
}

void ItemGadgetBase::InsertItem(GadgetRecord& g, int position, const wchar_t* text) const {
  SendMessageW(g.handle, messages_.insert, static_cast<WPARAM>(position),
               reinterpret_cast<LPARAM>(text));
}

void ItemGadgetBase::ClearItems(GadgetRecord& g) const {
  SendMessageW(g.handle, messages_.reset, 0, 0);
}
