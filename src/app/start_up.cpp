#include "app/start_up.h"

#include <new>

#include "app/main_window.h"
#include "app/program_state.h"
#include "app/session_end.h"
#include "gui/busy.h"
#include "gui/layer.h"
#include "plan/file_list.h"
#include "plan/scan_folder.h"
#include "run/taskbar_progress.h"
#include "run/thread_registry.h"

void StartUp(HINSTANCE instance) {
  ProgramState& program = Program();
  program = ProgramState{};
  program.ProgramHeap = HeapCreate(0, 4096, 0);
  InitGuiLayer(instance);
  InitThreadRegistry();
  // The list lives in the program's heap with its entries; destroying the
  // heap at the end releases both at once.
  void* block =
      HeapAlloc(program.ProgramHeap ? program.ProgramHeap : GetProcessHeap(), 0, sizeof(FileList));
  if (block) program.Files = new (block) FileList(program.ProgramHeap);
  // A scan of a big tree runs on the main thread for seconds.
  SetScanTick(SignalThreadAlive);
  // Before the window: the taskbar may speak as soon as it is shown.
  WatchTaskbarButton();
  AnswerSessionEnd();
  CreateMainWindow();
}
