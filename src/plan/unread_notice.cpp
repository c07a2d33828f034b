#include "plan/unread_notice.h"

namespace {

std::wstring Counted(uint32_t count, const wchar_t* one, const wchar_t* many) {
  return std::to_wstring(count) + L" " + (count == 1 ? one : many);
}

}  // namespace

std::wstring UnreadNotice(const ScanResult& scan) {
  const uint32_t total = scan.unreadFolders + scan.unreadFiles;
  if (total == 0) return std::wstring();
  std::wstring text;
  if (scan.unreadFolders) text = Counted(scan.unreadFolders, L"Verzeichnis", L"Verzeichnisse");
  if (scan.unreadFolders && scan.unreadFiles) text += L" und ";
  if (scan.unreadFiles) text += Counted(scan.unreadFiles, L"Datei", L"Dateien");
  text += total == 1 ? L" konnte nicht gelesen werden:" : L" konnten nicht gelesen werden:";
  for (const std::wstring& path : scan.firstUnread) text += L"\r\n" + path;
  if (total > scan.firstUnread.size()) {
    text += L"\r\n... und " + std::to_wstring(total - scan.firstUnread.size()) + L" weitere";
  }
  text += L"\r\n";
  if (scan.unreadFolders) {
    text += L"\r\nDer Inhalt nicht lesbarer Verzeichnisse fehlt in den Paketen.";
  }
  if (scan.unreadFiles) text += L"\r\nNicht lesbare Dateien werden trotzdem eingeplant.";
  return text;
}
