#pragma once
#include <windows.h>

#include <cstdint>

// How the files reach their package folders.
enum TransferMode : int32_t { TransferCopy = 0, TransferMove = 1 };

// 1 asks the running worker to stop before its next file.
void SetAbortRequested(int32_t value);
int32_t AbortRequested();

// True once the program has begun to end; nothing clears it. A worker then
// shows nothing more and leaves its window to the end of the program.
bool ProgramEnding();
void SetProgramEnding();

// True from the start of a run until its worker has ended; the main window
// ignores whatever would touch the file list meanwhile.
bool RunInProgress();
void SetRunInProgress(bool running);
// Thread of the running worker (0 before it has started).
DWORD RunWorkerThreadId();
void SetRunWorkerThreadId(DWORD id);
