#pragma once
#include <cstdint>
#include <functional>

#include "plan/file_list.h"

// Deals the entries out in list order to packages 1..count in turn; a count
// of 0 or less puts every entry into package 1.
void AssignByCount(FileList& list, int32_t count);

// Sorts the list by size, largest first, and fills packages of at most limit
// bytes, next fit: each file goes into the last package or opens a new one.
// When the largest file exceeds limit, oversizeNotice runs once and that
// file's size serves as the limit for this call only.
void AssignBySize(FileList& list, int64_t limit, const std::function<void()>& oversizeNotice);
