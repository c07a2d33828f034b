#include <windows.h>

#include "app/event_loop.h"
#include "app/source_folder.h"
#include "app/start_up.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  StartUp(GetModuleHandleW(nullptr));
  OpenSourceFromCommandLine(GetCommandLineW());
  RunEventLoop();
}
