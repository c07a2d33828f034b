#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "gui/gadget_rows.h"
#include "support/sequence.h"

// What a window's gadget table promises, in the terms a test sees (client
// pixels at 96 DPI, texts, Tab stops).

// The control a row's number names, as created: a spin field's text part
// leaves the right height / 2 pixels to its arrows.
inline RECT DrawnRect(const GadgetRow& row) {
  const int width = row.type == GadgetType::SpinField ? row.width - row.height / 2 : row.width;
  return {row.x, row.y, row.x + width, row.y + row.height};
}

// The text the control shows at the start.
inline std::wstring DrawnText(const GadgetRow& row) {
  if (row.type == GadgetType::SpinField) return std::to_wstring(row.startValue);
  if (row.type == GadgetType::ComboBox) return row.itemText(row.startValue);
  return row.text ? row.text : L"";
}

// The gadgets Tab walks through, in creation order: no frames, labels or
// bars, and of each option group only the checked button (a radio button
// holds WS_TABSTOP only while checked, on Windows as under Wine).
inline std::vector<SequenceEntry<int>> TabStops(const GadgetRowTable& table) {
  std::vector<SequenceEntry<int>> stops;
  for (int i = 0; i < table.count; ++i) {
    const GadgetRow& row = table.rows[i];
    switch (row.type) {
      case GadgetType::Frame:
      case GadgetType::Label:
      case GadgetType::ProgressBar:
        break;
      case GadgetType::Option:
        if (row.startValue == 1) stops.push_back(row.gadget);
        break;
      default:
        stops.push_back(row.gadget);
    }
  }
  return stops;
}

// Where Tab goes from the first stop on, until it is back there.
inline std::vector<SequenceEntry<int>> TabWalkFromFirst(const GadgetRowTable& table) {
  std::vector<SequenceEntry<int>> walk = TabStops(table);
  walk.push_back(walk.front());
  walk.erase(walk.begin());
  return walk;
}
