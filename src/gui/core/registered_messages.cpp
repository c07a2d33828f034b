#include "gui/registered_messages.h"

#include <atomic>

namespace {

struct Watch {
  UINT message;
  RegisteredMessageHandler handler;
};

// A handful at most, fixed once the program has started: any thread's window
// procedure reads them without a lock, so a slot is filled before it counts.
constexpr int MaxWatches = 4;
Watch watches[MaxWatches];
std::atomic<int> watchCount{0};

}  // namespace

bool WatchRegisteredMessage(const wchar_t* name, RegisteredMessageHandler handler) {
  const int count = watchCount.load();
  if (count == MaxWatches || !handler) return false;
  const UINT message = RegisterWindowMessageW(name);
  if (message == 0) return false;
  watches[count] = {message, handler};
  watchCount.store(count + 1);
  return true;
}

void ServeRegisteredMessage(HWND window, UINT message) {
  // Registered messages lie above 0xBFFF; the common ones end here.
  if (message < 0xC000) return;
  const int count = watchCount.load();
  for (int i = 0; i < count; ++i) {
    if (watches[i].message == message) watches[i].handler(window);
  }
}
