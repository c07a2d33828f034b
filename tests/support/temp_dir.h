#pragma once
#include <cstdint>
#include <string>

// A fresh folder under the Windows temp folder, removed with everything in it
// when the object dies. Paths use backslashes and have no trailing one.
class TempDir {
 public:
  TempDir();
  // The same inside another folder (given with its trailing backslash).
  explicit TempDir(const std::wstring& parent);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::wstring& Path() const { return path_; }
  // Path of a relative name inside the folder ("a\\b.txt").
  std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }
  // Creates the file (and its missing parent folders) with the given bytes.
  void WriteFile(const std::wstring& relative, const std::string& bytes) const;
  // Creates a file (and its missing parent folders) of size bytes, its
  // pattern from seed (support/sized_file.h).
  void WriteSizedFile(const std::wstring& relative, int64_t size, unsigned seed = 1) const;
  void MakeFolder(const std::wstring& relative) const;
  // A folder with one file in it that its parent lists but that no path
  // reaches: made on the Linux side with a "*" in its name, which Wine lists
  // and refuses in every path (as Windows does with such names on a share).
  // Folder permissions cannot make a folder unreadable here: the tests run as
  // root. Returns its path as listed; "" where not under Wine.
  std::wstring MakeUnlistableFolder(const std::wstring& relative) const;
  // Runs a shell script in the folder on the Linux side and waits for it;
  // false where not under Wine or when it failed.
  bool RunOnLinux(const std::wstring& script) const;

 private:
  std::wstring path_;
  mutable bool madeOnLinux_ = false;  // then only Linux can remove all of it
};

// Whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
// Removes a folder tree; long paths and names a plain path cannot reach
// allowed. Links in it are removed, never followed.
void RemoveTree(const std::wstring& path);
