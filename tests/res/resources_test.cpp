// Reads the icon, version block and manifest back from the built program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "gui/toolbox/scoped.h"
#include "support/find.h"
#include "support/program_file.h"
#include "support/program_texts.h"

namespace {

// The program's file loaded for its resources only.
ScopedModule LoadProgramResources() {
  return ScopedModule(LoadLibraryExW(ProgramFile().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

std::string ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name) {
  HRSRC info = FindResourceW(module, name, type);
  if (!info) return {};
  HGLOBAL loaded = LoadResource(module, info);
  const char* data = static_cast<const char*>(LockResource(loaded));
  return data ? std::string(data, SizeofResource(module, info)) : std::string();
}

#pragma pack(push, 2)
struct GroupIconHeader {
  WORD reserved, type, count;
};
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(Resources, IconGroupOneHoldsBothSizesInBothDepths) {
  const ScopedModule program = LoadProgramResources();
  ASSERT_NE(program.Get(), nullptr) << "cannot load " << GetLastError();
  const std::string group = ResourceBytes(program.Get(), RT_GROUP_ICON, MAKEINTRESOURCEW(1));
  ASSERT_GE(group.size(), sizeof(GroupIconHeader));
  const auto* header = reinterpret_cast<const GroupIconHeader*>(group.data());
  ASSERT_EQ(group.size(), sizeof(GroupIconHeader) + header->count * sizeof(GroupIconEntry));
  const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
  bool seen[2][2] = {};
  for (int i = 0; i < header->count; ++i) {
    const int size = entries[i].width == 0 ? 256 : entries[i].width;
    const int s = size == 32 ? 0 : size == 16 ? 1 : -1;
    const int d = entries[i].bitCount == 32 ? 0 : entries[i].bitCount == 8 ? 1 : -1;
    ASSERT_GE(s, 0) << "unexpected size " << size;
    ASSERT_GE(d, 0) << "unexpected depth " << entries[i].bitCount;
    seen[s][d] = true;
    EXPECT_FALSE(ResourceBytes(program.Get(), RT_ICON, MAKEINTRESOURCEW(entries[i].id)).empty());
  }
  EXPECT_TRUE(seen[0][0] && seen[0][1] && seen[1][0] && seen[1][1]);
}

std::wstring VersionString(const std::string& block, const wchar_t* name) {
  std::wstring query = std::wstring(L"\\StringFileInfo\\040704B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || !value) return L"<missing>";
  return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(Resources, VersionBlockIsGermanVersionOne) {
  const std::wstring path = ProgramFile();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

  struct {
    WORD language, codePage;
  }* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation->language, 0x0407);

  VS_FIXEDFILEINFO* fixed = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);

  EXPECT_EQ(VersionString(block, L"ProductName"), L"Bundelor");
  EXPECT_EQ(VersionString(block, L"CompanyName"), L"Quoddle");
  EXPECT_EQ(VersionString(block, L"FileDescription"), FileDescription);
  EXPECT_EQ(VersionString(block, L"FileVersion"), L"1.0");
  EXPECT_EQ(VersionString(block, L"ProductVersion"), L"1.0");
}

TEST(Resources, ManifestAsksForCommonControlsSix) {
  const ScopedModule program = LoadProgramResources();
  ASSERT_NE(program.Get(), nullptr);
  const std::string manifest = ResourceBytes(program.Get(), RT_MANIFEST, MAKEINTRESOURCEW(1));
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << manifest;
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos) << manifest;
}

// Wine treats every program as aware of each display's scale, so only the
// manifest can tell.
TEST(Resources, ManifestDeclaresAwarenessOfEachDisplaysScale) {
  const ScopedModule program = LoadProgramResources();
  ASSERT_NE(program.Get(), nullptr);
  const std::string manifest = ResourceBytes(program.Get(), RT_MANIFEST, MAKEINTRESOURCEW(1));
  EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos) << manifest;
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos)
      << manifest;
}

TEST(Program, StartsWithItsMainWindowAndEndsWithExitCodeZeroWhenClosed) {
  std::wstring command = L"\"" + ProgramFile() + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process))
      << GetLastError();
  const ScopedHandle thread(process.hThread), program(process.hProcess);
  HWND found = WaitForWindow(process.dwProcessId, nullptr, MainTitle, 10000);
  EXPECT_NE(found, nullptr) << "no main window appeared";
  if (found) PostMessageW(found, WM_CLOSE, 0, 0);
  const DWORD waited = WaitForSingleObject(process.hProcess, 20000);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
  DWORD code = 1234;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

}  // namespace
