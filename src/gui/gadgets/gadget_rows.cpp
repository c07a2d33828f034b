#include "gui/gadget_rows.h"

#include "gui/gadgets.h"
#include "gui/keep_value.h"

namespace {

HWND CreateRowGadget(const GadgetRow& r) {
  switch (r.type) {
    case GadgetType::Frame:
      return NewFrame(r.gadget, r.x, r.y, r.width, r.height, r.text);
    case GadgetType::TextField:
      return NewTextField(r.gadget, r.x, r.y, r.width, r.height, r.text, r.flags);
    case GadgetType::Button:
      return NewButton(r.gadget, r.x, r.y, r.width, r.height, r.text);
    case GadgetType::Option:
      return NewOption(r.gadget, r.x, r.y, r.width, r.height, r.text);
    case GadgetType::SpinField:
      return NewSpinField(r.gadget, r.x, r.y, r.width, r.height, r.minimum, r.maximum, r.flags);
    case GadgetType::ComboBox:
      return NewComboBox(r.gadget, r.x, r.y, r.width, r.height);
    case GadgetType::ListBox:
      return NewListBox(r.gadget, r.x, r.y, r.width, r.height);
    case GadgetType::Label:
      return NewLabel(r.gadget, r.x, r.y, r.width, r.height, r.text);
    case GadgetType::ProgressBar:
      return NewProgressBar(r.gadget, r.x, r.y, r.width, r.height, r.minimum, r.maximum, r.flags);
  }
  return nullptr;
}

}  // namespace

void CreateGadgetRows(const GadgetRowTable& table) {
  for (int i = 0; i < table.count; ++i) {
    const GadgetRow& row = table.rows[i];
    if (!CreateRowGadget(row)) continue;
    for (int item = 0; item < row.itemCount; ++item) InsertItem(row.gadget, -1, row.itemText(item));
  }
  // Only once every option exists: checking one unchecks the rest of its
  // group, and only that takes their Tab stops.
  for (int i = 0; i < table.count; ++i) {
    const GadgetRow& row = table.rows[i];
    if (row.startValue != NoStartValue) WriteState(row.gadget, row.startValue);
  }
}

void PlaceGadgetRows(const GadgetRowTable& table, int width, int height) {
  const int right = width - table.designWidth;
  const int down = height - table.designHeight;
  for (int i = 0; i < table.count; ++i) {
    const GadgetRow& row = table.rows[i];
    if (row.anchor == AnchorFixed) continue;
    int x = KeepValue, y = KeepValue, w = KeepValue, h = KeepValue;
    if (row.anchor & AnchorStretchRight) w = row.width + right;
    if (row.anchor & AnchorStretchDown) h = row.height + down;
    if (row.anchor & AnchorFollowRight) x = row.x + right;
    if (row.anchor & AnchorFollowBottom) y = row.y + down;
    // Measured, not taken from the row: the button may not be as wide as drawn.
    if (row.anchor & AnchorCentreAcross) x = width / 2 - GadgetOuterWidth(row.gadget) / 2;
    PlaceGadget(row.gadget, x, y, w, h);
  }
}
