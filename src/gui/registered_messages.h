#pragma once
#include <windows.h>

// Window messages that other programs register by name and send to a
// program's windows (the shell's word that a taskbar button exists, for
// instance). A module names the message once; when one reaches a layer window,
// the handler runs on that window's thread, from its window procedure, and the
// message then gets the default handling.

using RegisteredMessageHandler = void (*)(HWND window);

// Call before the windows that may receive it exist. False when the name
// cannot be registered or all slots are taken.
bool WatchRegisteredMessage(const wchar_t* name, RegisteredMessageHandler handler);

// For the layer's window procedure: runs the handler of a watched message.
void ServeRegisteredMessage(HWND window, UINT message);
