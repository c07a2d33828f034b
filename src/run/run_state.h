#pragma once
#include <windows.h>

#include <cstdint>

// How the files reach their package folders.
enum TransferMode : int32_t { TransferCopy = 0, TransferMove = 1 };

// 1 asks the running worker to stop before its next file. Set back to 0 on
// the main thread before a worker starts, never by the worker. Reads 1 while
// the program is ending, whatever was stored.
void SetAbortRequested(int32_t value);
int32_t AbortRequested();

// True once the program has begun to end: a state apart from the flag above,
// so that no reset of the flag can take it back; nothing clears it. A worker
// then shows nothing more and leaves its window to the end of the program.
// Only a test program, which goes on after an ending it staged, sets false.
bool ProgramEnding();
void SetProgramEnding(bool ending);

// True from the start of a run until its worker has ended; the main window
// ignores whatever would touch the file list meanwhile.
bool RunInProgress();
void SetRunInProgress(bool running);
// True once the running worker has asked for its window to be closed: a
// close request before that is the user's, and cancels the run instead.
bool RunClosing();
void SetRunClosing(bool closing);
// Thread of the running worker (0 before it has started).
DWORD RunWorkerThreadId();
void SetRunWorkerThreadId(DWORD id);
