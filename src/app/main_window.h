#pragma once
#include <windows.h>

#include "gui/app_window.h"

constexpr int MainWindow = 0;
// An overlapped window, centred on the screen, opened hidden.
constexpr unsigned MainWindowFlags = WS_OVERLAPPEDWINDOW | WindowCentreOnScreen | WindowHidden;
static_assert(MainWindowFlags == 0x10CF0001, "main window flags");

// Gadgets of the main window; the numbers are what every handler uses.
enum MainGadget : int {
  SourceFrame = 0,
  SourcePathField = 1,
  BrowseButton = 2,
  SettingsFrame = 3,
  ByCountOption = 4,
  PackageCountSpin = 5,
  BySizeOption = 6,
  PackageSizeSpin = 7,
  SizeUnitCombo = 8,
  CopyOption = 9,
  MoveOption = 10,
  PackagesFrame = 11,
  PackageList = 12,
  ContentsFrame = 13,
  ContentsList = 14,
  PreviewButton = 15,
  RunButton = 16,
};

// Opens window 0 with the gadgets of its table (main_window_table.h) and
// their start values, then shows it; when the window cannot be opened,
// there is nothing to show.
void CreateMainWindow();
