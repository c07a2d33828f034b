#pragma once
#include <windows.h>

#include <string>

#include "gui/core/number_table.h"
#include "gui/keep_value.h"

// Internal view of the gadget part: the records, the kinds and the creation
// steps shared by all kinds.

class GadgetKind;

struct GadgetRecord {
  HWND handle;  // the control (a spin field's text part); 0 = slot free
  const GadgetKind* kind;
  LONG background;  // -1 = system colour
  LONG textColour;  // -1 = system colour
  // A kind's second control (a spin field's arrow part), created with the
  // gadget's number as its identifier.
  HWND second;
  DWORD ownerThread;
  // List box mouse tracking: a press on an item that was not yet released.
  BOOL pressed;
  POINT pressPoint;
  // Progress bar: a position written but not yet handed to the control,
  // because the fill would not move by a pixel.
  BOOL positionHeld;
  int heldPosition;
};

// What a kind does differently. Each member has the generic behaviour (for
// state, items and attributes: none), which a kind overrides where it needs.
class GadgetKind {
 public:
  virtual void WriteText(GadgetRecord& g, const wchar_t* text) const;
  virtual std::wstring ReadText(GadgetRecord& g) const;
  virtual void WriteState(GadgetRecord&, int) const {}
  virtual int ReadState(GadgetRecord&) const { return 0; }
  virtual void InsertItem(GadgetRecord&, int, const wchar_t*) const {}
  virtual void ClearItems(GadgetRecord&) const {}
  virtual void WriteAttribute(GadgetRecord&, int, int) const {}
  virtual int ReadAttribute(GadgetRecord&, int) const { return 0; }
  // Placing; the values may be KeepValue (ResolvePlacement replaces them).
  virtual void Place(GadgetRecord& g, int x, int y, int width, int height) const;
  // The kind's own position and size in the parent, for replacing KeepValue.
  virtual RECT CurrentRect(GadgetRecord& g) const;
  virtual int OuterWidth(GadgetRecord& g) const;
  // Messages the parent window forwards; true when handled (*result set).
  virtual bool ParentMessage(int, GadgetRecord&, UINT, WPARAM, LPARAM, LRESULT*) const {
    return false;
  }
  // Messages to the control itself, before the control sees them; true when
  // consumed (*result is then the answer).
  virtual bool ControlMessage(int, GadgetRecord&, HWND, UINT, WPARAM, LPARAM, LRESULT*) const {
    return false;
  }
  // A font for another display scale; the gadget is placed anew after it.
  virtual void NewFont(GadgetRecord& g, HFONT font) const;
  // The control is going: frees what the kind holds besides it.
  virtual void Release(GadgetRecord&) const {}
  // LB_INITSTORAGE and the like, 0 = none.
  virtual UINT InitStorageMessage() const { return 0; }
};

NumberTable<GadgetRecord>& GadgetTable();
GadgetRecord* LookupGadget(int number);

// Creation steps: the control in the thread's gadget target, the slot, and
// the registration that makes the control the gadget (its identifier is then
// the gadget's number, the one place the number is kept on the control).
// Below the public operations every position and size is in pixels.
HWND CreateGadgetControl(const wchar_t* windowClass, const wchar_t* text, DWORD exStyle,
                         DWORD style, int x, int y, int width, int height, int id);
GadgetRecord* AllocateGadget(int number);
void RegisterGadget(int number, GadgetRecord* record, HWND control, const GadgetKind* kind);
// Creation as most kinds do it: control, slot, registration. The rectangle
// is at 96 DPI, as the program gives it; the control gets it at TargetDpi().
HWND CreateSimpleGadget(int number, const GadgetKind* kind, const wchar_t* windowClass,
                        const wchar_t* text, DWORD exStyle, DWORD style, int x, int y, int width,
                        int height, int id = -1);
// The display scale of the calling thread's gadget target.
int TargetDpi();

// Queues a gadget event for the control's layer window.
void QueueGadgetEvent(HWND control, int gadget, int subtype);
// The control's window rectangle in its parent's client coordinates.
RECT ControlRectInParent(HWND control);
// Replaces each KeepValue by the gadget's current position or size.
void ResolvePlacement(GadgetRecord& g, int* x, int* y, int* width, int* height);
