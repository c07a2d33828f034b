#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// The paths of a WM_DROPFILES drop; releases the drop handle.
std::vector<std::wstring> TakeDroppedPaths(HDROP drop);
