#pragma once
#include <windows.h>

#include <commctrl.h>

// The window styles each gadget kind creates its control with. Every one is
// checked against the number it has always had, so a change here is seen.

constexpr DWORD GadgetVisibleChild = WS_CHILD | WS_VISIBLE;

constexpr DWORD FrameStyle = GadgetVisibleChild | WS_GROUP | BS_GROUPBOX;
static_assert(FrameStyle == 0x50020007, "frame style");

// Text fields add the caller's flags (TextFieldReadOnly).
constexpr DWORD TextFieldStyle = GadgetVisibleChild | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;
static_assert(TextFieldStyle == 0x50030080, "text field style");

constexpr DWORD ButtonStyle = GadgetVisibleChild | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON;
static_assert(ButtonStyle == 0x50030000, "button style");

constexpr DWORD LabelStyle = GadgetVisibleChild | WS_GROUP | SS_LEFT;
static_assert(LabelStyle == 0x50020000, "label style");

// The first option of a group adds WS_GROUP.
constexpr DWORD OptionStyle = GadgetVisibleChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
static_assert(OptionStyle == 0x50010009, "option style");

// A spin field's text part, ES_READONLY added for SpinReadOnly, and its arrow
// part, UDS_SETBUDDYINT added for SpinShowsPosition.
constexpr DWORD SpinTextStyle = GadgetVisibleChild | WS_TABSTOP | ES_RIGHT;
static_assert(SpinTextStyle == 0x50010002, "spin text style");
static_assert((SpinTextStyle | ES_READONLY) == 0x50010802, "read-only spin text style");
constexpr DWORD SpinArrowStyle = GadgetVisibleChild | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
static_assert(SpinArrowStyle == 0x500000A0, "spin arrow style");
static_assert((SpinArrowStyle | UDS_SETBUDDYINT) == 0x500000A2, "spin arrow style with position");

constexpr DWORD ComboBoxStyle =
    GadgetVisibleChild | WS_BORDER | WS_VSCROLL | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST;
static_assert(ComboBoxStyle == (0x50A20000 | 0x00010003), "combo box style");

constexpr DWORD ListBoxStyle = GadgetVisibleChild | WS_VSCROLL | WS_HSCROLL | WS_GROUP |
                               WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_NOTIFY;
static_assert(ListBoxStyle == 0x50330141, "list box style");

// Progress bars add the caller's flags (ProgressSmooth).
constexpr DWORD ProgressBarStyle = GadgetVisibleChild;
static_assert(ProgressBarStyle == 0x50000000, "progress bar style");
