#pragma once
#include <windows.h>

#include <string>

class FileList;

// The plan the next worker carries out and the folder it was scanned from;
// set on the main thread before it starts.
void SetPackagingPlan(FileList* files, const std::wstring& source);

// Thread routine of a packaging run; the argument is the TransferMode.
DWORD WINAPI PackagingWorker(LPVOID mode);
