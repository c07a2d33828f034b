#pragma once
#include <functional>
#include <string>

// Reaching past Windows to the Linux side, for what no Windows call can make
// under Wine (links, names that Windows paths cannot hold).

// The Linux path of a Windows path under Wine; "" elsewhere.
std::wstring UnixPath(const std::wstring& path);
// Starts a Linux program (Wine starts those by their Linux path) and waits
// until done() holds, at most 10 s: Wine's process handle of a Linux program
// does not wait for its end. False when it could not start or never got done.
bool RunUnix(std::wstring commandLine, const std::function<bool()>& done);
