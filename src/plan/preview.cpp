#include "plan/preview.h"

#include "gui/gadgets.h"

void FillPackageList(int listGadget, FileList& list) {
  list.SortEntries(SortKey::Package, SortOrder::Ascending);
  const FileEntry* last = list.MoveToLast();
  const int32_t count = last ? last->Package : 0;
  if (count <= 0) return;
  BeginItemFill(listGadget, count);
  wchar_t item[32];
  for (int32_t i = 1; i <= count; ++i) {
    wsprintfW(item, L"Paket %d", i);
    InsertItem(listGadget, -1, item);
  }
  EndItemFill(listGadget);
}

int64_t FillPackageContents(int listGadget, FileList& list, int32_t package) {
  int64_t sum = 0;
  list.Rewind();
  BeginItemFill(listGadget, 0);
  while (const FileEntry* entry = list.Advance()) {
    if (entry->Package != package) continue;
    InsertItem(listGadget, -1, entry->Path);
    sum += entry->Size;
  }
  EndItemFill(listGadget);
  return sum;
}
