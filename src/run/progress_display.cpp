#include "run/progress_display.h"

#include "gui/app_window.h"
#include "gui/gadgets.h"
#include "gui/owner_notice.h"
#include "gui/toolbox/scoped.h"
#include "run/progress_window.h"
#include "run/taskbar_progress.h"

namespace {

// 25 refreshes a second at most: smooth to the eye, and little work for the
// main thread beside the copies.
constexpr DWORD RefreshIntervalMs = 40;

struct Progress {
  std::wstring fileName;
  int filesDone = 0;
  bool stopped = false;  // a warning ends the run
};

// Written by the worker, read by the main thread.
CriticalSection publishedLock;
Progress published;
// What the gadgets show (main thread only).
Progress shown;

void ShowLatest() {
  Progress latest;
  {
    const CriticalSectionLock hold(publishedLock);
    latest = published;
  }
  if (latest.fileName != shown.fileName) WriteText(CurrentFileText, latest.fileName.c_str());
  if (latest.filesDone != shown.filesDone) WriteState(ProgressBar, latest.filesDone);
  // The taskbar button follows the bar.
  if (latest.stopped) {
    ShowTaskbarStopped();
  } else {
    ShowTaskbarProgress(latest.filesDone, ReadAttribute(ProgressBar, ProgressMaximum));
  }
  shown = std::move(latest);
}

OwnerNotice notice(ShowLatest, RefreshIntervalMs);

}  // namespace

void AttachProgressDisplay() {
  {
    const CriticalSectionLock hold(publishedLock);
    published = Progress();
  }
  shown = Progress();  // the label starts empty, the bar at 0
  notice.Attach(AppWindowHandle(ProgressWindow));
}

void DetachProgressDisplay() {
  notice.Attach(nullptr);
  ClearTaskbarProgress();
}

void PublishProgress(const std::wstring& fileName, int filesDone) {
  {
    const CriticalSectionLock hold(publishedLock);
    published.fileName.assign(fileName);  // keeps the buffer: no allocation per file
    published.filesDone = filesDone;
  }
  notice.Raise();
}

void ShowProgressExactly(const std::wstring& fileName, int filesDone) {
  PublishProgress(fileName, filesDone);
  notice.Deliver();
}

void ShowRunStopped() {
  {
    const CriticalSectionLock hold(publishedLock);
    published.stopped = true;
  }
  notice.Deliver();
}
