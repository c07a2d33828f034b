#pragma once
#include "app/main_window.h"
#include "gui/gadget_rows.h"
#include "gui/gadgets.h"
#include "plan/size_units.h"

// Where the main window opens and how large its inner part is at 96 DPI; it
// never gets smaller than that.
constexpr int MainWindowX = 435, MainWindowY = 191;
constexpr int MainWindowWidth = 576, MainWindowHeight = 422;
inline constexpr wchar_t MainWindowTitle[] = L"Quoddle - Bundelor 1.0";

constexpr unsigned MainSpinFlags = SpinReadOnly | SpinShowsPosition;
constexpr int MainSpinMaximum = 9999999;

// The size option must follow the count option directly, before both spin
// fields, or the two would not form one group.
// clang-format off
inline constexpr GadgetRow MainGadgetRows[] = {
    {SourceFrame, GadgetType::Frame, 5, 5, 565, 50, L"Verzeichnis der Dateien, die paketiert werden sollen", AnchorStretchRight},
    {SourcePathField, GadgetType::TextField, 15, 25, 455, 20, L"", AnchorStretchRight, NoStartValue, TextFieldReadOnly},
    {BrowseButton, GadgetType::Button, 480, 21, 80, 25, L"Durchsuchen", AnchorFollowRight},
    {SettingsFrame, GadgetType::Frame, 5, 60, 565, 80, L"Einstellungen f\u00fcr die Paketierung"},
    {ByCountOption, GadgetType::Option, 15, 80, 195, 15, L"Paketieren anhand der Paketanzahl:"},
    {BySizeOption, GadgetType::Option, 15, 107, 195, 15, L"Paketieren anhand der Paketgr\u00f6\u00dfe:", AnchorFixed, 1},
    {PackageCountSpin, GadgetType::SpinField, 215, 78, 85, 20, nullptr, AnchorFixed, 10, MainSpinFlags, 1, MainSpinMaximum},
    {PackageSizeSpin, GadgetType::SpinField, 215, 105, 87, 20, nullptr, AnchorFixed, 700, MainSpinFlags, 1, MainSpinMaximum},
    {SizeUnitCombo, GadgetType::ComboBox, 310, 105, 80, 20, nullptr, AnchorFixed, 2, 0, 0, 0, SizeUnitCount, SizeUnitText},
    {CopyOption, GadgetType::Option, 415, 80, 105, 20, L"Dateien kopieren", AnchorFixed, 1},
    {MoveOption, GadgetType::Option, 415, 107, 122, 20, L"Dateien verschieben"},
    {PackagesFrame, GadgetType::Frame, 5, 145, 90, 235, L"Pakete", AnchorStretchDown},
    {PackageList, GadgetType::ListBox, 10, 160, 80, 215, nullptr, AnchorStretchDown},
    {ContentsFrame, GadgetType::Frame, 100, 145, 470, 235, L"Inhalt des markierten Pakets", AnchorStretchRight | AnchorStretchDown},
    {ContentsList, GadgetType::ListBox, 105, 160, 460, 215, nullptr, AnchorStretchRight | AnchorStretchDown},
    {PreviewButton, GadgetType::Button, 5, 385, 70, 30, L"Vorschau", AnchorFollowBottom},
    {RunButton, GadgetType::Button, 210, 385, 145, 30, L"Paketierung durchf\u00fchren", AnchorCentreAcross | AnchorFollowBottom},
};
// clang-format on

inline constexpr GadgetRowTable MainGadgetTable =
    MakeGadgetRowTable(MainGadgetRows, MainWindowWidth, MainWindowHeight);
