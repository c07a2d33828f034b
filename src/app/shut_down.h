#pragma once

// Handler of the main window's close: ends a run in its file, then the program.
[[noreturn]] void ShutDown();
