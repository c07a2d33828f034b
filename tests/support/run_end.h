#pragma once

// Whether the program's packaging run, in this test process, is over: its
// worker has ended and its progress window is gone. (The end-to-end tests see
// only the window: E2eTest::WaitForRunEnd.)
bool RunHasEnded();
