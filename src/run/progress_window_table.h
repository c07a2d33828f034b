#pragma once
#include "gui/gadget_rows.h"
#include "gui/gadgets.h"
#include "run/progress_window.h"

// The window's inner size at 96 DPI; it does not change.
constexpr int ProgressWindowWidth = 400, ProgressWindowHeight = 103;

// clang-format off
inline constexpr GadgetRow ProgressGadgetRows[] = {
    {FileLabel, GadgetType::Label, 10, 10, 35, 15, L"Datei:"},
    {CurrentFileText, GadgetType::Label, 40, 10, 350, 20, L""},
    {ProgressBar, GadgetType::ProgressBar, 10, 30, 380, 15, nullptr, AnchorFixed, NoStartValue, ProgressSmooth, 0, 100},
    {CancelButton, GadgetType::Button, 155, 60, 90, 25, L"Abbrechen"},
};
// clang-format on

inline constexpr GadgetRowTable ProgressGadgetTable =
    MakeGadgetRowTable(ProgressGadgetRows, ProgressWindowWidth, ProgressWindowHeight);
