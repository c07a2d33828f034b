#pragma once
#include <windows.h>
#include <string>

// The form of a full path to hand to file-system calls: paths beyond the
// classic 260-character limit get the \\?\ (or \\?\UNC\) prefix, which Windows
// needs for them; shorter paths and relative ones are returned as they are.
std::wstring PlatformPath(const wchar_t* path, size_t length);
