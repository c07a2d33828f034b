#pragma once
#include <windows.h>

// Thread routine of a packaging run; the argument is the TransferMode.
DWORD WINAPI PackagingWorker(LPVOID mode);
