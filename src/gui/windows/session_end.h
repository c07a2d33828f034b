#pragma once
#include <windows.h>

// The window procedure's part of the session end: true when the message was
// one of its two, with the answer in result.
bool ServeSessionEnd(UINT message, WPARAM wParam, LRESULT* result);
