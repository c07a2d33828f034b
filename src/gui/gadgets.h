#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

// Gadgets: numbered controls created in the calling thread's gadget target
// (the window it opened last). Creation returns the control's handle or 0.
HWND NewFrame(int gadget, int x, int y, int width, int height, const wchar_t* text);
HWND NewTextField(int gadget, int x, int y, int width, int height, const wchar_t* text,
                  unsigned flags);
HWND NewButton(int gadget, int x, int y, int width, int height, const wchar_t* text);
HWND NewOption(int gadget, int x, int y, int width, int height, const wchar_t* text);
HWND NewSpinField(int gadget, int x, int y, int width, int height, int minimum, int maximum,
                  unsigned flags);
HWND NewComboBox(int gadget, int x, int y, int width, int height);
HWND NewListBox(int gadget, int x, int y, int width, int height);
HWND NewLabel(int gadget, int x, int y, int width, int height, const wchar_t* text);
HWND NewProgressBar(int gadget, int x, int y, int width, int height, int minimum, int maximum,
                    unsigned flags);

// Flags: text fields and progress bars take Windows style bits, spin fields
// the layer's own.
enum TextFieldFlag : unsigned { TextFieldReadOnly = ES_READONLY };
static_assert(TextFieldReadOnly == 0x800, "read-only text field flag");
enum SpinFieldFlag : unsigned { SpinReadOnly = 0x1, SpinShowsPosition = 0x2 };
enum ProgressBarFlag : unsigned { ProgressSmooth = PBS_SMOOTH };
static_assert(ProgressSmooth == 0x1, "smooth progress bar flag");
enum ProgressBarAttribute : int { ProgressMinimum = 1, ProgressMaximum = 2 };

// Generic operations; on a number that is no gadget they do nothing.
void WriteText(int gadget, const wchar_t* text);
std::wstring ReadText(int gadget);
void WriteState(int gadget, int value);
int ReadState(int gadget);
void InsertItem(int gadget, int position, const wchar_t* text);
void ClearItems(int gadget);
void WriteAttribute(int gadget, int attribute, int value);
// An attribute as the gadget has it now (a progress bar's range ends); 0 for
// one that its kind does not have.
int ReadAttribute(int gadget, int attribute);
void PlaceGadget(int gadget, int x, int y, int width, int height);
int GadgetOuterWidth(int gadget);
HWND GadgetHandle(int gadget);

// Bulk item fills: between the two calls the control does not repaint (a list
// box repaints on every insertion otherwise); the end repaints it once.
void BeginItemFill(int gadget, int expectedItems);
void EndItemFill(int gadget);
