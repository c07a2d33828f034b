#pragma once
#include <cstdint>
#include <string>

// bytes in MiB with exactly two decimals and a full stop, whatever the
// locale: "1.50", "0.00", "-2.00", "-0.00".
std::wstring FormatMiB(int64_t bytes);

// The caption of the package contents frame for a package of bytes.
std::wstring PackageSizeCaption(int64_t bytes);
