#pragma once
#include <string>

// The bundelor.exe that tests start or read: the one the environment variable
// BUNDELOR_EXE names (a Windows path; the 32-bit lanes point it at the shipped
// file), else the program of this build.
std::wstring ProgramFile();
