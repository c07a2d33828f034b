#pragma once
#include <string>
#include <vector>

// The wait for events and the fields of the event it returned; the queue it
// takes them from is in event_queue.h.

// timeoutMs: -1 waits without limit, 0 does not wait. Returns an event code,
// 0 when nothing happened in time, or the number of a dispatched message that
// produced no event.
int WaitAppEvent(int timeoutMs);
int PollAppEvent();

// Fields of the event that the last wait returned (0 returns keep them).
int EventGadgetNumber();
int EventWindowNumber();
int EventSubtype();
// Full paths of what was dropped with the event last returned, in the order
// the drop gave them; empty for any other event.
const std::vector<std::wstring>& EventDroppedPaths();
