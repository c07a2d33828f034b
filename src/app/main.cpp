#include <windows.h>

#include "app/command_line.h"
#include "app/event_loop.h"
#include "app/start_up.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  StartUp(GetModuleHandleW(nullptr));
  OpenSourceFromCommandLine(GetCommandLineW());
  RunEventLoop();
}
