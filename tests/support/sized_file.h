#pragma once
#include <cstdint>
#include <string>

// Files of a given size for tests, written in chunks (also files of many
// megabytes or gigabytes).

enum class FileFill {
  // Every byte from a pattern that depends on the seed and on the position:
  // every megabyte differs, so a wrong, short or mixed-up copy shows.
  Whole,
  // The pattern in the first and the last megabyte, a hole between: big
  // enough that copying it takes a while, cheap to make. (Whole below 2 MiB.)
  Ends,
  // Nothing written: a hole of that size (sparse where the file system
  // allows), for sizes no disk here could hold.
  Hole,
};

// Creates or replaces the file (its folder must exist); false when it failed.
bool WriteSizedFile(const std::wstring& path, int64_t size, FileFill fill = FileFill::Whole,
                    unsigned seed = 1);
