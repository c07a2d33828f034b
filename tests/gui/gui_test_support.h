#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"  // the flag words the program opens its windows with
#include "gui/app_window.h"
#include "run/progress_window.h"
#include "support/input.h"
#include "support/read.h"

// Events as a program's loop sees them, real input through the system's
// input queue, and a window for the gadgets of a test.

struct SeenEvent {
  int code, gadget, window, subtype;
};
std::string Describe(const std::vector<SeenEvent>& events);
// Runs the layer's 10 ms wait until match() holds or timeoutMs passed; the
// layer events (not raw message numbers) on the way go to *seen.
bool WaitForEvent(const std::function<bool(const SeenEvent&)>& match, DWORD timeoutMs,
                  std::vector<SeenEvent>* seen = nullptr);
std::vector<SeenEvent> CollectEvents(DWORD ms);
std::vector<int> GadgetSubtypes(int gadget, DWORD ms);  // of its gadget events
int CountEvents(const std::vector<SeenEvent>& events, int code, int gadget, int window);
void DrainEvents();

// Real input; screen coordinates.
void MoveMouseTo(int x, int y);
void PressMouse();
void ReleaseMouse();
void ClickAt(POINT p);
void BringToFront(HWND hwnd);
RECT WindowRect(HWND hwnd);

// Window 0, shown and active; windows 0 to 3 are closed afterwards.
class GadgetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  HWND window_ = nullptr;
};
