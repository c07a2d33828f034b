#include "app/main_window.h"

#include "gui/app_window.h"
#include "gui/events.h"
#include "gui/gadgets.h"
#include "gui/keep_value.h"
#include "plan/size_units.h"

namespace {
constexpr unsigned SpinFlags = SpinReadOnly | SpinShowsPosition;
constexpr int SpinMaximum = 9999999;
}  // namespace

void CreateMainWindow() {
  if (!OpenAppWindow(MainWindow, 435, 191, 576, 422, L"Quoddle - Bundelor 1.0", MainWindowFlags,
                     nullptr)) {
    return;
  }
  // The window may never get smaller than it was created (the screen may
  // have cut it already, so measure rather than assume 576 x 422).
  SetAppWindowBounds(MainWindow, AppWindowInnerWidth(MainWindow), AppWindowInnerHeight(MainWindow),
                     KeepValue, KeepValue);
  // A folder dropped from the shell becomes the source.
  AcceptDroppedFiles(MainWindow, true);

  // Creation order decides the tab order and the option groups: the size
  // option must follow the count option directly, before both spin fields.
  NewFrame(SourceFrame, 5, 5, 565, 50, L"Verzeichnis der Dateien, die paketiert werden sollen");
  NewTextField(SourcePathField, 15, 25, 455, 20, L"", TextFieldReadOnly);
  NewButton(BrowseButton, 480, 21, 80, 25, L"Durchsuchen");
  NewFrame(SettingsFrame, 5, 60, 565, 80, L"Einstellungen f\u00fcr die Paketierung");
  NewOption(ByCountOption, 15, 80, 195, 15, L"Paketieren anhand der Paketanzahl:");
  NewOption(BySizeOption, 15, 107, 195, 15, L"Paketieren anhand der Paketgr\u00f6\u00dfe:");
  WriteState(BySizeOption, 1);
  NewSpinField(PackageCountSpin, 215, 78, 85, 20, 1, SpinMaximum, SpinFlags);
  NewSpinField(PackageSizeSpin, 215, 105, 87, 20, 1, SpinMaximum, SpinFlags);
  WriteState(PackageSizeSpin, 700);
  WriteState(PackageCountSpin, 10);
  NewComboBox(SizeUnitCombo, 310, 105, 80, 20);
  for (int i = 0; i < SizeUnitCount; ++i) InsertItem(SizeUnitCombo, -1, SizeUnitText(i));
  WriteState(SizeUnitCombo, 2);
  NewOption(CopyOption, 415, 80, 105, 20, L"Dateien kopieren");
  NewOption(MoveOption, 415, 107, 122, 20, L"Dateien verschieben");
  WriteState(CopyOption, 1);
  NewFrame(PackagesFrame, 5, 145, 90, 235, L"Pakete");
  NewListBox(PackageList, 10, 160, 80, 215);
  NewFrame(ContentsFrame, 100, 145, 470, 235, L"Inhalt des markierten Pakets");
  NewListBox(ContentsList, 105, 160, 460, 215);
  NewButton(PreviewButton, 5, 385, 70, 30, L"Vorschau");
  NewButton(RunButton, 210, 385, 145, 30, L"Paketierung durchf\u00fchren");

  // Whatever the creation queued is taken here, so none of it reaches the
  // dispatch of the event loop.
  while (PollAppEvent() != 0) {
  }
  SetAppWindowHidden(MainWindow, 0);
}
