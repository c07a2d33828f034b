#pragma once
#include <climits>

// A window's gadgets as one table, a row per gadget in the order of creation
// (which is the Tab order and closes the option groups). Everything a row
// holds is at 96 DPI; the layer scales it.

enum class GadgetType {
  Frame,
  TextField,
  Button,
  Option,
  SpinField,
  ComboBox,
  ListBox,
  Label,
  ProgressBar
};

// How a gadget follows its window's inner size, measured from the size the
// table was drawn for.
enum GadgetAnchor : unsigned {
  AnchorFixed = 0,
  AnchorStretchRight = 0x1,   // its right edge keeps its distance to the window's
  AnchorStretchDown = 0x2,    // its bottom edge keeps its distance to the window's
  AnchorFollowRight = 0x4,    // moves with the window's right edge
  AnchorFollowBottom = 0x8,   // moves with the window's bottom edge
  AnchorCentreAcross = 0x10,  // centred across the window's width
};

// A row whose gadget starts as the control starts.
constexpr int NoStartValue = INT_MIN;

struct GadgetRow {
  int gadget;
  GadgetType type;
  int x, y, width, height;
  const wchar_t* text;  // frames, text fields, buttons, options, labels
  unsigned anchor = AnchorFixed;
  int startValue = NoStartValue;
  unsigned flags = 0;            // the type's creation flags (gadgets.h)
  int minimum = 0, maximum = 0;  // spin fields and progress bars
  int itemCount = 0;             // combo boxes: the items itemText(0) to itemText(itemCount - 1)
  const wchar_t* (*itemText)(int index) = nullptr;
};

struct GadgetRowTable {
  const GadgetRow* rows;
  int count;
  // The window's inner size the rows were drawn for.
  int designWidth, designHeight;
};

template <int N>
constexpr GadgetRowTable MakeGadgetRowTable(const GadgetRow (&rows)[N], int designWidth,
                                            int designHeight) {
  return {rows, N, designWidth, designHeight};
}

// Creates the rows' gadgets in the calling thread's gadget target, each with
// its items and start value.
void CreateGadgetRows(const GadgetRowTable& table);
// Places the anchored gadgets for a window whose inner size is now width x height.
void PlaceGadgetRows(const GadgetRowTable& table, int width, int height);
