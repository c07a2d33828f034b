#pragma once
#include <windows.h>

#include <cstdint>

// Process-wide list of started threads under one lock.
void InitThreadRegistry();
// Starts routine(argument) on a new thread; returns its sequence number
// (1, 2, ...) or 0 when no thread could be created. Handles of threads that
// have ended are closed on the way.
int32_t StartThread(LPTHREAD_START_ROUTINE routine, int32_t argument);
// Closes every remaining handle without waiting for the threads.
void EmptyThreadRegistry();
