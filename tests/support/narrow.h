#pragma once
#include <string>

// A wide text as UTF-8, for failure messages and printed lines.
std::string Narrow(const std::wstring& text);
