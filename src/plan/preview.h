#pragma once
#include <cstdint>

#include "plan/file_list.h"

// Sorts the list by package and appends "Paket 1" ... "Paket N" to the list
// gadget, N being the highest package number.
void FillPackageList(int listGadget, FileList& list);
// Appends the path of every entry of the package to the list gadget, in list
// order, and returns the sum of their sizes.
int64_t FillPackageContents(int listGadget, FileList& list, int32_t package);
