#pragma once
#include <string>

// A file or folder of this build tree, given by its name beside the test
// programs' folder (build/<preset>/<name>): worked out from the running
// program's own path, so the tree may move.
std::wstring BuildTreeFile(const wchar_t* name);

// An environment variable's value; "" when it is not set (or too long).
std::wstring EnvironmentText(const wchar_t* name);

// The bundelor.exe that tests start or read: the one the environment variable
// BUNDELOR_EXE names (a Windows path; the 32-bit lanes point it at the shipped
// file), else the program of this build.
std::wstring ProgramFile();
