#include "app/session_end.h"

#include "app/event_loop.h"
#include "app/shut_down.h"
#include "gui/session_end.h"
#include "run/run_stop.h"

namespace {

// Bounded: Windows ends a program that keeps the end waiting anyway.
constexpr DWORD RunCancelLimitMs = 5000;

void EventLoopTurn() { RunEventLoopOnce(10); }

// A run going on is cancelled and its file in hand undone before the end is
// allowed, so log-off leaves no part of a file behind.
bool AllowSessionEnd() {
  CancelRunWithin(RunCancelLimitMs, EventLoopTurn);
  return true;
}

void EndSession(bool ending) {
  if (ending) ShutDown();
}

}  // namespace

void AnswerSessionEnd() { SetSessionEndHandlers(AllowSessionEnd, EndSession); }
