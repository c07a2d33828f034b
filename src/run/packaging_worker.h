#pragma once
#include <windows.h>

class FileList;

// The plan the next worker carries out; set on the main thread before it starts.
void SetPackagingPlan(FileList* files);

// Thread routine of a packaging run; the argument is the TransferMode.
DWORD WINAPI PackagingWorker(LPVOID mode);
