#pragma once
#include <string>

// A symbolic link to a folder for the time of a test, removed with the
// object (declare it after the folders it lives in). Under Wine it is made
// and removed on the Linux side: Wine's CreateSymbolicLinkW reports success
// without making anything, and its file calls cannot remove a link.
class FolderLink {
 public:
  // link: full path of the link to make. target: the folder it leads to,
  // relative to the link's own folder, with "/" between names (for example
  // ".." or "../other").
  FolderLink(const std::wstring& link, const std::wstring& target);
  ~FolderLink();
  FolderLink(const FolderLink&) = delete;
  FolderLink& operator=(const FolderLink&) = delete;
  // True when the link exists and leads to a folder.
  bool Made() const;

 private:
  std::wstring link_;
  std::wstring unixLink_;  // empty when not under Wine
};
