#pragma once
#include <windows.h>

#include <cstdint>

class FileList;

// The program's globals; all zero until start-up fills them.
struct ProgramState {
  HANDLE ProgramHeap;
  FileList* Files;    // the one plan: every source file with its package
  int CurrentEvent;   // code of the last wait, 0 after a time-out
  int64_t SizeLimit;  // bytes, from the last plan built by size
};

ProgramState& Program();
