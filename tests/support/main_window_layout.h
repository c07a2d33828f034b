#pragma once
#include "app/main_window.h"

// Where the program builds the main window's gadgets (client pixels at 96
// DPI) and with which texts; the run button, which the first layout moves,
// is left out.
struct CreatedGadget {
  int gadget;
  int x, y, w, h;
  const wchar_t* text;
};

// Spin fields: the text part; the arrows take the right h / 2 pixels.
inline constexpr CreatedGadget CreationLayout[] = {
    {SourceFrame, 5, 5, 565, 50, L"Verzeichnis der Dateien, die paketiert werden sollen"},
    {SourcePathField, 15, 25, 455, 20, L""},
    {BrowseButton, 480, 21, 80, 25, L"Durchsuchen"},
    {SettingsFrame, 5, 60, 565, 80, L"Einstellungen f\u00fcr die Paketierung"},
    {ByCountOption, 15, 80, 195, 15, L"Paketieren anhand der Paketanzahl:"},
    {BySizeOption, 15, 107, 195, 15, L"Paketieren anhand der Paketgr\u00f6\u00dfe:"},
    {PackageCountSpin, 215, 78, 75, 20, L"10"},
    {PackageSizeSpin, 215, 105, 77, 20, L"700"},
    {SizeUnitCombo, 310, 105, 80, 20, L"MiB (1024)"},
    {CopyOption, 415, 80, 105, 20, L"Dateien kopieren"},
    {MoveOption, 415, 107, 122, 20, L"Dateien verschieben"},
    {PackagesFrame, 5, 145, 90, 235, L"Pakete"},
    {PackageList, 10, 160, 80, 215, L""},
    {ContentsFrame, 100, 145, 470, 235, L"Inhalt des markierten Pakets"},
    {ContentsList, 105, 160, 460, 215, L""},
    {PreviewButton, 5, 385, 70, 30, L"Vorschau"},
};
