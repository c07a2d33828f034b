#include "gui/owner_notice.h"

namespace {

// The notice attached to a window, as a window property; a message for a
// window without one (or a stray one from another process) runs nothing.
const wchar_t Property[] = L"GuiLayerOwnerNotice";
constexpr UINT_PTR TimerId = 0x4E4F;
constexpr WPARAM RunNow = 1;

UINT NoticeMessage() {
  static const UINT message = RegisterWindowMessageW(L"GuiLayerOwnerNotice");
  return message;
}

}  // namespace

void OwnerNotice::Attach(HWND window) {
  const HWND previous = window_.exchange(window);
  if (previous && IsWindow(previous)) {
    if (timerSet_) KillTimer(previous, TimerId);
    if (GetPropW(previous, Property) == this) RemovePropW(previous, Property);
  }
  timerSet_ = false;
  ran_ = false;
  pending_.store(false);
  if (window) SetPropW(window, Property, this);
}

void OwnerNotice::Raise() {
  if (pending_.exchange(true)) return;
  const HWND window = window_.load();
  if (!window || !PostMessageW(window, NoticeMessage(), 0, 0)) pending_.store(false);
}

void OwnerNotice::Deliver() {
  if (const HWND window = window_.load()) SendMessageW(window, NoticeMessage(), RunNow, 0);
}

void OwnerNotice::Run() {
  if (timerSet_) {
    KillTimer(window_.load(), TimerId);
    timerSet_ = false;
  }
  // Cleared first, so whatever is published from here on raises a new notice.
  pending_.store(false);
  handler_();
  // Counted from the end: a slow handler still leaves the thread an interval
  // for everything else.
  lastRun_ = GetTickCount();
  ran_ = true;
}

bool OwnerNotice::Serve(HWND window, UINT message, WPARAM wParam) {
  const bool timer = message == WM_TIMER && wParam == TimerId;
  if (!timer && message != NoticeMessage()) return false;
  auto* notice = static_cast<OwnerNotice*>(GetPropW(window, Property));
  if (!notice || notice->window_.load() != window) return true;
  const DWORD since = GetTickCount() - notice->lastRun_;
  if (timer || wParam == RunNow || !notice->ran_ || since >= notice->interval_) {
    notice->Run();
  } else if (!notice->timerSet_) {
    notice->timerSet_ = SetTimer(window, TimerId, notice->interval_ - since, nullptr) != 0;
    if (!notice->timerSet_) notice->Run();
  }
  return true;
}
