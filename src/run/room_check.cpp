#include "run/room_check.h"

#include <cstdint>
#include <unordered_map>

#include "gui/requesters.h"
#include "plan/file_list.h"
#include "run/progress_display.h"
#include "run/volumes.h"

namespace {

const wchar_t Caption[] = L"Bundelor";
constexpr uint64_t MiB = 1024 * 1024;
// The largest file FAT32 holds is one byte short of this.
constexpr int64_t Fat32FileLimit = 4LL * 1024 * MiB;

FileSystemNameQuery fileSystemNameQuery = FileSystemName;

uint64_t BytesOf(const FileEntry& entry) {
  return entry.Size > 0 ? static_cast<uint64_t>(entry.Size) : 0;
}

std::wstring FolderOf(const FileEntry& entry) {
  const std::wstring path(entry.Path, entry.PathLength);
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(0, slash + 1);
}

// A move within one volume only renames; the files from other volumes are
// copied. A file whose volume cannot be told is counted.
uint64_t BytesFromOtherVolumes(FileList& files, const std::wstring& destinationRoot) {
  // Asked once per folder, not per file.
  std::unordered_map<std::wstring, bool> sameByFolder;
  uint64_t bytes = 0;
  files.Rewind();
  while (const FileEntry* entry = files.Advance()) {
    const std::wstring folder = FolderOf(*entry);
    auto known = sameByFolder.find(folder);
    if (known == sameByFolder.end()) {
      known = sameByFolder.emplace(folder, SameVolume(VolumeRoot(folder), destinationRoot)).first;
    }
    if (!known->second) bytes += BytesOf(*entry);
  }
  return bytes;
}

bool AskToBeginAnyway(uint64_t freeBytes, uint64_t neededBytes) {
  // Neither figure makes the room look larger or the need smaller than it is.
  const std::wstring question = L"Auf dem Ziel sind nur " + std::to_wstring(freeBytes / MiB) +
                                L" MiB frei, die Pakete brauchen " +
                                std::to_wstring((neededBytes + MiB - 1) / MiB) +
                                L" MiB.\r\nTrotzdem beginnen?";
  const int answer = RequestMessage(Caption, question.c_str(), MessageYesNo);
  // A program that is ending answers for the user.
  return answer == IDYES && AbortRequested() == 0;
}

}  // namespace

bool RoomForRun(TransferMode mode, FileList& files, const std::wstring& destination) {
  uint64_t allBytes = 0;
  bool tooLargeForFat32 = false;
  files.Rewind();
  while (const FileEntry* entry = files.Advance()) {
    allBytes += BytesOf(*entry);
    if (entry->Size >= Fat32FileLimit) tooLargeForFat32 = true;
  }
  // The file system is asked only when a planned file is too large for FAT32;
  // a copy to it would write 4 GiB before it failed.
  if (tooLargeForFat32 && fileSystemNameQuery(VolumeRoot(destination)) == L"FAT32") {
    ShowRunStopped();
    RequestMessage(Caption,
                   L"Das Ziel ist mit FAT32 formatiert und kann keine Dateien von 4 GiB oder "
                   L"mehr aufnehmen.\r\nDer Vorgang wird abgebrochen.",
                   MessageWarning);
    return false;
  }
  uint64_t freeBytes = 0;
  if (!FreeBytes(destination, &freeBytes) || allBytes <= freeBytes) return true;
  const uint64_t needed =
      mode == TransferCopy ? allBytes : BytesFromOtherVolumes(files, VolumeRoot(destination));
  return needed <= freeBytes || AskToBeginAnyway(freeBytes, needed);
}

void SetFileSystemNameQuery(FileSystemNameQuery query) {
  fileSystemNameQuery = query ? query : FileSystemName;
}
