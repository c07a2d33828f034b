#pragma once
#include <windows.h>

#include <string>

#include "gui/number_table.h"

// Internal view of the gadget part: the records, the kinds and the creation
// steps shared by all kinds.

struct GadgetKind;

struct GadgetRecord {
  HWND handle;  // the control (a spin field's text part); 0 = slot free
  const GadgetKind* kind;
  WNDPROC previousProc;
  LONG background;  // -1 = system colour
  LONG textColour;  // -1 = system colour
  HWND second;      // a spin field's arrow part
  DWORD ownerThread;
  // List box mouse tracking: a press on an item that was not yet released.
  BOOL pressed;
  POINT pressPoint;
  // Progress bar: a position written but not yet handed to the control,
  // because the fill would not move by a pixel.
  BOOL positionHeld;
  int heldPosition;
};

// What a kind does differently; every member may be null, which means the
// generic behaviour (or nothing, for state, items and attributes).
struct GadgetKind {
  void (*writeText)(GadgetRecord& g, const wchar_t* text);
  std::wstring (*readText)(GadgetRecord& g);
  void (*writeState)(GadgetRecord& g, int value);
  int (*readState)(GadgetRecord& g);
  void (*insertItem)(GadgetRecord& g, int position, const wchar_t* text);
  void (*clearItems)(GadgetRecord& g);
  void (*writeAttribute)(GadgetRecord& g, int attribute, int value);
  // Placing; the values may be KeepValue (ResolvePlacement replaces them).
  void (*place)(GadgetRecord& g, int x, int y, int width, int height);
  // The kind's own position and size, for replacing KeepValue.
  void (*currentRect)(GadgetRecord& g, RECT* inParent);
  int (*outerWidth)(GadgetRecord& g);
  // Messages the parent window forwards; true when handled (*result set).
  bool (*parentMessage)(int gadget, GadgetRecord& g, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT* result);
  // Messages to the control itself, before the control sees them; true when
  // consumed (*result is then the answer).
  bool (*controlMessage)(int gadget, GadgetRecord& g, HWND control, UINT message,
                         WPARAM wParam, LPARAM lParam, LRESULT* result);
  void (*release)(GadgetRecord& g);
  UINT initStorageMessage;  // LB_INITSTORAGE and the like, 0 = none
};

NumberTable<GadgetRecord>& GadgetTable();
GadgetRecord* LookupGadget(int number);

// Creation steps: the control in the thread's gadget target, the slot, and
// the registration that makes the control the gadget.
HWND CreateGadgetControl(const wchar_t* windowClass, const wchar_t* text, DWORD exStyle,
                         DWORD style, int x, int y, int width, int height, int id);
GadgetRecord* AllocateGadget(int number);
void MarkGadgetControl(HWND control, int number);
void RegisterGadget(int number, GadgetRecord* record, HWND control, const GadgetKind* kind);
// Creation as most kinds do it: control, slot, registration.
HWND CreateSimpleGadget(int number, const GadgetKind* kind, const wchar_t* windowClass,
                        const wchar_t* text, DWORD exStyle, DWORD style, int x, int y,
                        int width, int height, int id = -1);

// Queues a gadget event for the control's layer window.
void QueueGadgetEvent(HWND control, int gadget, int subtype);
// The control's window rectangle in its parent's client coordinates.
RECT ControlRectInParent(HWND control);
// Replaces each KeepValue by the gadget's current position or size.
void ResolvePlacement(GadgetRecord& g, int* x, int* y, int* width, int* height);
// The generic placing: resolve, then move with repaint.
void PlaceGenerically(GadgetRecord& g, int x, int y, int width, int height);

const GadgetKind& FrameKind();
const GadgetKind& TextFieldKind();
const GadgetKind& ButtonKind();
const GadgetKind& OptionKind();
const GadgetKind& SpinFieldKind();
const GadgetKind& ComboBoxKind();
const GadgetKind& ListBoxKind();
const GadgetKind& LabelKind();
const GadgetKind& ProgressBarKind();
