#pragma once
#include <string>

#include "plan/scan_folder.h"

// The warning about what a scan could not read: how many folders and files,
// the first paths, and what becomes of them; "" when everything was read.
std::wstring UnreadNotice(const ScanResult& scan);
