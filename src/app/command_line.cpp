#include <windows.h>
#include <shellapi.h>

#include "app/browse_source.h"
#include "app/command_line.h"
#include "gui/requesters.h"
#include "gui/toolbox/scoped.h"

namespace {

// A quoted folder that ends in a backslash ("D:\Fotos\", as a batch file's
// "%~dp0" or a shortcut writes it) arrives as D:\Fotos": the backslash
// escaped the closing quote. No path holds a quote, so the first one stands
// for that backslash; anything after it came from later arguments.
std::wstring FolderArgument(const wchar_t* argument) {
  std::wstring folder(argument);
  const size_t quote = folder.find(L'"');
  if (quote != std::wstring::npos) folder.replace(quote, std::wstring::npos, L"\\");
  return folder;
}

}  // namespace

void OpenSourceFromCommandLine(const wchar_t* commandLine) {
  int count = 0;
  const ScopedLocalMemory<wchar_t**> arguments(CommandLineToArgvW(commandLine, &count));
  // The first argument after the program's own name.
  if (!arguments.Valid() || count < 2 || !arguments.Get()[1][0]) return;
  const std::wstring folder = FolderArgument(arguments.Get()[1]);
  if (ShowSourceFolder(folder)) return;
  const std::wstring text = L"Das Verzeichnis\r\n" + folder +
                            L"\r\nwurde nicht gefunden. Bundelor startet ohne Quell-Verzeichnis.";
  RequestMessage(L"Bundelor", text.c_str(), MessageWarning);
}
