#include <windows.h>
#include <shellapi.h>

#include "app/source_folder.h"
#include "gui/requesters.h"

namespace {

// Owns the argument array of CommandLineToArgvW.
class ArgumentList {
 public:
  explicit ArgumentList(const wchar_t* commandLine)
      : arguments_(CommandLineToArgvW(commandLine, &count_)) {}
  ~ArgumentList() {
    if (arguments_) LocalFree(arguments_);
  }
  ArgumentList(const ArgumentList&) = delete;
  ArgumentList& operator=(const ArgumentList&) = delete;
  // The argument at index (0 is the program), or nullptr.
  const wchar_t* At(int index) const {
    return arguments_ && index < count_ ? arguments_[index] : nullptr;
  }

 private:
  int count_ = 0;
  wchar_t** arguments_;
};

}  // namespace

void OpenSourceFromCommandLine(const wchar_t* commandLine) {
  const ArgumentList arguments(commandLine);
  const wchar_t* folder = arguments.At(1);
  if (!folder || !folder[0]) return;
  if (ShowSourceFolder(folder)) return;
  const std::wstring text = std::wstring(L"Das Verzeichnis\r\n") + folder +
                            L"\r\nwurde nicht gefunden. Bundelor startet ohne Quell-Verzeichnis.";
  RequestMessage(L"Bundelor", text.c_str(), MB_ICONWARNING);
}
