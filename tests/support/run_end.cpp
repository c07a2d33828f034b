#include "support/run_end.h"

#include "gui/app_window.h"
#include "run/progress_window.h"
#include "run/run_state.h"

bool RunHasEnded() { return !RunInProgress() && !AppWindowHandle(ProgressWindow); }
